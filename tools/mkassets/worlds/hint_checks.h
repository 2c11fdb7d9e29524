// Hint files: "[show|n][width|n][hint|text]" tags, checked the way the game
// reads and lays them out.
#pragma once
#include <string>
#include <vector>

#include "worlds/level_source.h"

constexpr int kMaxHintLines = 12;

// Every problem of one hint file's text; empty when it is sound: only known
// tags of exactly two fields, a hint text, an icon 0..21, no carriage return,
// tab or '[' in a value, complete colour codes, and at most kMaxHintLines lines
// once wrapped as the hint box wraps them.
std::vector<std::string> CheckHint(const std::string& text);

// The number of lines the hint box shows for text, with or without an icon,
// in a box width pixels wide.
int HintLineCount(const std::string& text, bool icon, int width);

// The levels that must carry a hint: 0..19, and every level that first uses a
// block shape or a power-up.
std::vector<int> LevelsNeedingHints(const std::vector<LevelSource>& levels);

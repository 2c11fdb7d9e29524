// Checks that go through the game's own loaders: the block sets as LoadBlockSet
// reads them, each level as LoadLevel loads it, and the chooser's thumbnails.
// The data folder must be set (SetBaseFolder) to where the files were written.
#pragma once
#include <string>
#include <vector>

#include "worlds/level_source.h"

// Problems of block set 1..5: shapes other than designed, shapes on the paddle
// pieces, an editor palette that needs more than one row or is too tall.
std::vector<std::string> CheckBlockSetLoads(int world);

// Problems of level L as LoadLevel loads it: blocks lost to the prunes, a
// warning or error logged, records that disagree with their shape.
std::vector<std::string> CheckLevelLoads(const LevelSource& level);

// Builds all 100 thumbnails with BuildLevelThumbnail; returns the levels whose
// cell stayed empty. The sheet is written to sheetPng when that is not empty.
std::vector<int> EmptyThumbnails(const std::string& sheetPng);

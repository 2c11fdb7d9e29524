// Reading what the levels are checked against: the level sources of assets/levels
// and, through the game's picture loader, a world's collision map and shapes.
#pragma once
#include <string>
#include <vector>

#include "worlds/level_checks.h"
#include "worlds/level_source.h"

constexpr int kLevelCount = 100;

// The picture set of level L, 1..5.
inline int WorldOfLevel(int level) { return (level / 10) % 5 + 1; }

// Parses every "*.lvl" file of folder; the result holds levels 0..99 in order,
// each exactly once, or the call fails with a message.
bool ReadLevelSources(const std::string& folder, std::vector<LevelSource>& levels, std::string& error);

// Loads "scheme%d.png" and "blocks%d.png" of the data folder (set with
// SetBaseFolder) into view; the shapes are cut where block_shapes.h places them.
void LoadWorldView(int world, WorldView& view);

struct Surface;
// Writes a surface of the game's pixels as a PNG, for a look at it.
bool WriteSurfacePng(const std::string& path, const Surface* surface);

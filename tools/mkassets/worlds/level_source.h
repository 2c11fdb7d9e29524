// Level sources: the human-readable text the 100 levels are written in, and
// their compilation to the 12-byte block records of "level%d.dat".
//
//   # a comment, to the end of the line
//   key W brick wide       symbol W places a brick carrying the Wide paddle power-up;
//                          before the first level it holds for the whole file
//   level 7 "Title"        starts level 7 (0..99)
//   grid 15 40 30 15       rows of symbols follow, until "end": the cell of column c,
//     ==##==               row r has its top-left at (15 + 30c, 40 + 15r); '.' is empty,
//   end                    and so is '-', written where a wide shape covers the next cell
//   place gem 155 120 lasers   one shape at (155, 120), with an optional power-up
//
// Each shape has a default symbol (see block_shapes.h); power-up names are in
// kPowerUpNames.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

constexpr int kPowerUpTypes = 22;
extern const char* const kPowerUpNames[kPowerUpTypes];
// The type 0..21 of a power-up name, or -1.
int PowerUpByName(const std::string& name);

struct PlacedBlock {
    int x = 0, y = 0;
    int kind = 0;
    int powerUp = -1;  // type 0..21, or -1 for none
};

struct LevelSource {
    int number = -1;
    std::string title;
    std::string where;  // file and line of the "level" line, for messages
    std::vector<PlacedBlock> blocks;
};

// Parses one source file and appends its levels. On an error returns false with
// a message naming the file and line.
bool ParseLevelSource(const std::string& text, const std::string& fileName, std::vector<LevelSource>& levels,
                      std::string& error);

// The level file's bytes: one 12-byte little-endian record per block.
std::vector<uint8_t> CompileLevel(const LevelSource& level);

// The rules every level must keep, checked on the compiled blocks against the
// world's collision map and block shapes as the game loads them.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "worlds/level_source.h"

constexpr int kServeLeft = 97, kServeRight = 232, kServeTop = 283, kServeBottom = 312;
constexpr int kDeepestBlockTop = 380;  // the loader drops blocks whose top lies lower

// One world as a level sees it: the collision map and each kind's opaque pixels.
struct WorldView {
    int width = 0, height = 0;
    std::vector<uint16_t> map;  // the loaded collision map, row by row
    struct Shape {
        int width = 0, height = 0;
        std::vector<uint8_t> solid;  // 1 where the shape's picture is not black
    };
    std::vector<Shape> shapes;  // by kind
    uint16_t at(int x, int y) const {
        return x < 0 || y < 0 || x >= width || y >= height ? 0 : map[static_cast<size_t>(y) * width + x];
    }
};

// Every rule a level breaks, one message each; empty when the level is sound:
// blocks inside the field, above the depth limit, clear of walls and sand down
// to 40 rows below them, not overlapping; at least one destructible block; the
// serve area and the paddle's start free; every destructible block reachable.
std::vector<std::string> CheckLevel(const WorldView& world, const LevelSource& level);

// The destructible blocks (indices into level.blocks) a ball served from the
// serve area can never reach: a flood fill of ball centres through free space,
// where a block the fill touches breaks and opens the way behind it.
std::vector<int> UnreachableBlocks(const WorldView& world, const LevelSource& level);

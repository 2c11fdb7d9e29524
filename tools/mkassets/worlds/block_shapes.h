// The block shapes every world's block set offers, in kind order. The five sets
// share the sizes, so a level layout reads the same in any world; each world
// draws the shapes in its own style. Kind 0 is the indestructible block.
#pragma once

struct BlockShape {
    const char* name;  // as written in level sources
    char symbol;       // its default grid character
    int width;         // pixels; never 2 mod 3, so the set file's 2/3 units can express it
    int height;
};

constexpr BlockShape kBlockShapes[] = {
    {"steel", '#', 30, 15},  {"brick", '=', 30, 15}, {"tile", 't', 21, 10},  {"block", 'b', 15, 15},
    {"stud", 's', 10, 10},   {"bar", 'l', 40, 12},   {"pebble", 'p', 6, 6},  {"gem", 'g', 19, 19},
    {"pillar", 'i', 12, 18}, {"slab", '_', 45, 7},
};
constexpr int kBlockShapeCount = sizeof(kBlockShapes) / sizeof(kBlockShapes[0]);

// Where the shapes sit in "blocks%d.png": one row from (24, 15), clear of the
// paddle cells in the top-left corner. Positions are never 2 mod 3 either.
struct BlockPlace {
    int x, y;
};
BlockPlace BlockShapePlace(int kind);

// A pixel count written in the set file's units of two thirds of a pixel.
inline int ToSetUnits(int pixels) { return (2 * pixels + 1) / 3; }

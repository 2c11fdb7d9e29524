// The block set: the shapes that a level's blocks are cut from, read from
// "blocks%d.txt" in units of two thirds of a pixel.
#pragma once
#include <cstdint>

struct BlockDesc {
    uint16_t srcX;  // top-left corner in blockSetImage
    uint16_t srcY;
    uint8_t width;
    uint8_t height;
};

constexpr int kMaxBlockDescs = 100;
extern BlockDesc blockDescs[kMaxBlockDescs];
extern int32_t blockDescCount;

// Parses "blocks%d.txt" of picture set S into blockDescs.
void LoadBlockSet(int set);
// Parses the text of a block-set file; each accepted record is appended.
void ParseBlockSet(const char* text, long length);
// The description of a kind, or an all-zero one for a kind the set does not have.
const BlockDesc& BlockDescOf(int kind);

// A level: a free list of rectangular blocks placed on a hand-painted playfield,
// and the surfaces of its picture set.
#pragma once
#include <cstdint>
#include <string>

#include "gfx/surface.h"

// One placed block, 12 bytes, the same in memory and in "level%d.dat".
struct LevelBlock {
    uint16_t x;
    uint16_t y;
    uint8_t kind;  // 0 is the indestructible block
    uint8_t width;
    uint8_t height;
    uint8_t reserved[3];
    uint16_t powerUp;  // 0 none, else power-up type + 1
};
static_assert(sizeof(LevelBlock) == 12, "a level record is 12 bytes");

constexpr int kMaxLevelBlocks = 1000;
constexpr int kLevelRecordBytes = 12;

extern LevelBlock levelBlocks[kMaxLevelBlocks];
extern int32_t levelBlockCount;
extern int32_t indestructibleCount;

extern Surface* collisionMap;     // what balls, paddle and debris collide with
extern Surface* sceneryView;      // what the player sees behind the blocks
extern Surface* sceneryPristine;  // the scenery as the level started
extern Surface* playfieldImage;   // scenery with the blocks drawn over it
extern Surface* blockSetImage;    // the block shapes; black is transparent

inline int PictureSetOf(int level) { return (level / 10) % 5 + 1; }
inline int ColourVariantOf(int level) { return level % 5; }
// "level%d.dat": read from the player's folder when it holds one, else from Data/,
// and saved to the player's folder.
std::string LevelFileName(int level);

// Permutes the colour components of every pixel of a surface for variant 0..4.
void ApplyColourVariant(Surface* surface, int variant);

// Reads the level file into levelBlocks; false (and no blocks) when it cannot be read.
bool ReadLevelFile(int level);
// Removes blocks too deep in the field, then blocks on or just above scenery.
void PruneByDepth();
void PruneByScenery();
void CountIndestructible();
// Whether loading keeps a block: neither too deep nor on or just above the
// scenery of sceneryMap (a collision map without blocks stamped into it).
bool KeptByLoading(const LevelBlock& b, const Surface* sceneryMap);

// The collision map and the scenery of a level's picture set, the scenery in
// the level's colour variant, into the two surfaces given.
void LoadLevelScenery(int level, int set, Surface*& map, Surface*& view);
// Loads the pictures and block set of a level's set and applies its colour variant.
void LoadLevelPictures(int level, int set);
int LoadLevel(int level);
bool SaveLevel(int level);
bool UnloadLevel();
void AddLevelBlock(int x, int y, int kind, int powerUp);
void AddLevelBlockPlain(int x, int y, int kind);
int FindBlockAt(int px, int py);
void RemoveLevelBlock(int i);

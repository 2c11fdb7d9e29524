#include "game/play/level.h"

#include <bit>
#include <cstdio>
#include <cstring>
#include <vector>

#include "game/game_state.h"
#include "game/play/balls.h"
#include "game/play/block_set.h"
#include "game/play/debris.h"
#include "gfx/assets.h"
#include "gfx/blit.h"
#include "gfx/picture.h"
#include "shell/atomic_file.h"
#include "shell/log.h"
#include "shell/paths.h"

static_assert(std::endian::native == std::endian::little, "level records are read as they lie in memory");

LevelBlock levelBlocks[kMaxLevelBlocks];
int32_t levelBlockCount;
int32_t indestructibleCount;

Surface* collisionMap;
Surface* sceneryView;
Surface* sceneryPristine;
Surface* playfieldImage;
Surface* blockSetImage;

std::string LevelFileName(int level) { return StrFormat("level%d.dat", level); }

void ApplyColourVariant(Surface* surface, int variant) {
    if (!surface || variant == 0) return;
    for (int y = 0; y < surface->height; ++y) {
        for (int x = 0; x < surface->width; ++x) {
            uint16_t* p = pixelAddress(surface, x, y);
            int r, g, b;
            unpackColour(*p, r, g, b);
            switch (variant) {
                case 1: *p = packColour(r, b, g); break;
                case 2: *p = packColour(g, r, b); break;
                case 3: *p = packColour(b, r, g); break;
                case 4: *p = packColour(b, g, r); break;
                default: break;
            }
        }
    }
}

bool ReadLevelFile(int level) {
    levelBlockCount = 0;
    const std::string path = PlayerFileForReading(LevelFileName(level));
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    // Records lie in the file as in memory. The table holds 1000; a longer file is cut there.
    const size_t read = std::fread(levelBlocks, 1, sizeof levelBlocks, file);
    const bool longer = read == sizeof levelBlocks && std::fgetc(file) != EOF;
    std::fclose(file);
    if (longer)
        LogMessage(1, StrFormat("[WARNING] level%d.dat is longer than %d blocks; the rest is ignored\n", level,
                                kMaxLevelBlocks));
    levelBlockCount = static_cast<int32_t>(read / kLevelRecordBytes);
    return true;
}

void PruneByDepth() {
    const int limit = collisionMap->height - 60;
    for (int i = 0; i < levelBlockCount;) {
        if (levelBlocks[i].y > limit) RemoveLevelBlock(i);
        else ++i;
    }
}

namespace {
// A block survives only where its rectangle, and the same rectangle 40 rows
// lower, are free in the collision map. Outside the map counts as free.
bool SitsOnScenery(const LevelBlock& b) {
    for (int i = 0; i < b.width; ++i)
        for (int j = 0; j < b.height; ++j)
            if (getPixel(collisionMap, b.x + i, b.y + j) || getPixel(collisionMap, b.x + i, b.y + j + 40)) return true;
    return false;
}
}  // namespace

void PruneByScenery() {
    for (int i = 0; i < levelBlockCount;) {
        if (SitsOnScenery(levelBlocks[i])) RemoveLevelBlock(i);
        else ++i;
    }
}

void CountIndestructible() {
    indestructibleCount = 0;
    for (int i = 0; i < levelBlockCount; ++i)
        if (levelBlocks[i].kind == 0) ++indestructibleCount;
}

void LoadLevelPictures(int level, int set) {
    musicWanted = (level + 1) % 6;
    const int variant = ColourVariantOf(level);
    loadPicture(StrFormat("scheme%d.png", set), collisionMap);
    loadPicture(StrFormat("scheme%dv.png", set), sceneryView);
    if (blockSetImage) removeSurface(blockSetImage);
    loadPicture(StrFormat("blocks%d.png", set), blockSetImage);
    LoadBlockSet(set);
    ApplyColourVariant(sceneryView, variant);
    ApplyColourVariant(blockSetImage, variant);
    if (workSurface) centerSurface(workSurface, sceneryView);
}

int LoadLevel(int level) {
    LoadLevelPictures(level, PictureSetOf(level));
    if (!ReadLevelFile(level)) return 1;
    PruneByDepth();
    PruneByScenery();
    CountIndestructible();
    debrisCount = 0;
    ballCount = 0;
    return 1;
}

bool SaveLevel(int level) {
    // The records as they lie in memory, with the unused bytes cleared.
    std::vector<LevelBlock> records(levelBlocks, levelBlocks + levelBlockCount);
    for (LevelBlock& record : records) std::memset(record.reserved, 0, sizeof record.reserved);
    if (WriteFileAtomically(PlayerFileForWriting(LevelFileName(level)), records.data(),
                            records.size() * sizeof(LevelBlock)))
        return true;
    LogMessageColour(1, "[ERROR] Unable to save level.\n", ColourRed);
    return false;
}

bool UnloadLevel() {
    ballCount = 0;
    struct Owned {
        Surface** surface;
        const char* message;
    };
    const Owned owned[] = {
        {&collisionMap, "Level Already Unloaded (scheme)\n"},
        {&sceneryView, "Level Already Unloaded (schemev)\n"},
        {&sceneryPristine, "Level Already Unloaded (schemev2)\n"},
        {&blockSetImage, "Level Already Unloaded (blocks)\n"},
    };
    bool all = true;
    for (const Owned& o : owned) {
        if (*o.surface) {
            removeSurface(*o.surface);
        } else {
            LogMessageColour(1, o.message, ColourRed);
            all = false;
        }
    }
    if (!all) return false;
    blockDescCount = 0;
    levelBlockCount = 0;
    return true;
}

void AddLevelBlock(int x, int y, int kind, int powerUp) {
    if (levelBlockCount >= kMaxLevelBlocks || kind < 0 || kind >= blockDescCount) return;
    LevelBlock& b = levelBlocks[levelBlockCount++];
    b = LevelBlock{};
    b.x = static_cast<uint16_t>(x);
    b.y = static_cast<uint16_t>(y);
    b.kind = static_cast<uint8_t>(kind);
    b.width = blockDescs[kind].width;
    b.height = blockDescs[kind].height;
    b.powerUp = static_cast<uint16_t>(powerUp);
}

void AddLevelBlockPlain(int x, int y, int kind) { AddLevelBlock(x, y, kind, 0); }

int FindBlockAt(int px, int py) {
    for (int i = 0; i < levelBlockCount; ++i) {
        const LevelBlock& b = levelBlocks[i];
        if (b.x <= px && px < b.x + b.width && b.y <= py && py < b.y + b.height) return i;
    }
    return -1;
}

void RemoveLevelBlock(int i) {
    if (i < 0 || i >= levelBlockCount) return;
    const LevelBlock& last = levelBlocks[levelBlockCount - 1];
    LevelBlock& hole = levelBlocks[i];
    hole.x = last.x;
    hole.y = last.y;
    hole.kind = last.kind;
    hole.width = last.width;
    hole.height = last.height;
    hole.powerUp = last.powerUp;
    --levelBlockCount;
}

#include "game/play/level_convert.h"

#include <algorithm>
#include <cstdio>

#include "game/game_state.h"
#include "game/play/balls.h"
#include "game/play/debris.h"
#include "game/play/level.h"
#include "shell/platform.h"

namespace {
// Old files were drawn at two thirds of today's scale with a 15-pixel margin.
// Each value is scaled in full precision, then stored in its field's width.
void RescaleRecord(LevelBlock& b) {
    b.x = static_cast<uint16_t>(static_cast<uint16_t>(b.x * 3 / 2) - 15);
    b.y = static_cast<uint16_t>(b.y * 3 / 2);
    b.width = static_cast<uint8_t>(b.width * 3 / 2);
    b.height = static_cast<uint8_t>(b.height * 3 / 2);
}
}  // namespace

void ConvertLegacyLevel(int level) {
    LoadLevelPictures(level, 5);
    if (!ReadLevelFile(level)) return;
    const int limit = backSurface->height - 80;
    for (int i = 0; i < levelBlockCount;) {
        RescaleRecord(levelBlocks[i]);
        if (levelBlocks[i].y > limit) RemoveLevelBlock(i);  // the moved record is rescaled next
        else ++i;
    }
    std::stable_sort(levelBlocks, levelBlocks + levelBlockCount, [](const LevelBlock& a, const LevelBlock& b) {
        return a.y * 512 + a.x < b.y * 512 + b.x;
    });
    PruneByScenery();
    CountIndestructible();
    ballCount = 0;
    debrisCount = 0;
}

int32_t DrawConvertLevels() {
    programExitStatus = 0;
    for (int level = 0; level < levelCount; ++level) {
        ConvertLegacyLevel(level);
        if (!SaveLevel(level)) {
            std::fprintf(stderr, "zapbrik: level %d could not be saved\n", level);
            programExitStatus = 1;
        }
    }
    quitRequested = 1;
    return ModeConvertLevels;
}

#include "game/play/level_convert.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>

#include "game/game_state.h"
#include "game/play/balls.h"
#include "game/play/debris.h"
#include "game/play/level.h"
#include "shell/paths.h"
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

namespace {
// A new folder in the player's folder named after the date and time, with a
// number added when that name is taken; "" when none could be made.
std::string MakeBackupFolder() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char stamp[32];
    if (!localtime_r(&now, &local) || std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local) == 0) return "";
    const std::string base = PlayerFolder() + "levels-before-conversion-" + stamp;
    for (int n = 1; n < 100; ++n) {
        const std::string folder = n == 1 ? base : base + "-" + std::to_string(n);
        std::error_code error;
        if (std::filesystem::create_directory(folder, error)) return folder + "/";
        if (error) return "";
    }
    return "";
}

// Converting a level that is already converted scales it a second time, so
// every level file the conversion will write over is first copied aside.
bool BackUpLevelFiles() {
    std::string folder;
    int copied = 0;
    for (int level = 0; level < levelCount; ++level) {
        const std::string path = PlayerFolder() + LevelFileName(level);
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error)) continue;
        if (folder.empty() && (folder = MakeBackupFolder()).empty()) {
            std::fprintf(stderr, "zapbrik: no folder could be made for a backup of the levels\n");
            return false;
        }
        if (!std::filesystem::copy_file(path, folder + LevelFileName(level), error)) {
            std::fprintf(stderr, "zapbrik: %s could not be backed up to %s\n", path.c_str(), folder.c_str());
            return false;
        }
        ++copied;
    }
    if (copied > 0) std::printf("zapbrik: %d level files backed up to %s\n", copied, folder.c_str());
    return true;
}
}  // namespace

int32_t DrawConvertLevels() {
    programExitStatus = 0;
    quitRequested = 1;
    if (!BackUpLevelFiles()) {
        programExitStatus = 1;
        return ModeConvertLevels;
    }
    for (int level = 0; level < levelCount; ++level) {
        ConvertLegacyLevel(level);
        if (!SaveLevel(level)) {
            std::fprintf(stderr, "zapbrik: level %d could not be saved\n", level);
            programExitStatus = 1;
        }
    }
    return ModeConvertLevels;
}

#include "worlds/game_load_checks.h"

#include <cstring>

#include "game/play/block_set.h"
#include "game/play/level.h"
#include "game/play/level_thumbnail.h"
#include "shell/log.h"
#include "worlds/block_shapes.h"
#include "worlds/world_data.h"

namespace {

// Everything the debug console holds, oldest first; a wrapped word joins up again.
std::string ConsoleText() {
    std::string text;
    for (int i = kConsoleLines - 1; i >= 0; --i) text.append(consoleLines[i], strnlen(consoleLines[i], kConsoleColumns));
    return text;
}

// Runs load with the console recording level-1 messages; returns what it logged.
template <typename F>
std::string Logged(F load) {
    int32_t verbosity = logVerbosity;
    logVerbosity = 1;
    ResetConsole();
    load();
    std::string text = ConsoleText();
    logVerbosity = verbosity;
    ResetConsole();
    return text;
}

bool LogsTrouble(const std::string& text) {
    return text.find("WARNING") != std::string::npos || text.find("ERROR") != std::string::npos;
}

}  // namespace

std::vector<std::string> CheckBlockSetLoads(int world) {
    std::vector<std::string> problems;
    if (LogsTrouble(Logged([&] { LoadBlockSet(world); })))
        problems.push_back("loading the block set logs a warning or an error");
    if (blockDescCount != kBlockShapeCount)
        problems.push_back("reads " + std::to_string(blockDescCount) + " shapes, not " + std::to_string(kBlockShapeCount));
    int paletteWidth = 0;
    for (int k = 0; k < blockDescCount && k < kBlockShapeCount; ++k) {
        const BlockDesc& d = blockDescs[k];
        BlockPlace at = BlockShapePlace(k);
        std::string name = "shape " + std::to_string(k);
        if (d.srcX != at.x || d.srcY != at.y || d.width != kBlockShapes[k].width || d.height != kBlockShapes[k].height)
            problems.push_back(name + " reads back at another place or size");
        if (d.srcX < 20 && d.srcY < 11 && d.srcX + d.width > 9) problems.push_back(name + " covers the paddle pieces");
        if (d.height > 19) problems.push_back(name + " is too tall for the editor's palette");
        paletteWidth += d.width + 2;
    }
    if (paletteWidth > 280) problems.push_back("the editor's palette needs a second row");
    return problems;
}

std::vector<std::string> CheckLevelLoads(const LevelSource& level) {
    std::vector<std::string> problems;
    std::string log = Logged([&] { LoadLevel(level.number); });
    if (LogsTrouble(log)) problems.push_back("loading logs a warning or an error");
    if (levelBlockCount != static_cast<int>(level.blocks.size()))
        problems.push_back(std::to_string(level.blocks.size() - levelBlockCount) + " blocks lost to the prunes");
    for (int i = 0; i < levelBlockCount; ++i) {
        const LevelBlock& b = levelBlocks[i];
        const BlockDesc& d = BlockDescOf(b.kind);
        if (b.kind >= blockDescCount || b.width != d.width || b.height != d.height || b.powerUp > 22)
            problems.push_back("record " + std::to_string(i) + " disagrees with its shape");
    }
    removeSurface(collisionMap);
    removeSurface(sceneryView);
    removeSurface(blockSetImage);
    levelBlockCount = 0;
    return problems;
}

std::vector<int> EmptyThumbnails(const std::string& sheetPng) {
    Surface* previous = levelChooserSheet;
    levelChooserSheet = createSurface(320, 320);
    clearSurface(levelChooserSheet);
    for (int level = 0; level < 100; ++level) BuildLevelThumbnail(level);
    std::vector<int> empty;
    for (int level = 0; level < 100; ++level) {
        bool drawn = false;
        for (int y = 0; y < 32 && !drawn; ++y)
            for (int x = 0; x < 32 && !drawn; ++x)
                drawn = getPixel(levelChooserSheet, (level % 10) * 32 + x, (level / 10) * 32 + y) != 0;
        if (!drawn) empty.push_back(level);
    }
    if (!sheetPng.empty()) WriteSurfacePng(sheetPng, levelChooserSheet);
    removeSurface(levelChooserSheet);
    levelChooserSheet = previous;
    return empty;
}

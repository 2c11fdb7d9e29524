// Level files: any bytes give a list of blocks that is pruned against the
// scenery, composed into the playfield and broken block by block.
#include "fuzz_support.h"
#include "game/play/blocks.h"
#include "game/play/debris.h"
#include "game/play/level.h"
#include "shell/paths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool started = false;
    if (!started) {
        FuzzStartGame();
        LoadLevelPictures(0, 1);
        started = true;
    }
    FuzzWriteFile(dataFolder + LevelFileName(0), data, size);
    if (!ReadLevelFile(0)) return 0;
    PruneByDepth();
    PruneByScenery();
    CountIndestructible();
    debrisCount = 0;
    ComposePlayfield();
    for (int broken = 0; broken < 8 && levelBlockCount > 0; ++broken) DestroyBlock(levelBlockCount - 1);
    return 0;
}

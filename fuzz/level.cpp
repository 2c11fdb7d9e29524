// Level files: any bytes give a list of blocks that is pruned against the
// scenery, composed into the playfield and broken block by block.
#include "fuzz_support.h"
#include "game/play/blocks.h"
#include "game/play/debris.h"
#include "game/play/level.h"
#include "gfx/blit.h"
#include "shell/paths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The pictures of set 1 once, and the surfaces a level's start makes from them;
    // each input starts from the untouched collision map.
    static Surface* pristineMap = nullptr;
    if (!pristineMap) {
        FuzzStartGame();
        LoadLevelPictures(0, 1);
        pristineMap = createSurface(collisionMap->width, collisionMap->height);
        centerSurface(pristineMap, collisionMap);
        playfieldImage = createSurface(sceneryView->width, sceneryView->height);
    }
    centerSurface(collisionMap, pristineMap);
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

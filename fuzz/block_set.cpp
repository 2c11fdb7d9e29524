// Block-set files: any text gives a table of shapes, and every shape the table
// holds can be drawn from the block picture.
#include "fuzz_support.h"
#include "game/play/block_set.h"
#include "game/play/level.h"
#include "gfx/blit.h"
#include "gfx/picture.h"
#include "shell/paths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Surface* target = nullptr;
    if (!target) {
        FuzzStartGame();
        loadPicture("blocks1.png", blockSetImage);
        target = createSurface(330, 440);
    }
    FuzzWriteFile(dataFolder + "blocks9.txt", data, size);
    LoadBlockSet(9);
    for (int k = -1; k <= blockDescCount; ++k) {
        const BlockDesc& d = BlockDescOf(k);
        drawSprite(target, 100, 100, d.width, d.height, blockSetImage, d.srcX, d.srcY, BlitKeyed);
    }
    return 0;
}

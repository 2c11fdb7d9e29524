// Hint files: any text lays out and draws its box over the playfield, on the
// first frame and on the next, which uses the height the first one measured.
#include "fuzz_support.h"
#include "game/flow/hints.h"
#include "gfx/surface.h"
#include "shell/paths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool started = false;
    if (!started) {
        FuzzStartGame();
        started = true;
    }
    FuzzWriteFile(dataFolder + "hint7.txt", data, size);
    hintX = 220;
    hintY = 30;
    hintWidth = 200;
    hintHeight = 100;
    DrawHint(backSurface, hintX, hintY, 7);
    DrawHint(backSurface, hintX, hintY, 7);
    return 0;
}

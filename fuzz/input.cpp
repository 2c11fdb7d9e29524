// Input events in every mode of a running game. The first byte picks the mode
// the input starts in; then each three bytes are one event or a pause, with one
// pass of the main loop after each.
#include "fuzz_support.h"
#include "game/game_state.h"
#include "app/loop.h"
#include "shell/platform.h"

namespace {
constexpr int kMaxPasses = 1500;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool started = false;
    if (!started) {
        FuzzStartGame();
        started = true;
    }
    if (size < 1) return 0;
    quitRequested = 0;
    currentMode = kFuzzStartModes[data[0] % kFuzzStartModeCount];
    FuzzPass();
    int passes = 1;
    for (size_t i = 1; i < size && passes < kMaxPasses && !quitRequested; i += 3) {
        const int wait = FuzzInputEvent(data[i], i + 1 < size ? data[i + 1] : 0, i + 2 < size ? data[i + 2] : 0);
        for (int k = 0; k <= wait && passes < kMaxPasses && !quitRequested; ++k, ++passes) FuzzPass();
    }
    return 0;
}

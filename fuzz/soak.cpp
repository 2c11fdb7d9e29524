// The soak: a headless game driven for an hour of game time (216,000 ticks by
// default) by random keys and pointer input, under the sanitizers. It plays in
// stretches of 1,000 to 9,000 ticks, each with every hidden option set at
// random, of three kinds in turn: one starts in each mode in turn, with random
// input, as a player wandering the menus does; one starts a new game that the
// autoplayer plays, so levels are cleared; and one starts a new game where
// nobody moves the paddle, so the game is lost and a name entered. At the end
// it prints the ticks, the wall time, the modes seen, and the memory in use
// (live heap and resident) after the first level and at the end.
// Usage: soak [TICKS] [SEED]
#include <sanitizer/allocator_interface.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>

#include "fuzz_support.h"
#include "game/game_state.h"
#include "app/autoplay.h"
#include "app/loop.h"
#include "shell/platform.h"

namespace {
long ResidentKb() {
    FILE* f = std::fopen("/proc/self/statm", "r");
    long pages = 0, resident = 0;
    if (f) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * 4;
}

void SetHiddenOptions(std::mt19937& random) {
    optUnlimitedLives = random() % 2;
    optUnlockAllLevels = random() % 2;
    optFatPaddle = random() % 2 ? 40 : 0;
    optMaxPowerUp = random() % 2;
    optSeePowerUps = random() % 2;
    optDisableDebris = random() % 2;
}

// The heap the game holds, without the freed blocks the sanitizer keeps aside.
long LiveHeapKb() { return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024); }

// Where the n-th wandering stretch starts: each mode a player reaches from the
// menu in turn.
int32_t StretchMode(uint32_t n) {
    n %= kFuzzStartModeCount + 1;
    return n < static_cast<uint32_t>(kFuzzStartModeCount) ? kFuzzStartModes[n] : ModeLevelEditor;
}
}  // namespace

int main(int argc, char** argv) {
    const uint32_t ticks = argc > 1 ? static_cast<uint32_t>(std::strtoul(argv[1], nullptr, 10)) : 216000;
    std::mt19937 random(argc > 2 ? static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10)) : 1);
    const auto start = std::chrono::steady_clock::now();
    FuzzStartGame();
    std::set<int32_t> modesSeen;
    long firstLevelKb = 0, firstLevelHeapKb = 0, peakHeapAfterKb = 0;
    uint32_t stretchEnd = 0, lastReport = 0;
    enum { kWander, kAutoplay, kHandsOff };
    uint32_t stretchKind = kWander, stretches = 0, wanders = 0;
    // Keys a player presses most: the arrows, Escape, Enter, space and letters.
    const uint8_t keys[] = {0x25, 0x26, 0x27, 0x28, 0x1B, 0x0D, 0x20, 0x41, 0x4E, 0x50, 0x51, 0x5A};
    while (tickCounter < ticks) {
        if (quitRequested) {  // the exit screen ended the program: start again at the menu
            quitRequested = 0;
            currentMode = ModeMainMenu;
        }
        if (tickCounter >= stretchEnd) {
            // Any mode and random input; a new game the autoplayer plays; or a new
            // game where nobody touches the paddle until the game is over.
            stretchKind = stretches++ % 3;
            currentMode = stretchKind == kWander ? StretchMode(wanders++) : ModeNewGame;
            SetHiddenOptions(random);
            autoplayEnabled = stretchKind == kAutoplay;
            ResetAutoplay();
            hintsEnabled = stretchKind == kWander ? random() % 2 : 0;  // nobody clicks hints away
            if (stretchKind == kHandsOff) optUnlimitedLives = 0;
            stretchEnd = tickCounter + 1000 + random() % 8000;
        }
        if ((stretchKind == kWander || currentMode != ModePlay) && random() % 4 == 0) {
            const uint8_t op = random() % 7;
            const uint8_t a = op < 2 ? keys[random() % sizeof keys] : static_cast<uint8_t>(random());
            FuzzInputEvent(op, a, static_cast<uint8_t>(random()));
        }
        FuzzPass();
        modesSeen.insert(previousMode);  // a mode the pass entered and left at once counts too
        modesSeen.insert(currentMode);
        if (!firstLevelKb && currentMode == ModeLevelComplete) {
            firstLevelKb = ResidentKb();
            firstLevelHeapKb = LiveHeapKb();
        }
        if (firstLevelKb) peakHeapAfterKb = std::max(peakHeapAfterKb, LiveHeapKb());
        if (tickCounter % 21600 == 0 && tickCounter != lastReport) {
            lastReport = tickCounter;
            std::fprintf(stderr, "soak: tick %u, live heap %ld KB, resident %ld KB\n", tickCounter, LiveHeapKb(),
                         ResidentKb());
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("soak: %u ticks in %.1f s wall, %zu modes seen:", tickCounter, seconds, modesSeen.size());
    for (int32_t m : modesSeen) std::printf(" %d", m);
    std::printf("\nsoak: first level cleared: %s\n", firstLevelKb ? "yes" : "no");
    std::printf("soak: live heap %ld KB after the first level, at most %ld KB after it, %ld KB at the end\n",
                firstLevelHeapKb, peakHeapAfterKb, LiveHeapKb());
    std::printf("soak: resident %ld KB after the first level, %ld KB at the end, peak %ld KB\n", firstLevelKb,
                ResidentKb(), usage.ru_maxrss);
    return 0;
}

// The soak: a headless game driven for an hour of game time (216,000 ticks by
// default) by random keys and pointer input, under the sanitizers. Every few
// thousand ticks it moves to another mode, as a player wandering the menus does,
// and every ten thousand it flips one of the hidden panel's options. At the end it
// prints the ticks, the wall time, the modes seen, and the resident memory after
// the first level and at the end. Usage: soak [TICKS] [SEED]
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>

#include "fuzz_support.h"
#include "game/flow/game_state.h"
#include "shell/loop.h"

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

void FlipHiddenOption(int which) {
    switch (which) {
        case 0: optUnlimitedLives = 1 - optUnlimitedLives; break;
        case 1: optUnlockAllLevels = 1 - optUnlockAllLevels; break;
        case 2: optFatPaddle = 40 - optFatPaddle; break;
        case 3: optMaxPowerUp = 1 - optMaxPowerUp; break;
        case 4: optSeePowerUps = 1 - optSeePowerUps; break;
        default: optDisableDebris = 1 - optDisableDebris; break;
    }
}
}  // namespace

int main(int argc, char** argv) {
    const uint32_t ticks = argc > 1 ? static_cast<uint32_t>(std::strtoul(argv[1], nullptr, 10)) : 216000;
    std::mt19937 random(argc > 2 ? static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10)) : 1);
    const auto start = std::chrono::steady_clock::now();
    FuzzStartGame();
    std::set<int32_t> modesSeen;
    long firstLevelKb = 0;
    uint32_t lastModeChange = 0, lastReport = 0;
    // Keys a player presses most: the arrows, Escape, Enter, space and letters.
    const uint8_t keys[] = {0x25, 0x26, 0x27, 0x28, 0x1B, 0x0D, 0x20, 0x41, 0x4E, 0x50, 0x51, 0x5A};
    while (tickCounter < ticks) {
        if (quitRequested) {  // the exit screen ended the program: start again at the menu
            quitRequested = 0;
            currentMode = ModeMainMenu;
        }
        if (tickCounter - lastModeChange > 6000) {
            currentMode = kFuzzStartModes[random() % kFuzzStartModeCount];
            lastModeChange = tickCounter;
        }
        if (random() % 10000 == 0) FlipHiddenOption(static_cast<int>(random() % 6));
        const int32_t before = currentMode;
        if (random() % 4 == 0) {
            const uint8_t op = random() % 7;
            const uint8_t a = op < 2 ? keys[random() % sizeof keys] : static_cast<uint8_t>(random());
            FuzzInputEvent(op, a, static_cast<uint8_t>(random()));
        }
        FuzzPass();
        modesSeen.insert(currentMode);
        if (currentMode != before) lastModeChange = tickCounter;
        if (!firstLevelKb && currentMode == ModeLevelComplete) firstLevelKb = ResidentKb();
        if (!firstLevelKb && tickCounter == ticks / 10) firstLevelKb = ResidentKb();  // no level finished yet
        if (tickCounter % 21600 == 0 && tickCounter != lastReport) {
            lastReport = tickCounter;
            std::fprintf(stderr, "soak: tick %u, resident %ld KB\n", tickCounter, ResidentKb());
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("soak: %u ticks in %.1f s wall, %zu modes seen:", tickCounter, seconds, modesSeen.size());
    for (int32_t m : modesSeen) std::printf(" %d", m);
    std::printf("\nsoak: resident %ld KB after the first level (or a tenth of the run), %ld KB at the end, peak %ld KB\n", firstLevelKb,
                ResidentKb(), usage.ru_maxrss);
    return 0;
}

// Helpers shared by the power-up tests: catching a type outright and running the
// active list's updates.
#pragma once
#include "game/game_state.h"
#include "game/play/power_ups.h"

// Runs the active list's update n times, each on its own tick.
inline void RunPowerUpUpdates(int n) {
    for (int k = 0; k < n; ++k) {
        ++tickCounter;
        UpdatePowerUps();
    }
}

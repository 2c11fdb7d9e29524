#include "app/level_run.h"

#include "game/game_state.h"
#include "app/autoplay.h"
#include "app/events.h"
#include "shell/log.h"
#include "shell/platform.h"

namespace {
bool running = false;
bool cleared = false;
int32_t runLevel = 0, runDifficulty = 0;
uint32_t endTick = 0;
int32_t endScore = 0;
}  // namespace

void StartLevelRun(int32_t level, int32_t d, bool unlimitedLives) {
    running = true;
    cleared = false;
    runLevel = level;
    runDifficulty = d;
    difficulty = d;
    currentLevel = level - 1;
    hintsEnabled = 0;
    optUnlimitedLives = unlimitedLives ? 1 : 0;
    autoplayEnabled = 1;
    ResetAutoplay();
    currentMode = ModeNewGame;
}

void CheckLevelRun() {
    if (!running) return;
    endTick = tickCounter;
    endScore = score;
    if (currentMode != ModeLevelComplete && currentMode != ModeGameOver) return;
    cleared = currentMode == ModeLevelComplete;
    running = false;
    RequestClose();
}

std::string LevelRunReport() {
    return StrFormat("level %d difficulty %d result %s ticks %u score %d balls_lost %d capsules %d", runLevel,
                     runDifficulty, cleared ? "cleared" : "lost", static_cast<unsigned>(endTick), endScore,
                     autoplayBallsLost, autoplayCapsulesCaught);
}

#include "app/loop.h"

#include <algorithm>

#include "game/game_state.h"
#include "app/modes.h"
#include "gfx/surface.h"
#include "app/console_view.h"
#include "gfx/display.h"
#include "app/events.h"
#include "shell/log.h"
#include "shell/platform.h"

int32_t previousMode = 0;
int32_t presentStarted = 0;
int64_t ticksPerSecond = 0;
int64_t tickInterval = 0;
int64_t frameInterval = 0;
int64_t lastTickTime = 0;
int64_t lastDrawTime = 0;

bool PresentsRegions(int32_t mode) {
    switch (mode) {
        case ModePlay: case ModeLevelStart: case ModeLevelComplete: case ModeGameOver:
        case ModeOptions: case ModeHighScores: case ModeEnterName:
            return true;
        default:
            return false;
    }
}

namespace {
void PresentBackSurface(int32_t mode) {
    if (PresentsRegions(mode))
        PresentRegions(backSurface);
    else
        PresentFull(backSurface);
}

// One frame of the game, with the debug console over it while the log is recorded.
int32_t DrawFrame(int32_t mode) {
    int32_t next = DrawMode(mode);
    if (logVerbosity >= 1) DrawDebugConsole(backSurface);
    return next;
}
}  // namespace

const LoopRoutines& GameLoopRoutines() {
    static const LoopRoutines routines = {EnterMode, LeaveMode, UpdateMode, DrawFrame, PresentBackSurface, DrainInput};
    return routines;
}

bool StartLoopTiming() {
    ticksPerSecond = platform.counterFrequency();
    if (ticksPerSecond <= 0) return false;
    tickInterval = ticksPerSecond / 60;
    frameInterval = ticksPerSecond / 60;
    lastTickTime = lastDrawTime = platform.readCounter();
    return true;
}

void RunLoopPass(const LoopRoutines& routines) {
    int64_t now = platform.readCounter();

    if (currentMode != previousMode) {
        modeFrameCount = 0;
        modeTickCount = 0;
        LogMessageColour(1, StrFormat("Mode %d --> %d\n", previousMode, currentMode), ColourCyan);
        routines.leave(previousMode);
        routines.enter(currentMode);
        previousMode = currentMode;
    }

    int32_t modeAtStart = currentMode;
    int count = 0;
    while (now - lastTickTime > tickInterval && count < 4) {
        ++count;
        currentMode = routines.update(currentMode);
        if (currentMode != modeAtStart) break;
        lastTickTime += tickInterval;
    }
    if (count == 4) lastTickTime = platform.readCounter();

    if (currentMode == modeAtStart && now - lastDrawTime > frameInterval) {
        currentMode = routines.draw(currentMode);
        lastDrawTime += frameInterval;
        if (now - lastDrawTime > frameInterval) lastDrawTime = platform.readCounter();
        presentStarted = 1;
    }

    if (presentStarted) routines.present(currentMode);

    routines.drain();
}

void RunMainLoop(const LoopRoutines& routines) {
    while (!quitRequested) {
        RunLoopPass(routines);
        if (quitRequested) break;
        // Rest until the next update or frame is due instead of spinning.
        platform.waitUntil(std::min(lastTickTime + tickInterval, lastDrawTime + frameInterval) + 1);
    }
    routines.leave(currentMode);
}

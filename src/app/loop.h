// The main loop: fixed 60 Hz updates with at most four catch-up steps a pass, at
// most 60 frames a second, a present on every pass once drawing has begun, and the
// window messages drained at the end of each pass.
#pragma once
#include <cstdint>

extern int32_t previousMode;
extern int32_t presentStarted;
extern int64_t ticksPerSecond;
extern int64_t tickInterval;
extern int64_t frameInterval;
extern int64_t lastTickTime;
extern int64_t lastDrawTime;

// What the loop drives. The game's routines by default; tests put in their own.
struct LoopRoutines {
    void (*enter)(int32_t mode);
    void (*leave)(int32_t mode);
    int32_t (*update)(int32_t mode);
    int32_t (*draw)(int32_t mode);
    void (*present)(int32_t mode);  // copies the back surface to the display
    void (*drain)();                // delivers the pending input
};
const LoopRoutines& GameLoopRoutines();

// Reads the counter frequency and starts both clocks; false when there is no counter.
bool StartLoopTiming();
void RunLoopPass(const LoopRoutines& routines);
// Runs passes until quitRequested, resting between them, then leaves the current mode.
void RunMainLoop(const LoopRoutines& routines);

// The play screens present only the playfield and the score panel.
bool PresentsRegions(int32_t mode);

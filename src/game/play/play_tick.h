// One tick of play and the serve: the order in which the paddle, the serve, the
// cash-in of a cleared level and the gameplay parts run.
#pragma once
#include <cstdint>

// Runs one play tick. frameStep, when given, runs the screen's own step (hint
// box and shake) at its place in the order. Returns the next mode: ModePlay,
// ModeGameOver or ModeLevelComplete.
// Every play subsystem as at program start: balls, debris, explosions, blocks,
// capsules and active power-ups, and the paddle.
void ResetPlay();
int32_t PlayTick(void (*frameStep)() = nullptr);

// Sets up the first serve of the level currentLevel: loads it, places paddle and
// ball, and paints the pit row.
void PrepareLevelPlay();

// Adds the served ball above the paddle, heading down at the base speed.
void SpawnServeBall();

// The modes around a level: a new game, the start of a level, play itself and
// the end of a level.
#pragma once
#include <cstdint>

int32_t UpdateNewGame();
void EnterLevelStart();
void EnterPlay();
int32_t UpdatePlay();
void EnterLevelComplete();
int32_t UpdateLevelComplete();

// The screen's own step of a play tick: the hint box slides, the shake moves.
void PlayFrameStep();

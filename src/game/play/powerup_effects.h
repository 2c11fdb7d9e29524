// The effects of the active power-ups, one family to a file. Each is called for
// one active entry on one update of the active list.
#pragma once
#include <cstdint>

#include "game/play/power_ups.h"

// Width, speed and zone of the paddle (types 5, 6, 10, 13, 17, 18).
void ApplyPaddleEffect(int type);

// Balls made, hurried or lost: fountain, volcano, splitter, fast balls, lose balls.
void BallFountainUpdate(const ActivePowerUp& entry);
void VolcanoUpdate(const ActivePowerUp& entry);
void SplitterUpdate();
void FastBallsUpdate();
void LoseAllBalls();

// Blocks destroyed at random, and the laser beams.
void BlasterUpdate(const ActivePowerUp& entry);
void ChomperUpdate(const ActivePowerUp& entry);
void FireLasers();
// The beam columns of pair k: left and right, just inside the paddle's ends.
int32_t LeftBeamX(int k);
int32_t RightBeamX(int k);

// The settled debris heap: burning it away round the paddle, draining it.
void BurnOut();
void Drain();

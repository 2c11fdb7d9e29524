// The paddle: it moves in two dimensions inside a zone at the bottom of the
// playfield, is stopped by anything solid in the collision map and digs its way
// through sand and settled debris.
#pragma once
#include <cstdint>

extern int32_t paddleX, paddleY;            // centre x and the paddle line, pixels
extern int32_t paddleFixedX, paddleFixedY;  // exact position, 10 fraction bits
extern int32_t paddleVelX, paddleVelY;      // smoothed velocity, fixed units per tick
extern int32_t paddleHalfWidth;
extern int32_t paddleTargetHalfWidth;
extern int32_t paddleZoneHeight;
extern int32_t paddleTargetZoneHeight;
extern int32_t paddleMaxStep;
extern int32_t digAllowTimer;
extern int32_t steerUp, steerDown, steerLeft, steerRight;
extern int32_t steerHoldRamp;
extern int32_t steerByMouse;
extern int32_t waitForButtonRelease;
constexpr int kPaddleHistory = 16;
extern int32_t paddleHistoryX[kPaddleHistory], paddleHistoryY[kPaddleHistory];
extern int32_t paddleHistoryIndex;

// The paddle and its steering as at program start.
void ResetPaddle();

// The half width every new game starts with, and the zone height of a difficulty.
int32_t BasePaddleHalfWidth();
int32_t BaseZoneHeight();

int32_t ZoneTop();      // the highest row the paddle line may reach
int32_t BottomLimit();  // the lowest

// True when the map row under the paddle is free at every second column.
bool PaddleRowFree();
// Puts the paddle at the bottom centre of the field, fixed values included.
void CentrePaddle();

void EasePaddleWidth();
void EaseZoneHeight();
void SteerPaddle();
void ClampPaddle();
void DigAround(int depth);

// Draws the paddle (and, with the fast-paddle power-up, its trail) onto backSurface.
void DrawPaddle();

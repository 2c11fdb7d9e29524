// Balls: they move in fixed point and find walls, blocks, the pit and the paddle
// by probing the collision map at eight points around their centre.
#pragma once
#include <cstdint>

struct Ball {
    int32_t x, y;  // centre, fixed point with 10 fraction bits
    int32_t vx, vy;
    int32_t prevX, prevY;
    int16_t speed;  // fixed units per tick
};

constexpr int kMaxBalls = 5000;
extern Ball balls[kMaxBalls];
extern int32_t ballCount;
extern int32_t nudgeIndex;
extern int32_t slowMotionDivisor;  // 0, or 2^n while slow motion is active

// The eight probe offsets, tested in this order.
extern const int8_t probeDX[8], probeDY[8];

int32_t BaseBallSpeed();
// True when every pixel from (x, y) down to the map's last row has green: a
// ball touching there falls into the pit.
bool GreenToTheBottom(int32_t x, int32_t y);
// The paddle bounce: sets the velocity of a ball meeting the paddle offset
// pixels right of its centre (negative: left).
void SetPaddleBounceVelocity(Ball& b, int32_t offset);
// The colour of a ball (and of its debris), from the homing and fireball power-ups.
uint16_t BallColour();

// Appends a ball at a pixel position; false when the table is full.
// No balls, the nudge back at the first, no slow motion.
void ResetBalls();
bool AddBall(int32_t px, int32_t py, int32_t vx, int32_t vy);
void RemoveBall(int i);
void NormaliseBallVelocity(int i);
void NormaliseBallVelocity(Ball& b);
void SetBallAngle(int i, int heading);
void SetBallAngle(Ball& b, int heading);
void ClampBallSpeedKeepAngle(int i);
void BounceBallOffMap(int i);
// The same reflection for a ball record outside the table (the autoplayer's
// look-ahead uses it).
void BounceBallOffMap(Ball& b);
void UnstickBall(int i);
// One step along the velocity, divided while slow motion runs. True when the
// ball has left the field (past the screen's right edge, above or left of it,
// or below the map).
bool AdvanceBall(Ball& b);
void UpdateBalls();
void DrawBalls();

// Angles and the trigonometric tables. A bearing is 0 up, 90 right, 180 down,
// 270 left; a heading is the table index, bearing - 90 (0 right, 90 down).
// Table entries are scaled by 256.
#pragma once
#include <cstdint>

extern int32_t sinTable[360];
extern int32_t cosTable[360];
extern const int32_t explosionFrames[11];

void FillTrigTables();

// Brings an angle into 0..359 by adding or subtracting 360 as often as needed.
int32_t WrapAngle(int32_t angle);
// Bearing from point 0 to point 1, not wrapped.
int32_t DirectionAngle(int32_t x0, int32_t y0, int32_t x1, int32_t y1);
// Bearing (wrapped) and distance, with the horizontal difference taken on a ring of 750.
void AngleAndDistance(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t& bearing, int32_t& distance);
// The heading of a velocity: DirectionAngle from the origin, less 90, wrapped.
inline int32_t HeadingOf(int32_t vx, int32_t vy) { return WrapAngle(DirectionAngle(0, 0, vx, vy) - 90); }

#include "game/play/paddle.h"

#include <algorithm>

#include "game/game_state.h"
#include "game/play/debris.h"
#include "game/play/level.h"
#include "game/play/playfield.h"
#include "game/play/power_ups.h"
#include "game/play/tables.h"
#include "gfx/assets.h"
#include "shell/input.h"
#include "shell/random.h"
#include "shell/platform.h"

int32_t paddleX, paddleY;
int32_t paddleFixedX, paddleFixedY;
int32_t paddleVelX, paddleVelY;
int32_t paddleHalfWidth;
int32_t paddleTargetHalfWidth;
int32_t paddleZoneHeight;
int32_t paddleTargetZoneHeight;
int32_t paddleMaxStep = 5;
int32_t digAllowTimer;
int32_t steerUp, steerDown, steerLeft, steerRight;
int32_t steerHoldRamp;
int32_t steerByMouse;
int32_t waitForButtonRelease;
int32_t paddleHistoryX[kPaddleHistory], paddleHistoryY[kPaddleHistory];
int32_t paddleHistoryIndex;

namespace {
inline int Green(uint16_t c) { return (c >> 6) & 31; }

void SyncPaddlePixels() {
    paddleX = paddleFixedX >> 10;
    paddleY = paddleFixedY >> 10;
}

void ParkCursorOnPaddle() { SetCursorPosition(paddleX + playfieldLeft, paddleY + playfieldTop); }

// A particle of dug sand or debris, in the scenery's colour at that point.
void ThrowSand(int x, int y) {
    const int32_t vy = -(Rand() & 127) * 16;
    const int32_t vx = (Rand() & 255) * 8 - 1016;
    AddDebris(x, y, vx, vy, DebrisSpark, getPixel(sceneryView, x, y));
}

void DigColumn(int x, int depth) {
    const int h = collisionMap->height;
    int y = paddleY + 3 + (Rand() & 3);
    if (y > h - 3 - (Rand() & 1)) y = h - 3 - (Rand() & 1);
    // The column's picture slides down by the depth...
    while (y > 0 && Green(getPixel(collisionMap, x, y - depth)) != 0) {
        ThrowSand(x, y);
        const uint16_t above = getPixel(playfieldImage, x, y - depth);
        putPixel(playfieldImage, x, y, above);
        putPixel(sceneryView, x, y, above);
        --y;
    }
    // ...and its top rows are cleared back to the scenery as loaded.
    for (int row = y; row > y - depth; --row) {
        if (Green(getPixel(collisionMap, x, row)) != 0) {
            ThrowSand(x, row);
            putPixel(collisionMap, x, row, 0);
        }
        const uint16_t loaded = getPixel(workSurface, x, row);
        putPixel(playfieldImage, x, row, loaded);
        putPixel(sceneryView, x, row, loaded);
    }
}
}  // namespace

int32_t BasePaddleHalfWidth() { return 20 - 2 * difficulty + optFatPaddle; }
int32_t BaseZoneHeight() { return 115 - 7 * difficulty; }
int32_t ZoneTop() { return collisionMap->height - paddleZoneHeight; }
int32_t BottomLimit() { return collisionMap->height - 8; }

bool PaddleRowFree() {
    for (int dx = -paddleHalfWidth; dx < paddleHalfWidth; dx += 2)
        if (getPixel(collisionMap, paddleX + dx, paddleY + 4)) return false;
    return true;
}

void CentrePaddle() {
    paddleX = collisionMap->width / 2;
    paddleY = collisionMap->height - 20;
    paddleFixedX = paddleX * 1024;
    paddleFixedY = paddleY * 1024;
}

void EasePaddleWidth() {
    if ((tickCounter & 3) != 0) return;
    if (paddleTargetHalfWidth < paddleHalfWidth) {
        --paddleHalfWidth;
    } else if (paddleTargetHalfWidth > paddleHalfWidth) {
        ++paddleHalfWidth;
        if (!PaddleRowFree()) --paddleHalfWidth;
    }
}

void EaseZoneHeight() {
    if (paddleZoneHeight < paddleTargetZoneHeight) ++paddleZoneHeight;
    else if (paddleZoneHeight > paddleTargetZoneHeight) --paddleZoneHeight;
}

void DigAround(int depth) {
    for (int c = -paddleHalfWidth - 3 - (Rand() & 1); c < paddleHalfWidth + 3 + (Rand() & 1); ++c)
        DigColumn(paddleX + c, depth);
}

void SteerPaddle() {
    const bool keyHeld = steerUp || steerDown || steerLeft || steerRight;
    steerHoldRamp = keyHeld ? steerHoldRamp + 2 : 0;
    if (waitForButtonRelease && !keyHeld) return;

    int32_t tx, ty;
    if (!steerByMouse) {
        const int32_t ramp = steerHoldRamp;
        tx = paddleX + ((steerRight * ramp - steerLeft * ramp) >> 2);
        ty = paddleY + ((steerDown * ramp - steerUp * ramp) >> 2);
    } else {
        tx = mouseX - playfieldLeft;
        ty = mouseY - playfieldTop;
    }
    const int32_t zoneTop = ZoneTop();
    ty = std::max(ty, zoneTop);
    int32_t bearing, distance;
    AngleAndDistance(paddleX, paddleY, tx, ty, bearing, distance);
    if (distance == 0) return;

    const int h = WrapAngle(bearing - 90);
    distance = std::min(distance, paddleMaxStep);
    const int32_t stepX = distance * cosTable[h] * 4, stepY = distance * sinTable[h] * 4;
    paddleVelX = (paddleVelX * 3 + stepX) >> 2;
    paddleVelY = (paddleVelY * 3 + stepY) >> 2;
    if ((paddleFixedY >> 10) < zoneTop) {
        paddleFixedY = zoneTop * 1024;
        paddleVelY = 0;
    }

    const int32_t oldX = paddleFixedX, oldY = paddleFixedY;
    if (!PowerUpActive(PowerFrozenPaddle)) {
        paddleFixedX += stepX;
        paddleFixedY += stepY;
    }
    SyncPaddlePixels();

    // Anything solid on the paddle's two collision rows stops it; sand and
    // settled debris are dug away on even ticks while play goes on.
    for (int dx = -paddleHalfWidth; dx < paddleHalfWidth; ++dx) {
        const int depth = (Rand() & 15) + 15;
        const uint16_t lower = getPixel(collisionMap, paddleX + dx, paddleY + 4);
        const uint16_t upper = getPixel(collisionMap, paddleX + dx, paddleY + 3);
        if (lower == 0 && upper == 0) continue;
        if ((tickCounter & 1) == 0 && digAllowTimer > -300 && (Green(lower) != 0 || Green(upper) != 0))
            DigAround(depth);
        paddleFixedX = oldX;
        paddleFixedY = oldY;
        SyncPaddlePixels();
        if (steerByMouse) ParkCursorOnPaddle();
        break;
    }
    if ((tickCounter & 1) == 0 && steerByMouse) ParkCursorOnPaddle();
}

void ClampPaddle() {
    const int32_t zoneTop = ZoneTop(), bottom = BottomLimit();
    if ((paddleFixedY >> 10) < zoneTop) {
        paddleFixedY = zoneTop * 1024;
        paddleY = zoneTop;
        paddleVelY = 0;
    }
    if (paddleY > bottom) {
        paddleY = bottom;
        paddleFixedY = bottom * 1024;
    }
}

void ResetPaddle() {
    paddleX = paddleY = paddleFixedX = paddleFixedY = 0;
    paddleVelX = paddleVelY = 0;
    paddleHalfWidth = paddleTargetHalfWidth = 0;
    paddleZoneHeight = paddleTargetZoneHeight = 0;
    paddleMaxStep = 5;
    digAllowTimer = 0;
    steerUp = steerDown = steerLeft = steerRight = 0;
    steerHoldRamp = steerByMouse = waitForButtonRelease = 0;
    paddleHistoryIndex = 0;
}

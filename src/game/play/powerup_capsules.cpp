// Capsules: released by destroyed blocks, they fall under gravity through
// everything in the map until the paddle catches them or they leave the field.
#include "game/play/paddle.h"
#include "game/play/balls.h"
#include "game/play/level.h"
#include "game/play/power_ups.h"
#include "sound/mixer.h"

FallingPowerUp fallingPowerUps[kMaxFallingPowerUps];
int32_t fallingPowerUpCount;

void DropPowerUp(int32_t px, int32_t py, int type) {
    // A type from a damaged level file or the editor carries nothing.
    if (type >= 0 && type < kPowerUpTypes) AddFallingPowerUp(px, py, 0, 500, type);
}

void AddFallingPowerUp(int32_t px, int32_t py, int32_t vx, int32_t vy, int type) {
    if (fallingPowerUpCount >= kMaxFallingPowerUps) return;
    FallingPowerUp& f = fallingPowerUps[fallingPowerUpCount++];
    f.x = f.prevX = px * 1024;
    f.y = f.prevY = py * 1024;
    f.vx = vx;
    f.vy = vy;
    f.type = type;
    f.age = 0;
}

void RemoveFallingPowerUp(int i) {
    if (i < 0 || i >= fallingPowerUpCount) return;
    fallingPowerUps[i] = fallingPowerUps[--fallingPowerUpCount];
}

namespace {
bool CaughtByPaddle(int32_t px, int32_t py) {
    const int dx = px - paddleX;
    return paddleY - 16 < py && py < paddleY + 16 && (dx < 0 ? -dx : dx) < paddleHalfWidth + 8;
}
}  // namespace

void UpdateFallingPowerUps() {
    const int32_t d = slowMotionDivisor;
    for (int i = 0; i < fallingPowerUpCount;) {
        FallingPowerUp& f = fallingPowerUps[i];
        f.x += d > 0 ? f.vx / d : f.vx;
        f.y += d > 0 ? f.vy / d : f.vy;
        ++f.age;
        f.vy += d > 0 ? 30 / d : 30;
        const int32_t px = f.x >> 10, py = f.y >> 10;
        if (py > collisionMap->height) {
            RemoveFallingPowerUp(i);
            continue;
        }
        if (CaughtByPaddle(px, py)) {
            const int type = f.type;
            ApplyPowerUp(type);
            if (type == PowerBallFountain) playSoundMany(SoundScream, 0);
            RemoveFallingPowerUp(i);
            continue;
        }
        ++i;
    }
}

// Power-ups that make balls (fountain, volcano, splitter), hurry them (fast
// balls) or take them all away (lose balls). A full ball table simply makes no more balls.
#include "game/game_state.h"
#include "game/play/balls.h"
#include "game/play/blocks.h"
#include "game/play/debris.h"
#include "game/play/paddle.h"
#include "game/play/powerup_effects.h"
#include "shell/random.h"
#include "sound/mixer.h"

namespace {
constexpr uint16_t kWhite = 0xFFFF;

// A column somewhere along the paddle. A paddle without width gives its centre.
int32_t XAlongPaddle() {
    const int32_t span = 2 * paddleHalfWidth;
    if (span <= 0) return paddleX;
    return paddleX + Rand() % span - paddleHalfWidth;
}
}  // namespace

void BallFountainUpdate(const ActivePowerUp& entry) {
    if (entry.ticks >= 64 || (tickCounter & 1) != 0) return;
    const int32_t x = XAlongPaddle();
    if (!AddBall(x, paddleY - 5, (Rand() & 511) - 255, -2048)) return;
    const int j = ballCount - 1;
    NormaliseBallVelocity(j);
    balls[j].vx += paddleVelX;
    balls[j].vy += paddleVelY;
    ClampBallSpeedKeepAngle(j);
}

void VolcanoUpdate(const ActivePowerUp& entry) {
    for (int n = 0; n < 10; ++n) {
        const int32_t x = XAlongPaddle();
        const int32_t vx = (Rand() & 511) - 255;
        const int32_t vy = -static_cast<int32_t>((Rand() & 2047) + 2048);
        AddDebris(x, paddleY - 2, vx, vy, DebrisSpark, kWhite);
    }
    if ((entry.ticks & 7) == 0) {
        const int32_t x = XAlongPaddle();
        AddBall(x, paddleY - 5, (Rand() & 511) - 255, -2048);
    }
}

void SplitterUpdate() {
    if ((tickCounter & 15) != 0 || OnlyIndestructibleLeft()) return;
    if (ballCount <= 0 || ballCount >= 4 * powerUpCount[PowerSplitter]) return;
    const int j = Rand() % ballCount;
    playSound(SoundGeneral8);
    const int32_t bx = balls[j].x >> 10, by = balls[j].y >> 10;
    const int32_t vx = (Rand() & 1023) - 512;
    const int32_t vy = (Rand() & 1023) - 512;
    if (!AddBall(bx, by, vx, vy)) return;
    balls[ballCount - 1].speed = balls[j].speed;
    NormaliseBallVelocity(ballCount - 1);
    for (int n = 0; n < 20; ++n) {
        const int32_t sx = (Rand() & 1023) - 512;
        const int32_t sy = (Rand() & 1023) - 512;
        AddDebris(bx, by, sx, sy, DebrisSpark, kWhite);
    }
}

void FastBallsUpdate() {
    for (int k = 0; k < powerUpCount[PowerFastBalls]; ++k) UpdateBalls();
}

void LoseAllBalls() {
    while (ballCount > 0) {
        const int32_t bx = balls[0].x >> 10, by = balls[0].y >> 10;
        const uint16_t colour = BallColour();
        for (int n = 0; n < 20; ++n) {
            const int32_t vx = (Rand() & 1023) * 8 - 4096;
            const int32_t vy = (Rand() & 1023) * 8 - 4096;
            AddDebris(bx, by, vx, vy, DebrisSolid, colour);
        }
        RemoveBall(0);
    }
}

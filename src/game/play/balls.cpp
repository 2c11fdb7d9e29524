#include "game/play/balls.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "game/game_state.h"
#include "game/play/blocks.h"
#include "game/play/debris.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/power_ups.h"
#include "game/play/tables.h"
#include "shell/random.h"
#include "sound/mixer.h"

Ball balls[kMaxBalls];
int32_t ballCount;
int32_t nudgeIndex;
int32_t slowMotionDivisor;

const int8_t probeDX[8] = {0, 2, 3, 2, 0, -2, -3, -2};
const int8_t probeDY[8] = {-3, -2, 0, 2, 3, 2, 0, -2};

namespace {
// Balls leave the field past this column: the screen's width, not the playfield's.
constexpr int kRightExit = 640;

inline int32_t PixelOf(int32_t fixed) { return fixed >> 10; }

bool ProbesFree(int32_t bx, int32_t by) {
    for (int k = 0; k < 8; ++k)
        if (getPixel(collisionMap, bx + probeDX[k], by + probeDY[k])) return false;
    return true;
}

void SetVelocityFromHeading(Ball& b, int heading) {
    b.vx = (b.speed * cosTable[heading]) >> 8;
    b.vy = (b.speed * sinTable[heading]) >> 8;
}

void PaddleBounce(int i) {
    Ball& b = balls[i];
    SetPaddleBounceVelocity(b, PixelOf(b.x) - paddleX);
    b.x += b.vx;
    b.y += b.vy;
    b.y = (paddleY - 6) * 1024;
}

// The ball fell into the pit: it bursts into debris of its own colour.
void LoseBall(int i) {
    const int32_t bx = PixelOf(balls[i].x), by = PixelOf(balls[i].y);
    const uint16_t colour = BallColour();
    for (int dy = -3; dy <= 3; ++dy) {
        for (int dx = -3; dx <= 3; ++dx) {
            for (int n = 0; n < 2; ++n) {
                const int32_t vy = (Rand() & 1023) * 4 - 2048;
                const int32_t vx = (Rand() & 1023) * 4 - 2048;
                AddDebris(bx + dx, by + dy, vx, vy, DebrisSolid, colour);
            }
        }
    }
    RemoveBall(i);
}


// Homing pulls every ball toward the centre of every destructible block: the
// velocity gains ((centre - ball) * c) >> 2 per block, for homing count c. Each
// term rounds down, so the sum over all blocks is
//   (c * sum(centre - ball) - sum(((centre - ball) * c) & 3)) / 4,
// where the low bits depend only on each centre modulo 4. Keeping the centre
// sums and the counts per residue makes the pull the same for any number of
// blocks, exactly as adding the terms one by one. The sums are gathered again
// at every pass over the balls and after a ball destroys a block.
struct HomingPull {
    int32_t blocks = 0;
    int64_t sumX = 0, sumY = 0;
    int32_t residuesX[4] = {}, residuesY[4] = {};
};
HomingPull homingPull;
bool homingPullStale = true;

void GatherHomingPull() {
    homingPull = HomingPull{};
    for (int j = 0; j < levelBlockCount; ++j) {
        const LevelBlock& blk = levelBlocks[j];
        if (blk.kind == 0) continue;
        const int32_t cx = blk.x + blk.width / 2, cy = blk.y + blk.height / 2;
        ++homingPull.blocks;
        homingPull.sumX += cx;
        homingPull.sumY += cy;
        ++homingPull.residuesX[cx & 3];
        ++homingPull.residuesY[cy & 3];
    }
    homingPullStale = false;
}

int32_t PullAlongAxis(int64_t centreSum, const int32_t residues[4], int32_t ball, int c) {
    int64_t total = c * (centreSum - static_cast<int64_t>(homingPull.blocks) * ball);
    for (int r = 0; r < 4; ++r) total -= static_cast<int64_t>(residues[r]) * ((r * c - ball * c) & 3);
    return static_cast<int32_t>(total / 4);  // exact: the low bits were taken off
}

void ApplyHoming(Ball& b, int32_t bx, int32_t by, int c) {
    if (homingPullStale) GatherHomingPull();
    b.vx += PullAlongAxis(homingPull.sumX, homingPull.residuesX, bx, c);
    b.vy += PullAlongAxis(homingPull.sumY, homingPull.residuesY, by, c);
}

enum class Step { Kept, Removed };

Step MoveBall(int i) {
    Ball& b = balls[i];
    b.prevX = b.x;
    b.prevY = b.y;
    const bool left = AdvanceBall(b);
    int32_t bx = PixelOf(b.x), by = PixelOf(b.y);

    if (const int c = powerUpCount[PowerHoming]; c > 0) {
        ApplyHoming(b, bx, by, c);
        NormaliseBallVelocity(i);
    }

    if (left) {
        RemoveBall(i);
        return Step::Removed;
    }

    for (int k = 0; k < 8; ++k) {
        const int32_t px = bx + probeDX[k], py = by + probeDY[k];
        const uint16_t pixel = getPixel(collisionMap, px, py);
        const int r = pixel >> 11, g = (pixel >> 6) & 31, blue = pixel & 31;
        if (r != 0) {
            const int j = FindBlockAt(px, py);
            const bool fireball = PowerUpActive(PowerFireball);
            if (!fireball) BounceBallOffMap(i);
            if (j >= 0 && levelBlocks[j].kind == 0) {
                if (fireball) BounceBallOffMap(i);
            } else if (j >= 0) {
                DestroyBlock(j);
                homingPullStale = true;
                playSound(SoundElectron);
            }
            b.x += b.vx;
            b.y += b.vy;
            UnstickBall(i);
            return Step::Kept;
        }
        if (blue != 0) {
            if (g != 0 && GreenToTheBottom(px, py)) {
                LoseBall(i);
                return Step::Removed;
            }
            BounceBallOffMap(i);
            b.x += b.vx;
            b.y += b.vy;
            UnstickBall(i);
            NormaliseBallVelocity(i);
            return Step::Kept;
        }
        if (by > paddleY - 3 && by < paddleY + 7 && std::abs(bx - paddleX) < paddleHalfWidth) {
            PaddleBounce(i);
            return Step::Kept;
        }
    }
    return Step::Kept;
}
}  // namespace

int32_t BaseBallSpeed() { return difficulty * 500 + 2600; }

bool GreenToTheBottom(int32_t x, int32_t y) {
    for (int32_t row = y; row < collisionMap->height; ++row)
        if (((getPixel(collisionMap, x, row) >> 6) & 31) == 0) return false;
    return true;
}

// The velocity is set from where the ball meets the paddle alone; the paddle's
// vertical motion speeds the ball up or slows it.
void SetPaddleBounceVelocity(Ball& b, int32_t offset) {
    const int32_t o = (offset * 20) / std::max(paddleHalfWidth, 20);
    SetBallAngle(b, 270 + 3 * o);
    b.speed = static_cast<int16_t>(static_cast<uint16_t>(b.speed) - static_cast<uint16_t>(paddleVelY));
    const int32_t base = BaseBallSpeed();
    b.speed = static_cast<int16_t>(std::clamp<int32_t>(b.speed, (base * 3) >> 2, (base * 6) >> 2));
    NormaliseBallVelocity(b);
}

uint16_t BallColour() {
    const bool homing = PowerUpActive(PowerHoming), fireball = PowerUpActive(PowerFireball);
    if (homing && fireball) return packColour(31, 7, 31);
    if (homing) return packColour(0, 7, 31);
    if (fireball) return packColour(31, 7, 7);
    return 0xFFFF;
}

bool AddBall(int32_t px, int32_t py, int32_t vx, int32_t vy) {
    if (ballCount >= kMaxBalls) return false;
    Ball& b = balls[ballCount];
    b.x = b.prevX = px * 1024;
    b.y = b.prevY = py * 1024;
    b.vx = vx;
    b.vy = vy;
    b.speed = static_cast<int16_t>(BaseBallSpeed());
    ++ballCount;
    NormaliseBallVelocity(ballCount - 1);
    return true;
}

void RemoveBall(int i) {
    if (i < 0 || i >= ballCount) return;
    balls[i] = balls[--ballCount];
}

void NormaliseBallVelocity(int i) { NormaliseBallVelocity(balls[i]); }

void NormaliseBallVelocity(Ball& b) {
    SetVelocityFromHeading(b, HeadingOf(b.vx, b.vy));
    // No component is left smaller than 8 in magnitude.
    if (b.vx >= 0 && b.vx <= 7) b.vx = 8;
    else if (b.vx >= -8 && b.vx < 0) b.vx = -8;
    if (b.vy >= 0 && b.vy <= 7) b.vy = 8;
    else if (b.vy >= -8 && b.vy < 0) b.vy = -8;
}

void SetBallAngle(int i, int heading) { SetBallAngle(balls[i], heading); }

void SetBallAngle(Ball& b, int heading) {
    if (b.speed < 750) b.speed = 750;
    SetVelocityFromHeading(b, heading);
}

void ClampBallSpeedKeepAngle(int i) {
    Ball& b = balls[i];
    int32_t bearing, distance;
    AngleAndDistance(0, 0, b.vx, b.vy, bearing, distance);
    if (b.speed < 750) b.speed = 750;
    SetVelocityFromHeading(b, WrapAngle(bearing - 90));
}

void BounceBallOffMap(int i) { BounceBallOffMap(balls[i]); }

void BounceBallOffMap(Ball& b) {
    const int32_t cx = PixelOf(b.x), cy = PixelOf(b.y);
    // The half-widths of the rows of a disc of radius 6, rows -5..5.
    static const auto discRows = [] {
        std::array<int, 11> rows{};
        for (int dy = -5; dy <= 5; ++dy) rows[dy + 5] = static_cast<int>(std::trunc(std::sqrt(36.0 - dy * dy)));
        return rows;
    }();
    int32_t sx = 0, sy = 0;
    for (int dy = -5; dy <= 5; ++dy) {
        const int r = discRows[dy + 5];
        for (int dx = -r; dx <= r; ++dx) {
            const int32_t x = cx + dx, y = cy + dy;
            if (x > kRightExit || x < 0 || y < 0 || getPixel(collisionMap, x, y) != 0) {
                sx += dx;
                sy += dy;
            }
        }
    }
    if (sx == 0 && sy == 0) return;
    // The sums point toward the solid mass: reflect the velocity about that normal.
    int32_t bearing, distance;
    AngleAndDistance(0, 0, sx, sy, bearing, distance);
    const int n = WrapAngle(bearing - 90);
    const int64_t d = static_cast<int64_t>(b.vx) * ((cosTable[n] * 10) >> 8) +
                      static_cast<int64_t>(b.vy) * ((sinTable[n] * 10) >> 8);
    b.vx -= static_cast<int32_t>(((2 * d * cosTable[n]) >> 8) / 10);
    b.vy -= static_cast<int32_t>(((2 * d * sinTable[n]) >> 8) / 10);
    NormaliseBallVelocity(b);
}

void UnstickBall(int i) {
    Ball& b = balls[i];
    const int32_t bx = PixelOf(b.x), by = PixelOf(b.y);
    if (ProbesFree(bx, by)) return;
    for (int a = 3; a <= 31; ++a) {
        const int r = (a >> 2) + 1;
        const int ox = Rand() % (2 * r + 1) - r;
        const int oy = Rand() % (2 * r + 1) - r;
        if (ProbesFree(bx + ox, by + oy)) {
            b.x = b.prevX = b.x + ox * 1024;
            b.y = b.prevY = b.y + oy * 1024;
            return;
        }
    }
}

bool AdvanceBall(Ball& b) {
    if (slowMotionDivisor > 0) {
        b.x += b.vx / slowMotionDivisor;
        b.y += b.vy / slowMotionDivisor;
    } else {
        b.x += b.vx;
        b.y += b.vy;
    }
    return PixelOf(b.x) > kRightExit || b.x < 0 || b.y < 0 || PixelOf(b.y) > collisionMap->height - 1;
}

void UpdateBalls() {
    // Round-robin nudge: frees balls that run exactly straight.
    if (++nudgeIndex >= ballCount) nudgeIndex = 0;
    if (ballCount > 0) {
        Ball& b = balls[nudgeIndex];
        if (b.vx == 0) b.vx = (Rand() & 7) - 3;
        if (b.vy == 0) b.vy = (Rand() & 7) - 3;
    }
    homingPullStale = true;
    // A removed ball's slot is taken by the last ball, which is then moved in
    // its place: every ball moves exactly once.
    for (int i = 0; i < ballCount;) {
        if (MoveBall(i) == Step::Kept) ++i;
    }
}

void ResetBalls() {
    ballCount = 0;
    nudgeIndex = 0;
    slowMotionDivisor = 0;
}

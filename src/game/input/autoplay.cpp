#include "game/input/autoplay.h"

#include <algorithm>
#include <cstdlib>

#include "game/flow/game_state.h"
#include "game/play/balls.h"
#include "game/play/blocks.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/playfield.h"
#include "game/play/power_ups.h"
#include "game/play/tables.h"
#include "shell/events.h"

int32_t autoplayEnabled = 0;
int32_t autoplayBallsLost = 0;
int32_t autoplayCapsulesCaught = 0;

namespace {
constexpr int kFar = 1 << 30;

struct Seen {
    int32_t startX, startY, type, x, y;
};
Seen seenCapsules[kMaxFallingPowerUps];
int seenCount = 0;
int32_t lastBallCount = 0;
int32_t aimCounter = 0;     // moves on at every return of the followed ball
int32_t followedVy = 0;     // vertical direction of the followed ball last pass
int32_t lastTargetX = -1, lastTargetY = -1;
int32_t stuckTicks = 0;
int32_t lastPaddleX = 0, lastPaddleY = 0;

// True where a ball would bounce: blocks, walls and settled debris. Sand lets
// balls through, and outside the map counts as solid.
bool BallSolid(int32_t px, int32_t py) {
    if (px < 0 || py < 0 || px >= collisionMap->width || py >= collisionMap->height) return true;
    const uint16_t c = getPixel(collisionMap, px, py);
    return (c >> 11) != 0 || (c & 31) != 0;
}

// Where ball i will cross the paddle line, and after how many ticks: the ball is
// followed tick by tick through the map, turning back off what it meets. A ball
// that does not come down within the look-ahead counts as arriving late, above
// where it is now.
void PredictArrival(int i, int32_t lineY, int32_t& arriveX, int32_t& ticks) {
    const Ball& b = balls[i];
    int64_t x = b.x, y = b.y, vx = b.vx, vy = b.vy;
    for (ticks = 0; ticks < 400; ++ticks) {
        if (vy > 0 && (y >> 10) >= lineY) {
            arriveX = static_cast<int32_t>(x >> 10);
            return;
        }
        const int64_t nx = x + vx, ny = y + vy;
        const int32_t px = static_cast<int32_t>(nx >> 10), py = static_cast<int32_t>(ny >> 10);
        if (py < lineY && BallSolid(px, py)) {
            const bool side = BallSolid(px, static_cast<int32_t>(y >> 10));
            const bool above = BallSolid(static_cast<int32_t>(x >> 10), py);
            if (side || !above) vx = -vx;  // a corner turns both
            if (above || !side) vy = -vy;
            continue;
        }
        x = nx;
        y = ny;
    }
    arriveX = b.x >> 10;
    ticks = kFar / 2;
}

// Follows a bounce leaving (x, y) at heading 270 + 3 * step through the collision
// map, reflecting off walls a few times. Returns the length of the path to the
// first destructible block it meets, or kFar when it meets none.
int32_t TraceBounce(int32_t x, int32_t y, int32_t step) {
    const int heading = 270 + 3 * step;
    double dx = cosTable[heading % 360] / 256.0, dy = sinTable[heading % 360] / 256.0;
    double fx = x, fy = y;
    int reflections = 0;
    auto solid = [](double px, double py) { return BallSolid(static_cast<int32_t>(px), static_cast<int32_t>(py)); };
    for (int length = 0; length < 1200; ++length) {
        const double nx = fx + dx, ny = fy + dy;
        if (solid(nx, ny)) {
            const int ix = static_cast<int>(nx), iy = static_cast<int>(ny);
            if (ix >= 0 && iy >= 0 && ix < collisionMap->width && iy < collisionMap->height) {
                const int j = FindBlockAt(ix, iy);
                if (j >= 0 && levelBlocks[j].kind != 0) return length;
            }
            if (++reflections > 3) return kFar;
            if (solid(nx, fy)) dx = -dx;
            if (solid(fx, ny)) dy = -dy;
            continue;
        }
        fx = nx;
        fy = ny;
    }
    return kFar;
}

// The paddle position that sends a ball arriving at arriveX on the shortest
// path to a destructible block. When no bounce reaches one directly, the angle
// changes at every return of the ball so that the field gets explored.
int32_t AimedPaddleX(int32_t arriveX, int32_t lineY) {
    const int32_t scale = std::max(paddleHalfWidth, int32_t{20});
    // Stay well inside the paddle so that a small misjudgement still meets it.
    const int32_t margin = std::max(int32_t{1}, paddleHalfWidth - 5);
    const int32_t maxStep = std::min(int32_t{16}, margin * 20 / scale);
    int32_t bestStep = 0, bestLength = kFar;
    for (int32_t step = -maxStep; step <= maxStep; ++step) {
        const int32_t length = TraceBounce(arriveX, lineY - 3, step);
        if (length < bestLength) {
            bestLength = length;
            bestStep = step;
        }
    }
    if (bestLength == kFar) bestStep = (aimCounter * 7) % (2 * maxStep + 1) - maxStep;
    // The smallest pixel offset whose bounce step, (offset * 20) / scale, is bestStep.
    const int32_t size = (std::abs(bestStep) * scale + 19) / 20;
    const int32_t offset = std::clamp(bestStep < 0 ? -size : size, -margin, margin);
    return arriveX - offset;
}

void CountLostBallsAndCaughtCapsules() {
    if (lastBallCount > 0 && ballCount == 0 && !OnlyIndestructibleLeft()) ++autoplayBallsLost;
    lastBallCount = ballCount;
    for (int s = 0; s < seenCount; ++s) {
        bool stillFalling = false;
        for (int i = 0; i < fallingPowerUpCount && !stillFalling; ++i)
            stillFalling = fallingPowerUps[i].prevX == seenCapsules[s].startX &&
                           fallingPowerUps[i].prevY == seenCapsules[s].startY &&
                           fallingPowerUps[i].type == seenCapsules[s].type;
        const Seen& c = seenCapsules[s];
        if (!stillFalling && c.y <= collisionMap->height && std::abs(c.y - paddleY) < 24 &&
            std::abs(c.x - paddleX) < paddleHalfWidth + 16)
            ++autoplayCapsulesCaught;
    }
    seenCount = 0;
    for (int i = 0; i < fallingPowerUpCount; ++i) {
        const FallingPowerUp& f = fallingPowerUps[i];
        seenCapsules[seenCount++] = Seen{f.prevX, f.prevY, f.type, f.x >> 10, f.y >> 10};
    }
}

// Adjusts the target for capsules: reaches for a helpful one when no ball needs
// the paddle soon, and steps aside from a harmful one about to land on it.
void ConsiderCapsules(int32_t ballTicks, int32_t ballX, int32_t& targetX) {
    const int32_t reach = paddleHalfWidth + 6;
    for (int i = 0; i < fallingPowerUpCount; ++i) {
        const FallingPowerUp& f = fallingPowerUps[i];
        const int32_t fx = f.x >> 10, fy = f.y >> 10;
        if (fy > paddleY + 8 || f.vy <= 0) continue;
        const int32_t ticks = ((paddleY - fy) << 10) / std::max(f.vy, int32_t{256});
        if (HarmfulPowerUp(f.type)) {
            if (ticks < 40 && std::abs(fx - targetX) < reach + 10) {
                const int32_t side = fx < targetX ? 1 : -1;
                const int32_t dodge = fx + side * (reach + 12);
                // Keep the ball on the paddle while stepping aside.
                if (ballTicks > 60 || std::abs(dodge - ballX) < paddleHalfWidth - 2) targetX = dodge;
            }
        } else if (ticks < ballTicks - 20 &&
                   std::abs(fx - ballX) < 4 * std::min(ballTicks - ticks, int32_t{1000}) + paddleHalfWidth) {
            targetX = fx;
        }
    }
}

void SendPointer(int32_t x, int32_t y) {
    x = std::clamp(x, int32_t{0}, collisionMap->width - 1);
    y = std::clamp(y, int32_t{0}, collisionMap->height - 1);
    if (x == lastTargetX && y == lastTargetY && steerByMouse) return;
    lastTargetX = x;
    lastTargetY = y;
    TranslateInput(MsgMouseMove, 0, PointerParam(x + playfieldLeft, y + playfieldTop), 0);
}
}  // namespace

bool HarmfulPowerUp(int type) {
    switch (type) {
        case PowerNarrowPaddle: case PowerFastBalls: case PowerSluggishPaddle: case PowerLoseBalls:
        case PowerFrozenPaddle: case PowerLowerZone:
            return true;
        default:
            return false;
    }
}

void ResetAutoplay() {
    autoplayBallsLost = autoplayCapsulesCaught = 0;
    seenCount = 0;
    lastBallCount = aimCounter = followedVy = stuckTicks = 0;
    lastTargetX = lastTargetY = -1;
}

void RunAutoplay() {
    if (!autoplayEnabled || currentMode != ModePlay || !collisionMap) return;
    CountLostBallsAndCaughtCapsules();
    // A hint holds the serve back; a click sends it on its way, as a player would.
    if (hintsEnabled == 1 && serveTimer > 300) {
        const uint32_t middle = PointerParam(playfieldLeft + collisionMap->width / 2, playfieldTop + collisionMap->height / 2);
        TranslateInput(MsgLeftDown, MouseFlagLeft, middle, 0);
        TranslateInput(MsgLeftUp, 0, middle, 0);
    }

    const int32_t lineY = paddleY - 3;
    int32_t targetX = collisionMap->width / 2, ballTicks = kFar, ballX = targetX;
    int follow = -1;
    for (int i = 0; i < ballCount; ++i) {
        int32_t x, t;
        PredictArrival(i, lineY, x, t);
        if (t < ballTicks) {
            ballTicks = t;
            ballX = x;
            follow = i;
        }
    }
    if (follow >= 0) {
        const int32_t vy = balls[follow].vy;
        if (followedVy > 0 && vy < 0) ++aimCounter;
        followedVy = vy;
        targetX = AimedPaddleX(ballX, lineY);
    }
    ConsiderCapsules(ballTicks, ballX, targetX);

    // Boxed in: the paddle has not moved for a while though it should. Keep
    // pushing sideways while aiming alternately above and below the paddle;
    // pushing into sand digs through it.
    int32_t targetY = BottomLimit();
    const bool moved = paddleX != lastPaddleX || paddleY != lastPaddleY;
    lastPaddleX = paddleX;
    lastPaddleY = paddleY;
    stuckTicks = (!moved && std::abs(targetX - paddleX) > 3) ? stuckTicks + 1 : 0;
    if (stuckTicks > 20) targetY = paddleY - 20 + (stuckTicks & 32);
    SendPointer(targetX, targetY);
}

#include "app/autoplay.h"

#include <algorithm>
#include <cstdlib>

#include "game/game_state.h"
#include "game/play/autoplay_ghost.h"
#include "game/play/balls.h"
#include "game/play/blocks.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/playfield.h"
#include "game/play/power_ups.h"
#include "app/events.h"

int32_t autoplayEnabled = 0;
int32_t autoplayBallsLost = 0;
int32_t autoplayCapsulesCaught = 0;

namespace {
constexpr int32_t kFar = 1 << 30;
// Bounce scores: the steps to a breakable block, or one of these.
constexpr int32_t kScoreMiss = 1 << 22;             // plus 16 for every pixel it stays away
constexpr int32_t kScoreCaught = kScoreMiss + (1 << 21);  // neither hits nor comes back
constexpr int32_t kScoreLost = 2 * kScoreMiss;

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
struct AimKey {
    int32_t arriveX, x, vx, vy, lineY, halfWidth, breakable, counter, late;
    bool operator==(const AimKey&) const = default;
};
AimKey aimKey{};
int32_t lastPaddleX = 0, lastPaddleY = 0;

// Ball steps per tick: every fast-balls entry runs the ball update once more
// for each entry.
int32_t StepsPerTick() { return 1 + powerUpCount[PowerFastBalls] * powerUpCount[PowerFastBalls]; }

// Where ball i will come down to the paddle line, and after how many ticks. A
// ball that does not come down within the look-ahead counts as arriving late.
void PredictArrival(int i, int32_t lineY, int32_t maxSteps, int32_t& arriveX, int32_t& ticks, Ball& arriving) {
    const GhostRun run = RunGhost(balls[i], lineY, maxSteps, GhostBlocks::Bounce);
    arriving = run.ball;
    arriveX = run.ball.x >> 10;
    ticks = run.end == GhostEnd::PaddleLine ? run.steps / StepsPerTick() : kFar / 2;
}

struct Shot {
    int32_t x, y, score;
    Ball launch;  // the ball as it leaves the paddle
};

// How good a bounce is: the ghost leaves the paddle offset pixels from its
// centre. Reaching a breakable block counts the steps taken; a bounce that
// reaches none counts how near it came, far behind any that does. Worse still
// is a ball that neither hits nor comes back, as it may be caught bouncing in
// a pocket for good, and worst a ball lost into a pit.
Shot BounceShot(const Ball& arriving, int32_t x, int32_t lineY, int32_t offset, int32_t price) {
    Ball b = arriving;
    SetPaddleBounceVelocity(b, offset);
    b.x += b.vx;
    b.y = (lineY - 6) * 1024;
    const GhostRun run = RunGhost(b, lineY, 1500, GhostBlocks::Stop);
    Shot shot{x, lineY, 0, b};
    switch (run.end) {
        case GhostEnd::Block: shot.score = run.steps; break;
        case GhostEnd::Lost: shot.score = kScoreLost; break;
        case GhostEnd::TimeOut: shot.score = kScoreCaught; break;
        default: shot.score = kScoreMiss + std::min(run.closest, kNoPath - 1) * 16;
    }
    shot.score += price;
    return shot;
}

// How long a bounce keeps the ball up: the most steps, over the bounce and
// copies of it a pixel off (a ball freed from inside a block lands a pixel or
// so off), until the ball comes back down, breaking blocks on its way. A ball
// that goes ten seconds without coming back or breaking anything is caught in
// a pocket: kFar.
int32_t StepsToComeBack(const Shot& shot) {
    static const int32_t nudges[5][2] = {{0, 0}, {1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    int32_t longest = 0;
    for (const auto& n : nudges) {
        Ball b = shot.launch;
        b.x += n[0] * 1024;
        b.y += n[1] * 1024;
        const GhostRun run = RunGhost(b, shot.y, 2400, GhostBlocks::Break);
        if (run.end == GhostEnd::TimeOut && run.steps - run.lastHit > 600) return kFar;
        longest = std::max(longest, run.steps);
    }
    return longest;
}

constexpr int kMaxShots = 11 * 39;

// Adds the bounces the paddle can give on the line lineY to a ball arriving
// there at arriveX after the given ticks: one for each bounce angle that a
// paddle moving from where it is now can still reach. A raised line pays a
// small price, as it leaves less time for the other balls.
void AddShots(const Ball& arriving, int32_t arriveX, int32_t ticks, int32_t lineY, int32_t price, Shot* shots, int& count) {
    const int32_t scale = std::max(paddleHalfWidth, int32_t{20});
    // Keep a couple of pixels from the paddle's ends, in case the ball comes down a little off.
    const int32_t margin = std::max(int32_t{1}, paddleHalfWidth - 2);
    const int64_t reach = int64_t{paddleMaxStep} * ticks - 2;
    for (int32_t step = -19; step <= 19; ++step) {
        // The middle of the pixel offsets whose bounce step, (offset * 20) / scale, is step.
        const int32_t size = ((2 * std::abs(step) + 1) * scale) / 40;
        const int32_t offset = step < 0 ? -size : size;
        if (std::abs(offset) > margin || (offset * 20) / scale != step) continue;
        const int64_t dx = arriveX - offset - paddleX, dy = lineY - paddleY;
        if (price > 0 && dx * dx + dy * dy > reach * reach) continue;
        shots[count++] = BounceShot(arriving, arriveX - offset, lineY, offset, price);
    }
}

// Where the paddle should meet the followed ball: at the bounce that reaches a
// breakable block soonest, on the paddle's own line or, when no bounce from
// there reaches one, a little higher up the zone. When none reaches one at all,
// the bounces that come nearest take turns, one at every return of the ball, so
// that a way in gets found.
Shot ChooseShot(int follow, const Ball& arriving, int32_t arriveX, int32_t ticks, int32_t lineY) {
    Shot shots[kMaxShots];
    int count = 0;
    AddShots(arriving, arriveX, ticks, lineY, 0, shots, count);
    const auto best = [&] {
        int32_t b = kFar;
        for (int k = 0; k < count; ++k) b = std::min(b, shots[k].score);
        return b;
    };
    for (int32_t raise = 10; raise <= 100 && best() >= kScoreMiss && lineY - raise >= ZoneTop(); raise += 10) {
        const GhostRun run = RunGhost(balls[follow], lineY - raise, ticks * StepsPerTick(), GhostBlocks::Bounce);
        if (run.end == GhostEnd::PaddleLine)
            AddShots(run.ball, run.ball.x >> 10, run.steps / StepsPerTick(), lineY - raise, raise, shots, count);
    }
    if (count == 0) return Shot{arriveX, lineY, kFar, arriving};
    // The quickest hits are weighed with what follows them: the longer the ball
    // stays up, the likelier it gets caught in a pocket, and a bounce that gets
    // it caught is never chosen. The other hits wait behind them.
    Shot* order[kMaxShots];
    int hits = 0;
    for (int k = 0; k < count; ++k)
        if (shots[k].score < kScoreMiss) order[hits++] = &shots[k];
    const int checked = std::min(hits, 6);
    std::partial_sort(order, order + checked, order + hits, [](const Shot* a, const Shot* b) { return a->score < b->score; });
    for (int k = 0; k < hits; ++k) {
        const int32_t back = k < checked ? StepsToComeBack(*order[k]) : 0;
        order[k]->score = back == kFar ? kScoreCaught : order[k]->score + (k < checked ? back / 4 : kScoreMiss / 2);
    }
    const int32_t lowest = best();
    int near[kMaxShots], nearCount = 0;
    for (int k = 0; k < count; ++k)
        if (shots[k].score == lowest || (lowest >= kScoreMiss && shots[k].score <= lowest + 64)) near[nearCount++] = k;
    return shots[near[(aimCounter * 7) % nearCount]];
}

Shot aim{};
int32_t restY = 0;  // the paddle line while no raised bounce is planned

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
    aimKey = AimKey{};
    aim = Shot{0, 0, kFar, Ball{}};
    restY = paddleY;
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

    RefreshBlockDistances();
    const int32_t lineY = restY;
    int32_t targetX = collisionMap->width / 2, ballTicks = kFar, ballX = targetX;
    int follow = -1;
    Ball arriving{}, ghost{};
    // Many balls share a budget of look-ahead steps; each looks no further
    // than the quickest arrival so far.
    int32_t budget = 40000;
    for (int i = 0; i < ballCount && budget > 0; ++i) {
        const int32_t steps = std::min({budget, int32_t{900}, ballTicks * StepsPerTick()});
        budget -= steps;
        int32_t x, t;
        PredictArrival(i, lineY, steps, x, t, ghost);
        if (t < ballTicks) {
            ballTicks = t;
            ballX = x;
            follow = i;
            arriving = ghost;
        }
    }
    if (follow >= 0) {
        const int32_t vy = balls[follow].vy;
        if (followedVy > 0 && vy < 0) ++aimCounter;
        followedVy = vy;
        // The aim is worked out again only when the arrival or the blocks change,
        // and once more shortly before the ball arrives, as settled debris may
        // have changed the field since.
        const AimKey key{ballX, arriving.x, arriving.vx, arriving.vy, lineY, paddleHalfWidth,
                         levelBlockCount - indestructibleCount, aimCounter, ballTicks <= 40};
        if (ballTicks > 150) {
            aim = Shot{ballX, BottomLimit(), kFar, arriving};
            aimKey = AimKey{};
        } else if (!(key == aimKey)) {
            aimKey = key;
            aim = ChooseShot(follow, arriving, ballX, ballTicks, lineY);
        }
    } else {
        aim = Shot{targetX, BottomLimit(), kFar, arriving};
    }
    targetX = aim.x;
    // A planned raised bounce sets the height; otherwise the paddle rests at the bottom.
    if (aim.y == lineY) aim.y = BottomLimit();
    if (aim.y >= BottomLimit()) restY = paddleY;
    ConsiderCapsules(ballTicks, ballX, targetX);

    // Boxed in: the paddle has not moved for a while though it should. Keep
    // pushing sideways while aiming alternately above and below the paddle;
    // pushing into sand digs through it.
    int32_t targetY = aim.y;
    const bool moved = paddleX != lastPaddleX || paddleY != lastPaddleY;
    lastPaddleX = paddleX;
    lastPaddleY = paddleY;
    stuckTicks = (!moved && std::abs(targetX - paddleX) > 3) ? stuckTicks + 1 : 0;
    if (stuckTicks > 20) targetY = paddleY - 20 + (stuckTicks & 32);
    SendPointer(targetX, targetY);
}

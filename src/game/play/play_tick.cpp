#include "game/play/play_tick.h"

#include <algorithm>

#include "game/game_state.h"
#include "game/play/balls.h"
#include "game/play/blocks.h"
#include "game/play/debris.h"
#include "game/play/explosions.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/playfield.h"
#include "game/play/power_ups.h"
#include "gfx/blit.h"
#include "gfx/display.h"
#include "shell/random.h"
#include "sound/mixer.h"
#include "shell/platform.h"

namespace {
int32_t ZoneFromPowerUps() {
    return BaseZoneHeight() + 20 * powerUpCount[PowerRaiseZone] - 20 * powerUpCount[PowerLowerZone];
}

// Lifts the paddle out of whatever fills the bottom of the field, granting
// zone raises when it reaches the zone's top.
void RaisePaddleUntilFree() {
    const int32_t h = collisionMap->height;
    for (;;) {
        const bool free = PaddleRowFree();
        --paddleY;
        bool stuck = false;
        while (paddleY <= ZoneTop() && !stuck) {
            const int16_t before = powerUpCount[PowerRaiseZone];
            ApplyPowerUp(PowerRaiseZone);
            // A full active list records no grant: the zone cannot rise further.
            stuck = powerUpCount[PowerRaiseZone] == before;
            paddleZoneHeight = paddleTargetZoneHeight = ZoneFromPowerUps();
            paddleZoneHeight = std::min(paddleZoneHeight, h - 5);
        }
        if (free || paddleY <= 50 || stuck) break;
    }
    paddleFixedY = paddleY * 1024;
}

int32_t Serve() {
    serveTimer = 200;
    if (lives == 0) return ModeGameOver;
    CentrePaddle();
    SpawnServeBall();
    RaisePaddleUntilFree();
    ClearBadPowerUps();
    if (optUnlimitedLives == 0) --lives;
    ComposePlayfield();
    return ModePlay;
}

// Balls left at the end of a level are cashed in one by one.
int32_t CashIn() {
    if ((tickCounter & 3) == 0) {
        if (activePowerUpCount > 0) RemoveActivePowerUp(0);
        if (ballCount > 0) {
            const int32_t bx = balls[0].x >> 10, by = balls[0].y >> 10;
            const uint16_t colour = BallColour();
            for (int n = 0; n < 20; ++n) {
                const int32_t vy = (Rand() & 1023) * 8 - 4096;
                const int32_t vx = (Rand() & 1023) * 8 - 4096;
                AddDebris(bx, by, vx, vy, DebrisSolid, colour);
            }
            score += 100 / ballCount;
            RemoveBall(0);
            playSound(SoundGeneral8);
        }
    }
    if (serveTimer > -200) serveTimer -= 2;
    return debrisCount == 0 ? ModeLevelComplete : ModePlay;
}

void RunGameplayParts() {
    const int s = powerUpCount[PowerSlowMotion];
    if (s < 1) {
        slowMotionDivisor = 0;
        UpdateDebris();
        UpdateExplosions();
        if (serveTimer < 1) {
            UpdateBalls();
            UpdatePowerUps();
            UpdateFallingPowerUps();
        }
        return;
    }
    slowMotionDivisor = 1 << s;
    UpdateDebris();
    UpdateExplosions();
    if (serveTimer < 1) {
        UpdateBalls();
        UpdateFallingPowerUps();
    }
    if (((tickCounter >> (s - 1)) & 1) == 0) UpdatePowerUps();
}
}  // namespace

void SpawnServeBall() {
    const int32_t h = collisionMap->height;
    const int32_t z = std::max(0, powerUpCount[PowerRaiseZone] - powerUpCount[PowerLowerZone]);
    const int32_t y = std::max(20, h - 125 - 7 * difficulty - 20 * z);
    const int32_t vx = (Rand() & 1023) - 512;
    const int32_t x = collisionMap->width / 2 - 64 + (Rand() & 127);
    if (AddBall(x, y, vx, 512)) NormaliseBallVelocity(ballCount - 1);
}

void PrepareLevelPlay() {
    ResetPowerUps();
    waitForButtonRelease = 0;
    digAllowTimer = 0;
    LoadLevel(currentLevel);
    if (sceneryPristine) removeSurface(sceneryPristine);
    sceneryPristine = createSurface(sceneryView->width, sceneryView->height);
    centerSurface(sceneryPristine, sceneryView);
    if (playfieldImage) removeSurface(playfieldImage);
    playfieldImage = createSurface(sceneryView->width, sceneryView->height);
    CentrePaddle();
    SetCursorPosition(paddleX + playfieldLeft, paddleY + playfieldTop);
    SpawnServeBall();
    while (!PaddleRowFree() && paddleY > ZoneTop()) --paddleY;
    paddleFixedY = paddleY * 1024;
    paddleZoneHeight = paddleTargetZoneHeight = BaseZoneHeight();
    serveTimer = hintsEnabled ? 1000 : 200;
    ComposePlayfield();
    const int32_t bottom = collisionMap->height - 1;
    for (int x = 0; x < collisionMap->width; ++x) putPixel(collisionMap, x, bottom, kCyan);
}

int32_t PlayTick(void (*frameStep)()) {
    const int32_t oldX = paddleX, oldY = paddleY;
    paddleVelX >>= 1;
    paddleVelY >>= 1;
    if (frameStep) frameStep();
    digAllowTimer = (ballCount > 0 || fallingPowerUpCount > 0) ? 0 : digAllowTimer - 1;

    int32_t next = ModePlay;
    if (!OnlyIndestructibleLeft()) {
        if (ballCount == 0 && serveTimer < -249 && debrisCount == 0) next = Serve();
    } else {
        next = CashIn();
    }
    if (serveTimer > -200 || (serveTimer > -400 && ballCount == 0)) serveTimer -= 2;

    EasePaddleWidth();
    EaseZoneHeight();
    SteerPaddle();
    ClampPaddle();
    RunGameplayParts();

    if (paddleX == oldX) paddleVelX = 0;
    if (paddleY == oldY) paddleVelY = 0;
    paddleHistoryX[paddleHistoryIndex] = paddleX;
    paddleHistoryY[paddleHistoryIndex] = paddleY;
    paddleHistoryIndex = (paddleHistoryIndex + 1) % kPaddleHistory;
    return next;
}

void ResetPlay() {
    ResetBalls();
    ResetDebris();
    ResetExplosions();
    ResetBlocks();
    ResetPowerUps();
    ResetPaddle();
}

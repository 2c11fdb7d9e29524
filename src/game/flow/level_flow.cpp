#include "game/flow/level_flow.h"

#include "game/flow/choose_level.h"
#include "game/game_state.h"
#include "game/flow/hints.h"
#include "game/flow/play_screen.h"
#include "game/play/balls.h"
#include "game/play/blocks.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/play_tick.h"
#include "gfx/assets.h"
#include "gfx/blit.h"
#include "gfx/display.h"
#include "shell/random.h"
#include "shell/platform.h"

namespace {
// Moves a quarter of the way towards the target.
void ApproachPoint(int32_t& x, int32_t& y, int32_t tx, int32_t ty) {
    x += (tx - x) >> 2;
    y += (ty - y) >> 2;
}

void StepHintBox() {
    if (serveTimer <= 0) return;
    if (serveTimer < 300) hintLeaving = 1;
    const int32_t tx = (collisionMap->width >> 1) - (hintWidth >> 1);
    ApproachPoint(hintX, hintY, tx, hintLeaving ? -(hintHeight + 50) : 100);
}

void StepShake() {
    if (shakeAmount <= 0) return;
    shakeX = Rand() % shakeAmount;
    shakeY = Rand() % shakeAmount;
    if (Rand() & 1) shakeX = -shakeX;
    if (Rand() & 1) shakeY = -shakeY;
    if ((tickCounter & 7) == 0) shakeAmount -= 1;
    if (shakeAmount < 1) shakeAmount = shakeX = shakeY = 0;
}
}  // namespace

void PlayFrameStep() {
    StepHintBox();
    StepShake();
}

int32_t UpdateNewGame() {
    lives = 5;
    serveTimer = 200;
    paddleHalfWidth = paddleTargetHalfWidth = 20 - 2 * difficulty + optFatPaddle;
    score = 0;
    steerHoldRamp = 0;
    return ModeLevelStart;
}

void EnterLevelStart() {
    hintLeaving = 0;
    hintX = 220;
    hintY = -(hintHeight + 50);
    hintWidth = 200;
    if (!optUnlockAllLevels) LevelProgressRow(difficulty)[currentLevel] = 1;
    shakeAmount = shakeX = shakeY = 0;
    slowMotionDivisor = 0;
    PrepareLevelPlay();
    gameInProgress = 1;
    panelScore = panelLevel = panelLives = -1;
}

void EnterPlay() {
    HideCursor();
    panelScore = panelLevel = panelLives = -1;
    musicWanted = (currentLevel + 1) % 6;
    centerSurface(backSurface, titleBackPicture);
    ComposePlayfield();
    drawSprite(backSurface, playfieldRect.x + shakeX, playfieldRect.y + shakeY, playfieldImage->width,
               playfieldImage->height, playfieldImage, 0, 0, BlitCopy);
    DrawWholeSidePanel();
    PresentFull(backSurface);
}

int32_t UpdatePlay() { return PlayTick(PlayFrameStep); }

void EnterLevelComplete() {
    EndGameInProgress();
    currentLevel += 1;
}

int32_t UpdateLevelComplete() { return currentLevel < levelCount ? ModeLevelStart : ModeGameOver; }

#include "game/flow/play_screen.h"

#include <cstdio>

#include "game/game_state.h"
#include "game/flow/hints.h"
#include "game/layout.h"
#include "game/flow/screen_text.h"
#include "game/play/balls.h"
#include "game/play/blocks.h"
#include "game/play/debris.h"
#include "game/play/explosions.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/power_ups.h"
#include "gfx/assets.h"
#include "gfx/blit.h"
#include "gfx/display.h"
#include "shell/catalogue.h"
#include "shell/random.h"

int32_t panelScore = -1, panelLevel = -1, panelLives = -1;

namespace {
void DrawPanelNumber(int32_t value, int cx, int baseline) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    DrawScreenText(backSurface, text, cx, baseline, 2, TextCentred);
}

void CopyFromTitle(int x, int y, int w, int h) { drawSprite(backSurface, x, y, w, h, titleBackPicture, x, y, BlitCopy); }

void DrawSidePanel() {
    using namespace layout;
    if (score != panelScore) {
        CopyFromTitle(kSidePanelX, kScoreStripY, kSidePanelWidth, kScoreStripHeight);
        DrawPanelNumber(score, kScoreCentreX, kScoreBaseline);
        scorePanelRefresh = 1;
        panelScore = score;
    }
    if (currentLevel != panelLevel || lives != panelLives) {
        DrawWholeSidePanel();
        scorePanelRefresh = 2;
    }
}

// The line that marks the top of the paddle band, sparking where the paddle
// touches it.
void DrawBandLine() {
    const int b = collisionMap->height - paddleZoneHeight;
    for (int x = 0; x < collisionMap->width; ++x) {
        if (getPixel(collisionMap, x, b) != 0) continue;
        lightenPixel(backSurface, x + playfieldRect.x, b + playfieldRect.y, 5);
        if (paddleY - b < 2) {
            int y = b + playfieldRect.y + Rand() % 5 - 2;
            lightenPixel(backSurface, x + playfieldRect.x, y, Rand() & 31);
        }
    }
}

bool BreakableBlocksLeft() { return !OnlyIndestructibleLeft(); }

void DrawPlayMessages() {
    const int cx = playfieldRect.x + playfieldImage->width / 2;
    const int messageY = playfieldRect.y + playfieldImage->height - 120;
    if (!BreakableBlocksLeft()) DrawScreenText(backSurface, Tr("Level Complete!"), cx, playfieldRect.y + 65, 0, TextCentred, true);
    if (serveTimer > 50 && serveTimer < 350) DrawScreenText(backSurface, Tr("Get Ready!"), cx, messageY, 0, TextCentred, true);
    // While a hint holds the serve back, a click cuts the wait short: say so.
    if (hintsEnabled && serveTimer > kHintWaitCutTo) {
        DrawSmallTextCentred(backSurface, Tr("Click to start now"), cx + 1, messageY + 17, 0);
        DrawSmallTextCentred(backSurface, Tr("Click to start now"), cx, messageY + 16, packColour(31, 31, 31));
    }
    if (serveTimer < -200 && ballCount == 0 && BreakableBlocksLeft())
        DrawScreenText(backSurface, Tr("Doh!!"), cx, messageY, 0, TextCentred, true);
}
}  // namespace

void DrawWholeSidePanel() {
    using namespace layout;
    CopyFromTitle(kSidePanelX, kSidePanelY, kSidePanelWidth, kSidePanelHeight);
    DrawPanelNumber(score, kScoreCentreX, kScoreBaseline);
    DrawPanelNumber(currentLevel + 1, kLevelCentreX, kLevelLivesBaseline);
    DrawPanelNumber(lives, kLivesCentreX, kLevelLivesBaseline);
    panelScore = score;
    panelLevel = currentLevel;
    panelLives = lives;
}

int32_t DrawPlay() {
    drawSprite(backSurface, playfieldRect.x + shakeX, playfieldRect.y + shakeY, playfieldImage->width,
               playfieldImage->height, playfieldImage, 0, 0, BlitCopy);
    DrawBandLine();
    DrawSidePanel();
    DrawExplosions();
    DrawDebris();
    DrawBalls();
    DrawPaddle();
    for (int i = 0; i < fallingPowerUpCount; ++i) {
        const FallingPowerUp& p = fallingPowerUps[i];
        DrawPowerUpIcon(backSurface, (p.x >> 10) + playfieldRect.x, (p.y >> 10) + playfieldRect.y, p.age,
                        p.type);
    }
    for (int i = 0; i < activePowerUpCount; ++i)
        DrawPowerUpIcon(backSurface, 38, 38 + 24 * i, activePowerUps[i].ticks, activePowerUps[i].type);
    DrawPaddleEffects();
    DrawPlayMessages();
    if (hintsEnabled && serveTimer > 0) DrawHint(backSurface, hintX, hintY, currentLevel);
    return ModePlay;
}

int32_t DrawLevelStart() {
    centerSurface(backSurface, titleBackPicture);
    return ModePlay;
}

#include "game/play/blocks.h"

#include <cstring>

#include "game/game_state.h"
#include "game/play/block_set.h"
#include "game/play/debris.h"
#include "game/play/power_ups.h"
#include "gfx/assets.h"
#include "gfx/blit.h"
#include "shell/random.h"

namespace {
bool MarkersShown() { return optSeePowerUps == 1 || PowerUpActive(PowerReveal) || currentMode == ModeLevelEditor; }

void DrawEditorExtras() {
    Surface* image = playfieldImage;
    for (int x = 20; x < image->width; x += 20)
        for (int y = 0; y < image->height; ++y) lightenPixel(image, x, y, 5);
    for (int y = 20; y < image->height; y += 20)
        for (int x = 0; x < image->width; ++x) lightenPixel(image, x, y, 5);

    // The block palette runs left to right from the bottom and wraps upward.
    int x = 0, y = image->height - 20;
    for (int k = 0; k < blockDescCount; ++k) {
        const BlockDesc& d = blockDescs[k];
        if (x + d.width + 2 > image->width - 50) {
            x = 0;
            y -= 30;
        }
        for (int px = x - 2; px <= x + d.width + 1; ++px)
            for (int py = y - 2; py <= y + d.height + 1; ++py) putPixel(image, px, py, 0);
        drawSprite(image, x, y, d.width, d.height, blockSetImage, d.srcX, d.srcY, BlitKeyed);
        x += d.width + 2;
    }

    x = 12;
    y -= 12;
    for (int t = 0; t < kPowerUpTypes; ++t) {
        DrawPowerUpIcon(image, x, y, 0, t);
        x += 24;
        if (x > collisionMap->width - 24) {
            x = 12;
            y -= 16;
        }
    }
}

// Each visible pixel of a breaking block throws a particle in its own colour.
void BurstPixel(int x, int y, uint16_t colour) {
    const int32_t vy = (Rand() & 1023) * 4 - 2048;
    const int32_t vx = (Rand() & 1023) * 4 - 2048;
    AddDebris(x, y, vx, vy, DebrisSolid, colour);
}
}  // namespace

void DrawPowerUpIcon(Surface* dest, int cx, int cy, int glow, int type) {
    if (type < 0 || type >= kPowerUpTypes || !powerUpsSheet) return;
    drawSpriteParam(dest, cx - 18 + shakeX, cy - 18 + shakeY, 36, 36, powerUpsSheet, 36 * type, 72, BlitAdditive,
                    -(glow & 31));
    drawMasked(dest, cx - 18 - shakeX, cy - 18 - shakeY, 36, 36, powerUpsSheet, 36 * type, 0, powerUpsSheet, 36 * type,
               36);
}

void ComposePlayfield() {
    centerSurface(playfieldImage, sceneryView);
    for (int i = 0; i < levelBlockCount; ++i) {
        const LevelBlock& b = levelBlocks[i];
        const BlockDesc& d = BlockDescOf(b.kind);
        drawSprite(playfieldImage, b.x, b.y, b.width, b.height, blockSetImage, d.srcX, d.srcY, BlitKeyed);
        drawSpriteParam(collisionMap, b.x, b.y, b.width, b.height, blockSetImage, d.srcX, d.srcY, BlitSolid, kBlockRed);
    }
    if (MarkersShown()) {
        for (int i = 0; i < levelBlockCount; ++i) {
            const LevelBlock& b = levelBlocks[i];
            if (b.powerUp != 0) DrawPowerUpIcon(playfieldImage, b.x + b.width / 2, b.y + b.height / 2, 0, b.powerUp - 1);
        }
    }
    if (currentMode == ModeLevelEditor) DrawEditorExtras();
}

int32_t BlockScore(int width) {
    if (width >= 21) return 2;
    if (width >= 11) return 5;
    if (width >= 6) return 20;
    return 50;
}

void DestroyBlock(int i) {
    if (i < 0 || i >= levelBlockCount) return;
    const LevelBlock b = levelBlocks[i];
    const BlockDesc& d = BlockDescOf(b.kind);
    for (int u = 0; u < b.width; ++u)
        for (int v = 0; v < b.height; ++v)
            if (uint16_t c = getPixel(blockSetImage, d.srcX + u, d.srcY + v)) BurstPixel(b.x + u, b.y + v, c);
    score += BlockScore(b.width);
    if (b.powerUp != 0) DropPowerUp(b.x + b.width / 2, b.y + b.height / 2, b.powerUp - 1);
    drawSpriteParam(collisionMap, b.x, b.y, b.width, b.height, blockSetImage, d.srcX, d.srcY, BlitSolid, 0);
    for (int u = 0; u < b.width; ++u) {
        for (int v = 0; v < b.height; ++v) {
            if (uint16_t c = getPixel(blockSetImage, d.srcX + u, d.srcY + v)) {
                BurstPixel(b.x + u, b.y + v, c);
                putPixel(playfieldImage, b.x + u, b.y + v, getPixel(sceneryView, b.x + u, b.y + v));
            }
        }
    }
    if (b.kind == 0) --indestructibleCount;
    RemoveLevelBlock(i);
    if (optSeePowerUps || PowerUpActive(PowerReveal)) ComposePlayfield();
}

void ResetBlocks() {
    levelBlockCount = indestructibleCount = 0;
    blockDescCount = 0;
    std::memset(blockDescs, 0, sizeof blockDescs);
}

// Balls on screen: the sprite, the aiming line of the serve and the ghost trail
// of fast balls.
#include "game/game_state.h"
#include "game/play/balls.h"
#include "game/play/playfield.h"
#include "game/play/power_ups.h"
#include "game/play/tables.h"
#include "gfx/assets.h"
#include "gfx/blit.h"

namespace {
int BallSpriteColumn() {
    return (PowerUpActive(PowerHoming) ? 7 : 0) + (PowerUpActive(PowerFireball) ? 14 : 0);
}

// A 31-pixel line in the direction of travel with a pattern running along it.
void DrawAimingLine(const Ball& b, int bx, int by) {
    const int h = HeadingOf(b.vx, b.vy);
    for (int s = 0; s <= 62; ++s) {
        const int fade = (64 - s) >> 1;
        int v = static_cast<int>((static_cast<uint32_t>(s >> 1) - tickCounter) & 31);
        if (v > fade) v = fade;
        lightenPixel(backSurface, bx + ((s * cosTable[h]) >> 9), by + ((s * sinTable[h]) >> 9), v >> 1);
    }
}

// Copies run backward at twice the last step, fading out.
void DrawGhostTrail(const Ball& b, int bx, int by, int column, int c7) {
    const int copies = 4 * c7;
    for (int s = 0; s < copies; ++s) {
        const int x = ((b.prevX >> 9) - (b.x >> 9)) * s - 3 + bx;
        const int y = ((b.prevY >> 9) - (b.y >> 9)) * s - 3 + by;
        const int alpha = 255 - (255 / (copies + 2)) * (s + 1);
        drawSpriteParam(backSurface, x, y, 8, 8, spritesSheet, column, 32, BlitAlpha, alpha);
    }
}
}  // namespace

void DrawBalls() {
    const int column = BallSpriteColumn();
    const int c7 = powerUpCount[PowerFastBalls];
    for (int i = 0; i < ballCount; ++i) {
        const Ball& b = balls[i];
        const int bx = (b.x >> 10) + playfieldLeft, by = (b.y >> 10) + playfieldTop;
        drawSprite(backSurface, bx - 3, by - 3, 8, 8, spritesSheet, column, 32, BlitKeyed);
        if (serveTimer > 0) DrawAimingLine(b, bx, by);
        if (c7 > 0) DrawGhostTrail(b, bx, by, column, c7);
    }
}

// What the power-ups show at the paddle: the frozen, sluggish and fast icons,
// and the shimmer of the laser beams with a spark where each one ends.
#include "game/game_state.h"
#include "game/play/blocks.h"
#include "game/play/debris.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/playfield.h"
#include "game/play/powerup_effects.h"
#include "shell/random.h"

namespace {
void DrawBeam(int32_t x) {
    for (int32_t y = paddleY - 2; y >= 1; --y) {
        if (getPixel(collisionMap, x, y) == 0) {
            lightenPixel(backSurface, x + playfieldLeft, y + playfieldTop, (Rand() & 7) + 7);
            continue;
        }
        const uint16_t colour = getPixel(playfieldImage, x, y - 3);
        const int32_t vx = (Rand() & 1023) - 511;
        AddDebris(x, y + 1, vx, Rand() & 511, DebrisSpark, colour);
        return;
    }
}
}  // namespace

void DrawPaddleEffects() {
    const int32_t sx = paddleX + playfieldLeft, sy = paddleY + playfieldTop;
    if (PowerUpActive(PowerFrozenPaddle)) DrawPowerUpIcon(backSurface, sx, sy, tickCounter & 31, PowerFrozenPaddle);
    int32_t iconY = sy + 12;
    for (int type : {PowerSluggishPaddle, PowerFastPaddle}) {
        if (!PowerUpActive(type)) continue;
        DrawPowerUpIcon(backSurface, sx, iconY, tickCounter & 31, type);
        iconY += 12;
    }
    for (int k = 0; k < powerUpCount[PowerLasers]; ++k) {
        DrawBeam(LeftBeamX(k));
        DrawBeam(RightBeamX(k));
    }
}

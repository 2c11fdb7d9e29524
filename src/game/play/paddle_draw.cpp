// The paddle is cut from the level's block-set picture: a 3-pixel middle piece
// repeated across its width and two end caps.
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/playfield.h"
#include "game/play/power_ups.h"
#include "gfx/blit.h"

namespace {
void DrawPaddlePieces(int x, int y, int mode, int param) {
    for (int dx = -paddleHalfWidth; dx <= paddleHalfWidth - 4; dx += 3)
        drawSpriteParam(backSurface, x + dx, y, 3, 7, blockSetImage, 13, 1, mode, param);
    drawSpriteParam(backSurface, x - paddleHalfWidth, y - 1, 4, 11, blockSetImage, 9, 0, mode, param);
    drawSpriteParam(backSurface, x + paddleHalfWidth - 4, y - 1, 4, 11, blockSetImage, 16, 0, mode, param);
}
}  // namespace

void DrawPaddle() {
    if (PowerUpActive(PowerFastPaddle)) {
        for (int k = 1; k <= 8; ++k) {
            const int h = (paddleHistoryIndex - k) & (kPaddleHistory - 1);
            DrawPaddlePieces(paddleHistoryX[h] + playfieldLeft, paddleHistoryY[h] + playfieldTop, BlitAlpha, 100);
        }
    }
    DrawPaddlePieces(paddleX + playfieldLeft, paddleY + playfieldTop, BlitKeyed, 0);
}

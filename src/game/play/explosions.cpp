#include "game/play/explosions.h"

#include <algorithm>

#include "game/play/level.h"
#include "game/play/playfield.h"
#include "game/play/tables.h"
#include "gfx/assets.h"
#include "gfx/blit.h"

Explosion explosions[kMaxExplosions];
int32_t explosionCount;

void AddExplosion(int32_t px, int32_t py, int kind) {
    if (explosionCount >= kMaxExplosions) return;
    explosions[explosionCount++] = Explosion{px, py, kind, 0};
}

void RemoveExplosion(int i) {
    if (i < 0 || i >= explosionCount) return;
    explosions[i] = explosions[--explosionCount];
}

void UpdateExplosions() {
    for (int i = 0; i < explosionCount;) {
        Explosion& e = explosions[i];
        ++e.age;
        const bool done = e.kind == ExplosionBlast ? (e.age >> 1) > 10 : e.age > 70;
        if (done) RemoveExplosion(i);
        else ++i;
    }
}

namespace {
// The chomper's bite shows only over free map pixels, weighted by its mask.
void DrawChomp(const Explosion& e) {
    const int left = e.x - 30, top = e.y - 37;
    for (int i = 0; i < 51; ++i) {
        for (int j = 0; j < 47; ++j) {
            const int weight = (getPixel(iconsSheet, 52 + i, 1 + j) & 31) * 8;
            if (weight == 0 || getPixel(collisionMap, left + i, top + j) != 0) continue;
            const int sx = left + i + playfieldLeft, sy = top + j + playfieldTop;
            if (!insideSurface(backSurface, sx, sy)) continue;
            uint16_t* d = pixelAddress(backSurface, sx, sy);
            *d = blendColours(getPixel(iconsSheet, 1 + i, j), *d, weight);
        }
    }
}
}  // namespace

void DrawExplosions() {
    for (int i = 0; i < explosionCount; ++i) {
        const Explosion& e = explosions[i];
        if (e.kind == ExplosionBlast) {
            const int f = explosionFrames[std::min(e.age >> 1, 10)];
            drawSpriteParam(backSurface, e.x - 16 + playfieldLeft, e.y - 16 + playfieldTop, 32, 32, spritesSheet, 32 * f,
                            0, BlitAdditive, -6);
        } else if (iconsSheet) {
            DrawChomp(e);
        }
    }
}

void ResetExplosions() { explosionCount = 0; }

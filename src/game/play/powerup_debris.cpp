// Power-ups that work on the settled debris (the cyan ground): burn-out scorches
// and clears it round the paddle, drain lowers the heap at the bottom.
#include <algorithm>
#include <cmath>

#include "game/play/debris.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/powerup_effects.h"
#include "shell/random.h"
#include "sound/mixer.h"

namespace {
// Recolouring glows from red to orange: each pixel's red leans on the red of the
// pixel recoloured before it.
struct Ember {
    bool started = false;
    int32_t red = 0;

    void Recolour(int32_t x, int32_t y) {
        const int32_t own = getPixel(playfieldImage, x, y) >> 11;
        if (!started) {
            red = own;
            started = true;
        }
        red = (3 * own + red) >> 2;
        const uint16_t c = packColour(red, Rand() & red, 0);
        putPixel(playfieldImage, x, y, c);
        putPixel(sceneryView, x, y, c);
    }
};

// A glowing spark rising out of the ground.
void RiseSpark(int32_t x, int32_t y) {
    const int32_t q = (Rand() & 15) + 16;
    const uint16_t colour = packColour(q, Rand() & q, 0);
    AddDebris(x, y, 0, (Rand() & 1023) - 1500, DebrisSpark, colour);
}

// Ground that burns away shows the scenery as the level began.
void ClearGround(int32_t x, int32_t y) {
    putPixel(collisionMap, x, y, 0);
    const uint16_t pristine = getPixel(sceneryPristine, x, y);
    putPixel(playfieldImage, x, y, pristine);
    putPixel(sceneryView, x, y, pristine);
    RiseSpark(x, y);
}

bool IsGround(int32_t x, int32_t y) { return getPixel(collisionMap, x, y) == kCyan; }

// Visits the cyan pixels of a round-bottomed shape: full width R + 1 from 50
// rows above the centre row c, a half disc of radius R + 1 from it down.
template <typename Visit>
void ForGroundInBowl(int32_t c, int32_t radius, int32_t lastRow, Visit visit) {
    const int32_t r1 = radius + 1;
    for (int32_t y = c - radius - 50; y <= c + radius - 1 && y <= lastRow; ++y) {
        const int32_t d = y - c;
        const int32_t h = y < c ? r1 : static_cast<int32_t>(std::sqrt(static_cast<double>(r1 * r1 - d * d)));
        for (int32_t x = paddleX - h; x < paddleX + h; ++x)
            if (IsGround(x, y)) visit(x, y);
    }
}
}  // namespace

void BurnOut() {
    playSound(SoundDestroy);
    const int32_t height = collisionMap->height;
    int32_t c = paddleY;
    while (c < height && !IsGround(paddleX, c)) ++c;
    if (c >= height) return;

    Ember ember;
    ForGroundInBowl(c, std::max(paddleHalfWidth + 28, 28), height,
                    [&ember](int32_t x, int32_t y) { ember.Recolour(x, y); });
    ForGroundInBowl(c, std::max(paddleHalfWidth + 20, 20), height - 3, ClearGround);
}

void Drain() {
    playSound(SoundDestroy);
    const int32_t height = collisionMap->height, bottom = height - 1;
    for (int32_t x = 0; x < collisionMap->width; ++x) {
        if (!IsGround(x, bottom)) continue;
        int32_t t = bottom;
        while (t > 0 && IsGround(x, t - 1)) --t;
        for (int n = 0; n < 3; ++n) RiseSpark(x, t - 1);
        int32_t y = t;
        for (; y < t + 6 && y < height - 3; ++y) ClearGround(x, y);
        Ember ember;
        for (; y < height; ++y) ember.Recolour(x, y);
    }
}

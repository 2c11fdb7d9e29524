#include "game/play/debris.h"

#include "game/game_state.h"
#include "game/play/balls.h"
#include "game/play/level.h"
#include "game/play/playfield.h"
#include "game/play/power_ups.h"
#include "shell/random.h"

Debris debris[debrisCapacity];
int32_t debrisCount;

namespace {
// Debris stops on anything with blue: walls, settled debris, the pit row. It
// flies through red blocks and green sand.
bool Solid(int32_t x, int32_t y) { return (getPixel(collisionMap, x, y) & 31) != 0; }

enum class Fate { Kept, Gone };

// A particle that has hit something solid goes back to where it was; moving up
// it bounces, otherwise it has landed: it loses most of its sideways speed and,
// once that is gone, slides off a diagonal side or settles.
Fate Land(int i) {
    Debris& p = debris[i];
    p.x = p.prevX;
    p.y = p.prevY;
    if (p.vy < 0) {
        p.vy = -p.vy;
        return Fate::Kept;
    }
    p.vy = 512;
    p.vx /= 16;
    const int32_t px = p.x >> 10, py = p.y >> 10;
    if (p.vx != 0 || !Solid(px, py + 1)) return Fate::Kept;
    const int s = (Rand() & 1) ? 1 : -1;
    for (const int side : {s, -s}) {
        if (!Solid(px + side, py + 1)) {
            p.x += side * 1024;
            p.y += 1024;
            return Fate::Kept;
        }
    }
    SettleDebris(i);
    return Fate::Gone;
}

Fate Step(int i) {
    Debris& p = debris[i];
    p.prevX = p.x;
    p.prevY = p.y;
    if (slowMotionDivisor > 0) {
        p.x += p.vx / slowMotionDivisor;
        p.y += p.vy / slowMotionDivisor;
        p.vy += 100 / slowMotionDivisor;
        const int bit = powerUpCount[PowerSlowMotion] > 0 ? powerUpCount[PowerSlowMotion] - 1 : 0;
        if (((tickCounter >> bit) & 1) == 0) ++p.age;
    } else {
        p.x += p.vx;
        p.y += p.vy;
        p.vy += 100;
        ++p.age;
    }
    if (p.kind == DebrisSpark) {
        if (p.age > (Rand() & 63) + 15) {
            RemoveDebris(i);
            return Fate::Gone;
        }
        return Fate::Kept;
    }
    const int32_t px = p.x >> 10, py = p.y >> 10;
    if (px > collisionMap->width || px < 0) {
        RemoveDebris(i);
        return Fate::Gone;
    }
    if (Solid(px, py) && Solid(p.prevX >> 10, p.prevY >> 10)) {
        SettleDebris(i);  // embedded
        return Fate::Gone;
    }
    if (py < 0) {
        RemoveDebris(i);
        return Fate::Gone;
    }
    if (py >= collisionMap->height) {
        SettleDebris(i);  // below the map: nothing is written, it vanishes
        return Fate::Gone;
    }
    return Solid(px, py) ? Land(i) : Fate::Kept;
}
}  // namespace

void AddDebris(int32_t px, int32_t py, int32_t vx, int32_t vy, int kind, uint16_t colour) {
    if (debrisCount >= debrisCapacity) RemoveDebris(Rand() % debrisCapacity);
    Debris& p = debris[debrisCount++];
    p.x = p.prevX = px * 1024;
    p.y = p.prevY = py * 1024;
    p.vx = vx;
    p.vy = vy;
    p.age = 0;
    p.colour = colour;
    p.kind = static_cast<uint8_t>(kind);
}

void RemoveDebris(int i) {
    if (i < 0 || i >= debrisCount) return;
    debris[i] = debris[--debrisCount];
}

void SettleDebris(int i) {
    if (i < 0 || i >= debrisCount) return;
    if (!optDisableDebris) {
        const Debris& p = debris[i];
        const int32_t px = p.x >> 10, py = p.y >> 10;
        putPixel(playfieldImage, px, py, p.colour);
        putPixel(sceneryView, px, py, p.colour);
        putPixel(collisionMap, px, py, kCyan);
    }
    RemoveDebris(i);
}

void UpdateDebris() {
    // A removed particle's slot gets the last one, which moves on the next tick.
    for (int i = 0; i < debrisCount; ++i) Step(i);
}

void DrawDebris() {
    for (int i = 0; i < debrisCount; ++i) {
        const Debris& p = debris[i];
        putPixel(backSurface, (p.x >> 10) + playfieldLeft, (p.y >> 10) + playfieldTop, p.colour);
    }
}

void ResetDebris() { debrisCount = 0; }

// Power-ups that destroy blocks: the blaster and the chomper pick blocks at
// random (indestructible ones too), the lasers shoot up from the paddle.
#include "game/game_state.h"
#include "game/play/blocks.h"
#include "game/play/explosions.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/powerup_effects.h"
#include "shell/random.h"
#include "sound/mixer.h"

namespace {
// Blows up one random block of any kind; nothing happens when none is left.
void DestroyRandomBlock(int explosionKind, int sound) {
    if (levelBlockCount <= 0) return;
    const int j = Rand() % levelBlockCount;
    const LevelBlock& b = levelBlocks[j];
    AddExplosion(b.x + b.width / 2, b.y + b.height / 2, explosionKind);
    DestroyBlock(j);
    playSound(sound);
}

// A beam climbs from just above the paddle to the first solid pixel and breaks
// the block there, unless it is indestructible.
void FireBeam(int32_t x) {
    for (int32_t y = paddleY - 2; y >= 1; --y) {
        if (getPixel(collisionMap, x, y) == 0) continue;
        const int i = FindBlockAt(x, y);
        if (i >= 0 && levelBlocks[i].kind != 0) {
            DestroyBlock(i);
            playSound(SoundGeneral8);
        }
        return;
    }
}
}  // namespace

int32_t LeftBeamX(int k) { return paddleX - paddleHalfWidth + 2 + k; }
int32_t RightBeamX(int k) { return paddleX + paddleHalfWidth - 3 - k; }

void BlasterUpdate(const ActivePowerUp& entry) {
    if ((entry.ticks & 7) == 0) DestroyRandomBlock(ExplosionBlast, SoundDestroy);
}

void ChomperUpdate(const ActivePowerUp& entry) {
    if (entry.ticks <= 4) return;
    const int bites = optMaxPowerUp ? 3 : 1;
    for (int n = 0; n < bites; ++n) DestroyRandomBlock(ExplosionChomp, SoundChomp);
}

void FireLasers() {
    const int n = powerUpCount[PowerLasers];
    for (int k = 0; k < n; ++k) {
        if ((Rand() & 15) == 0) FireBeam(LeftBeamX(k));
        if ((Rand() & 15) == 0) FireBeam(RightBeamX(k));
    }
}

#include "game/play/power_ups.h"

#include <cstring>

#include "game/flow/game_state.h"
#include "game/play/balls.h"
#include "game/play/blocks.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "sound/mixer.h"

FallingPowerUp fallingPowerUps[kMaxFallingPowerUps];
int32_t fallingPowerUpCount;
ActivePowerUp activePowerUps[kMaxActivePowerUps];
int32_t activePowerUpCount;
int16_t powerUpCount[kPowerUpTypes];

namespace {
struct PowerUpRule {
    int32_t score;
    int32_t sound;     // 0: silent
    bool many;         // played through the many-voices call
    int32_t duration;  // ticks; a type that acts once lasts until its acting update
    bool scaled;       // multiplied by the Max Power-up factor
};

const PowerUpRule rules[kPowerUpTypes] = {
    {100, SoundZwiff, false, 300, true},         {100, SoundZwiff, false, 300, true},
    {1000, SoundGeneral48, true, 255, true},     {100, SoundFizz, true, 32, true},
    {100, SoundZwiff, false, 700, true},         {50, SoundMaximize, false, 2000, true},
    {-200, SoundMinimize, false, 2000, true},    {100, SoundZwiff, false, 500, true},
    {100, SoundZwiff, false, 129, true},         {100, 0, false, 5, false},
    {-200, SoundMinimize, false, 2000, false},   {100, SoundZwiff, false, 300, true},
    {100, SoundZwiff, false, 1000, true},        {50, SoundMaximize, false, 2000, true},
    {-1000, SoundGeneral48, true, 1, false},     {100, SoundGeneral8, false, 1, false},
    {-200, SoundGeneral48, true, 300, true},     {100, SoundMaximize, false, 2000, true},
    {-200, SoundMinimize, false, 2000, false},   {100, SoundZwiff, false, 3000, true},
    {100, SoundZwiff, false, 1, false},          {100, SoundZwiff, false, 1, false},
};

int32_t DurationOf(int type) {
    const PowerUpRule& r = rules[type];
    return r.scaled ? r.duration * (optMaxPowerUp + 1) : r.duration;
}

bool ValidType(int type) { return type >= 0 && type < kPowerUpTypes; }
}  // namespace

void ResetPowerUps() {
    std::memset(powerUpCount, 0, sizeof powerUpCount);
    activePowerUpCount = 0;
    fallingPowerUpCount = 0;
}

void DropPowerUp(int32_t px, int32_t py, int type) {
    if (ValidType(type)) AddFallingPowerUp(px, py, 0, 500, type);
}

void AddFallingPowerUp(int32_t px, int32_t py, int32_t vx, int32_t vy, int type) {
    if (fallingPowerUpCount >= kMaxFallingPowerUps) return;
    FallingPowerUp& f = fallingPowerUps[fallingPowerUpCount++];
    f.x = f.prevX = px * 1024;
    f.y = f.prevY = py * 1024;
    f.vx = vx;
    f.vy = vy;
    f.type = type;
    f.age = 0;
}

void RemoveFallingPowerUp(int i) {
    if (i < 0 || i >= fallingPowerUpCount) return;
    fallingPowerUps[i] = fallingPowerUps[--fallingPowerUpCount];
}

void UpdateFallingPowerUps() {
    for (int i = 0; i < fallingPowerUpCount;) {
        FallingPowerUp& f = fallingPowerUps[i];
        if (slowMotionDivisor > 0) {
            f.x += f.vx / slowMotionDivisor;
            f.y += f.vy / slowMotionDivisor;
        } else {
            f.x += f.vx;
            f.y += f.vy;
        }
        ++f.age;
        f.vy += slowMotionDivisor > 0 ? 30 / slowMotionDivisor : 30;
        const int32_t px = f.x >> 10, py = f.y >> 10;
        if (py > collisionMap->height) {
            RemoveFallingPowerUp(i);
            continue;
        }
        const int dx = px - paddleX;
        if (paddleY - 16 < py && py < paddleY + 16 && (dx < 0 ? -dx : dx) < paddleHalfWidth + 8) {
            const int type = f.type;
            ApplyPowerUp(type);
            if (type == PowerBallFountain) playSoundMany(SoundScream, 0);
            RemoveFallingPowerUp(i);
            continue;
        }
        ++i;
    }
}

void ApplyPowerUp(int type) {
    if (!ValidType(type)) return;
    const PowerUpRule& r = rules[type];
    score += r.score;
    if (r.sound != 0) {
        if (r.many) playSoundMany(r.sound, 0);
        else playSound(r.sound);
    }
    if (activePowerUpCount < kMaxActivePowerUps) {
        activePowerUps[activePowerUpCount++] = ActivePowerUp{type, 0};
        ++powerUpCount[type];
    }
    if (type == PowerBallFountain) shakeAmount = 16;
    if (type == PowerReveal && powerUpCount[type] == 1) ComposePlayfield();
}

void RemoveActivePowerUp(int i) {
    if (i < 0 || i >= activePowerUpCount) return;
    const int type = activePowerUps[i].type;
    --powerUpCount[type];
    activePowerUps[i] = activePowerUps[--activePowerUpCount];
    if (type == PowerReveal && powerUpCount[type] == 0) ComposePlayfield();
}

int FindActivePowerUp(int type) {
    for (int i = 0; i < activePowerUpCount; ++i)
        if (activePowerUps[i].type == type) return i;
    return -1;
}

void ClearBadPowerUps() {
    static const int harmful[] = {PowerNarrowPaddle, PowerSluggishPaddle, PowerLowerZone, PowerFrozenPaddle,
                                  PowerFastBalls};
    for (int round = 0; round < 2 - difficulty; ++round)
        for (int type : harmful)
            if (powerUpCount[type] > 0) RemoveActivePowerUp(FindActivePowerUp(type));
}

void UpdatePowerUps() {
    paddleTargetHalfWidth = BasePaddleHalfWidth();
    if (ballCount > 0) paddleTargetZoneHeight = BaseZoneHeight();
    paddleMaxStep = 4;
    for (int i = 0; i < activePowerUpCount;) {
        ActivePowerUp& a = activePowerUps[i];
        ++a.ticks;
        if (a.ticks == DurationOf(a.type)) RemoveActivePowerUp(i);
        else ++i;
    }
}

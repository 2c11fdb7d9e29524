// The active list: catching a power-up, its score and sound, its duration, and
// the update that runs every active entry's effect.
#include <cstring>

#include "game/game_state.h"
#include "game/play/balls.h"
#include "game/play/blocks.h"
#include "game/play/paddle.h"
#include "game/play/power_ups.h"
#include "game/play/powerup_effects.h"
#include "sound/mixer.h"

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

bool ValidType(int type) { return type >= 0 && type < kPowerUpTypes; }

void ApplyEffect(const ActivePowerUp& entry) {
    switch (entry.type) {
    case PowerBallFountain: BallFountainUpdate(entry); break;
    case PowerVolcano: VolcanoUpdate(entry); break;
    case PowerSplitter: SplitterUpdate(); break;
    case PowerFastBalls: FastBallsUpdate(); break;
    case PowerBlaster: BlasterUpdate(entry); break;
    case PowerChomper: ChomperUpdate(entry); break;
    case PowerLoseBalls: LoseAllBalls(); break;
    case PowerExtraLife:
        ++lives;
        ComposePlayfield();
        break;
    case PowerBurnOut: BurnOut(); break;
    case PowerDrain: Drain(); break;
    default: ApplyPaddleEffect(entry.type); break;  // the rest is read from powerUpCount
    }
}
}  // namespace

int32_t PowerUpDuration(int type) {
    const PowerUpRule& r = rules[type];
    return r.scaled ? r.duration * (optMaxPowerUp + 1) : r.duration;
}

void ResetPowerUps() {
    std::memset(powerUpCount, 0, sizeof powerUpCount);
    activePowerUpCount = 0;
    fallingPowerUpCount = 0;
}

void ApplyPowerUp(int type) {
    if (!ValidType(type)) return;
    const PowerUpRule& r = rules[type];
    score += r.score;
    if (r.sound != 0) {
        if (r.many) playSoundMany(r.sound, 0);
        else playSound(r.sound);
    }
    // A full list still scores the catch and plays its sound, but records nothing.
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
    FireLasers();
    for (int i = 0; i < activePowerUpCount;) {
        ActivePowerUp& a = activePowerUps[i];
        ++a.ticks;
        const ActivePowerUp entry = a;
        ApplyEffect(entry);
        // The last entry moves into the hole and is updated next.
        if (entry.ticks == PowerUpDuration(entry.type)) RemoveActivePowerUp(i);
        else ++i;
    }
}

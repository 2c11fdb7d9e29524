// What the gameplay core needs of the power-ups: the active counts it reads, the
// capsule and active lists it waits on, and the entry points the play tick calls.
#pragma once
#include <cstdint>

#include "game/layout.h"

using layout::kPowerUpTypes;  // 22, the columns of "power-ups.png"
enum PowerUpType {
    PowerHoming = 0, PowerSlowMotion = 1, PowerBallFountain = 2, PowerVolcano = 3, PowerSplitter = 4,
    PowerWidePaddle = 5, PowerNarrowPaddle = 6, PowerFastBalls = 7, PowerBlaster = 8, PowerChomper = 9,
    PowerSluggishPaddle = 10, PowerLasers = 11, PowerFireball = 12, PowerFastPaddle = 13, PowerLoseBalls = 14,
    PowerExtraLife = 15, PowerFrozenPaddle = 16, PowerRaiseZone = 17, PowerLowerZone = 18, PowerReveal = 19,
    PowerBurnOut = 20, PowerDrain = 21,
};

struct FallingPowerUp {
    int32_t x, y;  // centre, fixed point
    int32_t vx, vy;
    int32_t prevX, prevY;  // start position
    int32_t type;
    uint8_t age;
};

struct ActivePowerUp {
    int32_t type;
    int32_t ticks;
};

constexpr int kMaxFallingPowerUps = 40;
constexpr int kMaxActivePowerUps = 20;
extern FallingPowerUp fallingPowerUps[kMaxFallingPowerUps];
extern int32_t fallingPowerUpCount;
extern ActivePowerUp activePowerUps[kMaxActivePowerUps];
extern int32_t activePowerUpCount;
extern int16_t powerUpCount[kPowerUpTypes];

inline bool PowerUpActive(int type) { return powerUpCount[type] > 0; }

// Clears the counts, the active list and the capsules (a new level).
void ResetPowerUps();
// A capsule released from a destroyed block; types outside 0..21 carry nothing.
void DropPowerUp(int32_t px, int32_t py, int type);
void AddFallingPowerUp(int32_t px, int32_t py, int32_t vx, int32_t vy, int type);
void RemoveFallingPowerUp(int i);
void UpdateFallingPowerUps();
void ApplyPowerUp(int type);
void RemoveActivePowerUp(int i);
int FindActivePowerUp(int type);
void ClearBadPowerUps();
void UpdatePowerUps();
// How many updates an entry of this type stays active; Max Power-up doubles most.
int32_t PowerUpDuration(int type);
// The frozen, sluggish and fast paddle icons at the paddle, and the laser beams.
void DrawPaddleEffects();

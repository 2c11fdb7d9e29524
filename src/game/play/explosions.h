// The short blast and chomp effects of the blaster and chomper power-ups.
#pragma once
#include <cstdint>

struct Explosion {
    int32_t x, y;  // playfield pixels
    int32_t kind;  // 0 blast, 1 chomp
    int32_t age;
};

enum ExplosionKind { ExplosionBlast = 0, ExplosionChomp = 1 };

constexpr int kMaxExplosions = 50;
extern Explosion explosions[kMaxExplosions];
extern int32_t explosionCount;

void ResetExplosions();
void AddExplosion(int32_t px, int32_t py, int kind);
void RemoveExplosion(int i);
void UpdateExplosions();
void DrawExplosions();

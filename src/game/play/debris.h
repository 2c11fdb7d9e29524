// Debris: one-pixel particles of broken blocks that fly, fall, slide and settle
// into the scenery as solid cyan ground; and sparks, which ignore the map and
// fade out.
#pragma once
#include <cstdint>

struct Debris {
    int32_t x, y;  // fixed point, 10 fraction bits
    int32_t vx, vy;
    int32_t prevX, prevY;
    uint16_t age;
    uint16_t colour;
    uint8_t kind;  // 0 debris, 1 spark
};

enum DebrisKind : uint8_t { DebrisSolid = 0, DebrisSpark = 1 };

constexpr int debrisCapacity = 2900;
extern Debris debris[debrisCapacity];
extern int32_t debrisCount;

constexpr uint16_t kCyan = (0 << 11) | (31 << 6) | 31;

// Always succeeds: a full table first loses a random particle.
void ResetDebris();
void AddDebris(int32_t px, int32_t py, int32_t vx, int32_t vy, int kind, uint16_t colour);
void RemoveDebris(int i);
void SettleDebris(int i);
void UpdateDebris();
void DrawDebris();

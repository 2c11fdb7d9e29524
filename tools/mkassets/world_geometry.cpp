#include "world_geometry.h"

#include <algorithm>
#include <cmath>

#include "world_paint.h"

namespace {

// Noise in -1..1 along one coordinate.
float Wobble(float t, float scale, unsigned seed) { return 2 * FieldFbm(t / scale, 0.37f, 3, seed) - 1; }

float BoxDistance(float x, float y, float x0, float y0, float x1, float y1, float radius) {
    float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
    float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
    float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

float CircleDistance(float x, float y, float cx, float cy, float r) { return std::hypot(x - cx, y - cy) - r; }

// A cone hanging from the top, blunt at the tip.
float IcicleDistance(float x, float y, float cx, float length, float halfWidth) {
    float w = std::max(halfWidth * (1 - y / length), 2.6f);
    return std::max(std::fabs(x - cx) - w, y - length);
}

// The outer frame shared by every world: left, top and right walls with rough
// inner faces and filleted top corners. The inner faces stay within x 9..14,
// 316..321 and y 10..19, so shapes placed inside 15..315 x 22.. never touch them.
float FrameDistance(float x, float y, unsigned seed, float topBase) {
    float left = std::clamp(9.5f + 5 * FieldFbm(y / 26, 1.5f, 3, seed), 9.0f, 14.0f);
    float right = std::clamp(9.5f + 5 * FieldFbm(y / 26, 4.5f, 3, seed + 7), 9.0f, 14.0f);
    float top = std::clamp(topBase + 6 * FieldFbm(x / 30, 7.5f, 3, seed + 13), 10.0f, 19.0f);
    float d = std::min({x - left, (kFieldWidth - right) - x, y - top});
    // Rounded top corners.
    if (x < 30 && y < 30) d = std::min(d, 20 - std::hypot(x - 30, y - 30));
    if (x > kFieldWidth - 30 && y < 30) d = std::min(d, 20 - std::hypot(x - (kFieldWidth - 30), y - 30));
    return d;
}

// Raised cosine, 1 at t = 0 falling to 0 at t = 1.
float Bump(float t) { return t >= 1 ? 0 : 0.5f + 0.5f * std::cos(3.14159265f * std::max(t, 0.0f)); }

// Sand heaped against both side walls at the bottom: the surface lies
// leftHeight (rightHeight) above the bottom at the wall and meets the floor
// leftReach (rightReach) pixels out.
float CornerSand(float x, float y, float leftHeight, float leftReach, float rightHeight, float rightReach,
                 unsigned seed) {
    float heap = leftHeight * Bump(x / leftReach) + rightHeight * Bump((kFieldWidth - x) / rightReach);
    if (heap <= 0.5f) return 1000;
    float surface = kFieldHeight - heap - 2.5f * Wobble(x, 9, seed) * std::min(1.0f, heap / 10);
    return surface - y;
}

}  // namespace

WorldShape WorldShapeAt(int world, float x, float y) {
    WorldShape s{1000, 1000};
    switch (world) {
    case 1: {  // Mossy Ruins: rough stone, two boulders on the walls, earth heaps
        s.wall = FrameDistance(x, y, 11, 12);
        s.wall = std::min(s.wall, CircleDistance(x, y, 4, 320, 16 + 1.5f * Wobble(y, 6, 3)));
        s.wall = std::min(s.wall, CircleDistance(x, y, 326, 292, 14 + 1.5f * Wobble(y, 6, 4)));
        s.sand = CornerSand(x, y, 46, 80, 40, 70, 21);
        break;
    }
    case 2: {  // Frost Caverns: icicles along the roof, snow drifts
        s.wall = FrameDistance(x, y, 31, 12);
        const float icicles[][3] = {{62, 38, 7}, {118, 31, 6}, {165, 26, 5}, {212, 34, 6}, {268, 40, 7}};
        for (const auto& ice : icicles) s.wall = std::min(s.wall, IcicleDistance(x, y, ice[0], ice[1], ice[2]));
        s.sand = CornerSand(x, y, 54, 95, 50, 90, 41);
        s.sand = std::min(s.sand, (kFieldHeight - 7.5f - 1.5f * Wobble(x, 14, 43)) - y);
        break;
    }
    case 3: {  // Sunken Temple: two stone buttresses, golden dunes
        s.wall = FrameDistance(x, y, 51, 13);
        s.wall = std::min(s.wall, BoxDistance(x, y, -5, 226, 30, 268, 4));
        s.wall = std::min(s.wall, BoxDistance(x, y, 300, 246, 335, 288, 4));
        s.sand = CornerSand(x, y, 60, 100, 56, 100, 61);
        break;
    }
    case 4: {  // Ember Forge: basalt with two sloping ledges, ash heaps
        s.wall = FrameDistance(x, y, 71, 12);
        float leftLedge = 236 + (x - 10) * 0.18f;
        s.wall = std::min(s.wall, std::max({y - (leftLedge + 12), leftLedge - y, x - 42}));
        float rightLedge = 272 + (320 - x) * 0.18f;
        s.wall = std::min(s.wall, std::max({y - (rightLedge + 12), rightLedge - y, 288 - x}));
        s.sand = CornerSand(x, y, 42, 75, 44, 75, 81);
        break;
    }
    default: {  // Star Station: hull plating, two bumpers, moon dust
        s.wall = FrameDistance(x, y, 91, 14);
        s.wall = std::min(s.wall, CircleDistance(x, y, 58, 296, 10));
        s.wall = std::min(s.wall, CircleDistance(x, y, 272, 296, 10));
        s.sand = CornerSand(x, y, 36, 70, 36, 70, 101);
        break;
    }
    }
    return s;
}

int WorldCellAt(int world, int x, int y) {
    WorldShape s = WorldShapeAt(world, x + 0.5f, y + 0.5f);
    if (s.wall < 0) return 1;
    return s.sand < 0 ? 2 : 0;
}

#include "world_paint.h"

#include <algorithm>
#include <cmath>

float Hash01(int x, int y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 0x8da6b343u ^ static_cast<uint32_t>(y) * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 0xffffff) / 16777215.0f;
}

float FieldFbm(float x, float y, int octaves, uint32_t seed) { return Fbm(x, y, 1 << 16, octaves, seed); }

float Ridged(float x, float y, int octaves, uint32_t seed) {
    return 1 - std::fabs(2 * FieldFbm(x, y, octaves, seed) - 1);
}

float ShadeSlope(float dhdx, float dhdy, float shininess, float* highlight) {
    float nx = -dhdx, ny = -dhdy, nz = 1;
    float len = std::sqrt(nx * nx + ny * ny + nz * nz);
    nx /= len;
    ny /= len;
    nz /= len;
    const Light light;
    float diffuse = std::max(0.0f, nx * light.x + ny * light.y + nz * light.z);
    if (highlight) {
        // Blinn half vector between the light and a viewer straight above.
        float hx = light.x, hy = light.y, hz = light.z + 1;
        float hl = std::sqrt(hx * hx + hy * hy + hz * hz);
        float nh = std::max(0.0f, (nx * hx + ny * hy + nz * hz) / hl);
        *highlight = std::pow(nh, shininess);
    }
    return diffuse;
}

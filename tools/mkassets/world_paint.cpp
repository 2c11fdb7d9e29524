#include "world_paint.h"

#include <algorithm>
#include <cmath>

#include "gfx/png_writer.h"

float Clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

float Smoothstep(float edge0, float edge1, float x) {
    float t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

float Hash01(int x, int y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 0x8da6b343u ^ static_cast<uint32_t>(y) * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 0xffffff) / 16777215.0f;
}

float ValueNoise(float x, float y, uint32_t seed) {
    float fx = std::floor(x), fy = std::floor(y);
    int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    float tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    float a = Hash01(ix, iy, seed), b = Hash01(ix + 1, iy, seed);
    float c = Hash01(ix, iy + 1, seed), d = Hash01(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

float Fbm(float x, float y, int octaves, uint32_t seed) {
    float sum = 0, amplitude = 0.5f, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += ValueNoise(x, y, seed + i * 101) * amplitude;
        norm += amplitude;
        // Rotate each octave a little so the lattice does not line up.
        float nx = x * 1.6f - y * 1.2f, ny = x * 1.2f + y * 1.6f;
        x = nx;
        y = ny;
        amplitude *= 0.5f;
    }
    return sum / norm;
}

float Ridged(float x, float y, int octaves, uint32_t seed) {
    return 1 - std::fabs(2 * Fbm(x, y, octaves, seed) - 1);
}

float ShadeSlope(float dhdx, float dhdy, float shininess, float* spec) {
    float nx = -dhdx, ny = -dhdy, nz = 1;
    float len = std::sqrt(nx * nx + ny * ny + nz * nz);
    nx /= len;
    ny /= len;
    nz /= len;
    const float lx = -0.48f, ly = -0.62f, lz = 0.62f;  // light from the upper left
    float diffuse = std::max(0.0f, nx * lx + ny * ly + nz * lz);
    if (spec) {
        // Blinn half vector between the light and a viewer straight above.
        float hx = lx, hy = ly, hz = lz + 1;
        float hl = std::sqrt(hx * hx + hy * hy + hz * hz);
        float nh = std::max(0.0f, (nx * hx + ny * hy + nz * hz) / hl);
        *spec = std::pow(nh, shininess);
    }
    return diffuse;
}

bool WriteCanvas(const std::string& path, const Canvas& canvas, bool keepVisible) {
    std::vector<uint8_t> rgb(static_cast<size_t>(canvas.width) * canvas.height * 3);
    for (size_t i = 0; i < canvas.pixels.size(); ++i) {
        const Rgb& p = canvas.pixels[i];
        int c[3] = {static_cast<int>(std::lround(Clamp01(p.r) * 255)), static_cast<int>(std::lround(Clamp01(p.g) * 255)),
                    static_cast<int>(std::lround(Clamp01(p.b) * 255))};
        if (keepVisible && (c[0] | c[1] | c[2]) != 0 && std::max({c[0], c[1], c[2]}) < 8) {
            int* top = std::max_element(c, c + 3);
            *top = 8;
        }
        for (int k = 0; k < 3; ++k) rgb[i * 3 + k] = static_cast<uint8_t>(c[k]);
    }
    return WriteRgbPng(path, rgb.data(), canvas.width, canvas.height);
}

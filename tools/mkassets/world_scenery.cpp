// The five playfields: "scheme%d.png", the collision map (blue walls, green sand,
// black free space, nothing red), and "scheme%dv.png", the scenery painted from
// the same shapes with its own look per world.
#include <algorithm>
#include <cmath>
#include <vector>

#include "families.h"
#include "output.h"
#include "world_geometry.h"
#include "world_paint.h"
#include "world_families.h"

namespace {

struct Material {
    Rgb albedo{0, 0, 0};
    float height = 0;     // adds to the bevel before lighting
    Rgb glow{0, 0, 0};    // light of its own, added after shading
    float shininess = 20;
    float specular = 0.2f;
};

// Mortar grooves of a running bond: 0 in a joint, 1 on a stone.
float Bond(float x, float y, float w, float h, float joint) {
    float row = std::floor(y / h);
    float offset = std::fmod(row, 2.0f) * w * 0.5f;
    float u = std::fmod(x + offset + 1000 * w, w), v = std::fmod(y + 1000 * h, h);
    float edge = std::min({u, w - u, v, h - v});
    return SmoothStep(0, joint, edge);
}

Material WallMaterial(int world, float x, float y, float depth) {
    Material m;
    float n = FieldFbm(x / 14, y / 14, 5, world * 17u);
    float fine = FieldFbm(x / 3, y / 3, 3, world * 17u + 5);
    switch (world) {
    case 1: {
        float stone = Bond(x + 4 * n, y + 3 * n, 26, 15, 1.6f);
        m.albedo = Mix(Hex(0x6f685c), Hex(0xa69c86), n) * (0.82f + 0.3f * fine) * (0.6f + 0.4f * stone);
        float moss = SmoothStep(0.52f, 0.68f, FieldFbm(x / 22, y / 22, 4, 77)) * SmoothStep(9, 2, depth);
        m.albedo = Mix(m.albedo, Mix(Hex(0x3e6a22), Hex(0x7da33a), fine), moss);
        m.height = 0.55f * stone + 0.35f * n + 0.25f * moss * fine;
        m.shininess = 12;
        m.specular = 0.12f;
        break;
    }
    case 2: {
        float crack = SmoothStep(0.93f, 1.0f, Ridged(x / 30, y / 30, 4, 91));
        m.albedo = Mix(Hex(0x5d9fd0), Hex(0xd8f0ff), SmoothStep(0.2f, 0.8f, n + 0.3f * fine - 0.1f * depth / 10));
        m.albedo = Mix(m.albedo, Hex(0xf4fbff), crack * 0.7f);
        m.height = 0.7f * FieldFbm(x / 9, y / 9, 3, 93) - 0.3f * crack;
        m.shininess = 60;
        m.specular = 0.75f;
        break;
    }
    case 3: {
        float brick = Bond(x, y, 22, 11, 1.4f);
        float weather = FieldFbm(x / 6, y / 6, 4, 53);
        m.albedo = Mix(Hex(0x9c6f3c), Hex(0xe0b878), n) * (0.78f + 0.3f * weather) * (0.55f + 0.45f * brick);
        m.height = 0.6f * brick + 0.3f * weather;
        m.shininess = 10;
        m.specular = 0.1f;
        break;
    }
    case 4: {
        float crack = SmoothStep(0.9f, 0.99f, Ridged(x / 24, y / 24, 4, 71));
        m.albedo = Mix(Hex(0x2a2628), Hex(0x58504e), n) * (0.8f + 0.35f * fine);
        float heat = crack * SmoothStep(1, 5, depth);
        m.glow = Mix(Hex(0xb02a00), Hex(0xffc040), FieldFbm(x / 8, y / 8, 2, 73)) * heat;
        m.albedo = m.albedo * (1 - heat);
        m.height = 0.6f * n + 0.4f * fine - 0.5f * crack;
        m.shininess = 25;
        m.specular = 0.25f;
        break;
    }
    default: {
        float panelU = std::fmod(x + 3000, 24.0f), panelV = std::fmod(y + 3000, 24.0f);
        float seam = SmoothStep(0, 1.2f, std::min({panelU, 24 - panelU, panelV, 24 - panelV}));
        float rivet = 0;
        for (float cx : {4.0f, 20.0f})
            for (float cy : {4.0f, 20.0f})
                rivet = std::max(rivet, SmoothStep(1.6f, 0.4f, std::hypot(panelU - cx, panelV - cy)));
        float shade = Hash01(static_cast<int>(std::floor((x + 3000) / 24)), static_cast<int>(std::floor((y + 3000) / 24)), 97);
        m.albedo = Mix(Hex(0x59626e), Hex(0x9aa6b4), 0.35f + 0.4f * shade + 0.25f * fine) * (0.55f + 0.45f * seam);
        float strip = SmoothStep(2.2f, 0.8f, std::fabs(depth - 4.5f));
        m.glow = Hex(0x30d8ff) * (0.55f * strip * (0.6f + 0.4f * std::sin(x * 0.25f + y * 0.25f)));
        m.height = 0.5f * seam + 0.6f * rivet + 0.1f * fine;
        m.shininess = 40;
        m.specular = 0.6f;
        break;
    }
    }
    return m;
}

Material SandMaterial(int world, float x, float y) {
    Material m;
    float grain = Hash01(static_cast<int>(x * 2), static_cast<int>(y * 2), world * 31u);
    float n = FieldFbm(x / 10, y / 10, 4, world * 31u + 3);
    switch (world) {
    case 1:
        m.albedo = Mix(Hex(0x5e3d22), Hex(0x9a6a40), n) * (0.8f + 0.35f * grain);
        if (grain > 0.97f) m.albedo = Hex(0xb8ab90);
        m.height = 0.5f * n + 0.2f * grain;
        break;
    case 2:
        m.albedo = Mix(Hex(0xa8c4e0), Hex(0xf4f8ff), n) * (0.93f + 0.1f * grain);
        if (grain > 0.985f) m.albedo = Hex(0xffffff);
        m.height = 0.6f * n;
        m.specular = 0.4f;
        break;
    case 3: {
        float ripple = 0.5f + 0.5f * std::sin(y * 1.3f + 4 * FieldFbm(x / 18, y / 18, 3, 63));
        m.albedo = Mix(Hex(0xb8863c), Hex(0xf0c878), 0.5f * n + 0.5f * ripple) * (0.88f + 0.2f * grain);
        m.height = 0.4f * ripple + 0.3f * n;
        break;
    }
    case 4:
        m.albedo = Mix(Hex(0x4a4442), Hex(0x8a8280), n) * (0.85f + 0.3f * grain);
        if (grain > 0.985f) m.glow = Hex(0xff7020) * 0.9f;
        m.height = 0.5f * n + 0.2f * grain;
        break;
    default:
        m.albedo = Mix(Hex(0x6e6860), Hex(0xb0a898), n) * (0.8f + 0.3f * grain);
        m.height = 0.5f * n + 0.3f * SmoothStep(0.8f, 0.2f, FieldFbm(x / 5, y / 5, 2, 103));
        break;
    }
    return m;
}

Rgb Background(int world, float x, float y) {
    float n = FieldFbm(x / 40, y / 40, 5, world * 43u);
    float fine = FieldFbm(x / 6, y / 6, 3, world * 43u + 1);
    switch (world) {
    case 1: {
        float back = Bond(x + 6 * n, y, 48, 26, 2.5f);
        Rgb c = Mix(Hex(0x171c17), Hex(0x2f3829), n) * (0.8f + 0.25f * fine) * (0.8f + 0.2f * back);
        // Thin creepers hanging from the roof.
        float vine = SmoothStep(0.955f, 0.99f, Ridged(x / 26 + 0.3f * FieldFbm(y / 30, x / 30, 2, 44), y / 140, 3, 45)) *
                     SmoothStep(330, 40, y);
        return Mix(c, Mix(Hex(0x2c5a1e), Hex(0x5a8a30), fine), vine * 0.5f);
    }
    case 2: {
        float streak = SmoothStep(0.85f, 1.0f, Ridged(x / 35 + y / 80, y / 35, 4, 47));
        return Mix(Hex(0x0a1430), Hex(0x1d3260), n) * (0.85f + 0.2f * fine) + Hex(0x2a4a80) * (0.22f * streak);
    }
    case 3: {
        float tiles = Bond(x, y + 3 * n, 40, 40, 2.0f);
        // A carved zigzag frieze every 120 rows.
        float band = std::fmod(y + 400, 120.0f) - 56;
        float zig = std::fabs(std::fmod(x + 1200, 14.0f) - 7) / 7;
        float glyph = (std::fabs(band) < 5 ? SmoothStep(0.22f, 0.08f, std::fabs(band / 8 + 0.5f - zig)) : 0) +
                      SmoothStep(1.2f, 0.4f, std::fabs(std::fabs(band) - 6));
        Rgb c = Mix(Hex(0x24180e), Hex(0x3e2c1a), n) * (0.85f + 0.2f * fine) * (0.8f + 0.2f * tiles);
        return c + Hex(0x3a2a14) * (0.45f * glyph);
    }
    case 4: {
        Rgb c = Mix(Hex(0x120a0a), Hex(0x2e1a16), n) * (0.85f + 0.25f * fine);
        float heat = SmoothStep(200, kFieldHeight, y);
        return c + Hex(0x5a1a06) * (0.55f * heat * n);
    }
    default: {
        float nebula = FieldFbm(x / 70 + 3, y / 70, 5, 55);
        Rgb c = Mix(Hex(0x05050f), Hex(0x1e1040), SmoothStep(0.35f, 0.75f, nebula));
        c = c + Hex(0x0c3040) * SmoothStep(0.55f, 0.8f, FieldFbm(x / 45, y / 45 + 7, 4, 57));
        float star = Hash01(static_cast<int>(x * 2), static_cast<int>(y * 2), 59);
        if (star > 0.996f) c = c + Hex(0xc8d8ff) * ((star - 0.996f) / 0.004f);
        return c;
    }
    }
}

// Paints the scenery at 2 x 2 samples per pixel; the samples carry heights so
// that walls and sand are lit with bevels, and the averages antialias the edges.
void PaintScenery(int world, Canvas& out) {
    const int sw = kFieldWidth * 2 + 4, sh = kFieldHeight * 2 + 4;  // two samples of margin on each side
    std::vector<WorldShape> shape(static_cast<size_t>(sw) * sh);
    std::vector<Material> mat(shape.size());
    std::vector<float> height(shape.size());
    auto pos = [](int i) { return (i - 2 + 0.5f) / 2; };
    for (int j = 0; j < sh; ++j)
        for (int i = 0; i < sw; ++i) {
            size_t k = static_cast<size_t>(j) * sw + i;
            float x = pos(i), y = pos(j);
            WorldShape s = WorldShapeAt(world, x, y);
            shape[k] = s;
            if (s.wall < 0) {
                mat[k] = WallMaterial(world, x, y, -s.wall);
                height[k] = 4 * SmoothStep(0, 6, -s.wall) + 1.2f * mat[k].height;
            } else if (s.sand < 0) {
                mat[k] = SandMaterial(world, x, y);
                height[k] = 2.5f * SmoothStep(0, 5, -s.sand) + 0.8f * mat[k].height;
            }
        }
    Canvas samples(sw, sh);
    for (int j = 1; j < sh - 1; ++j)
        for (int i = 1; i < sw - 1; ++i) {
            size_t k = static_cast<size_t>(j) * sw + i;
            float x = pos(i), y = pos(j);
            const WorldShape& s = shape[k];
            if (s.wall < 0 || s.sand < 0) {
                float dx = (height[k + 1] - height[k - 1]) * 0.5f * 2;  // per pixel: samples are half a pixel apart
                float dy = (height[k + sw] - height[k - sw]) * 0.5f * 2;
                float highlight = 0;
                float diffuse = ShadeSlope(dx * 0.6f, dy * 0.6f, mat[k].shininess, &highlight);
                samples.at(i, j) = mat[k].albedo * (0.35f + 0.85f * diffuse) + Rgb{1, 1, 1} * (highlight * mat[k].specular) +
                                   mat[k].glow;
            } else {
                // Ambient occlusion near walls and a soft shadow cast to the lower right.
                int si = std::max(0, i - 6), sj = std::max(0, j - 8);
                float cast = shape[static_cast<size_t>(sj) * sw + si].wall;
                float shadow = (0.55f + 0.45f * SmoothStep(0, 10, s.wall)) * (cast < 0 ? 0.6f : 1.0f);
                samples.at(i, j) = Background(world, x, y) * shadow;
            }
        }
    for (int y = 0; y < kFieldHeight; ++y)
        for (int x = 0; x < kFieldWidth; ++x) {
            int i = x * 2 + 2, j = y * 2 + 2;
            out.at(x, y) =
                (samples.at(i, j) + samples.at(i + 1, j) + samples.at(i, j + 1) + samples.at(i + 1, j + 1)) * 0.25f;
        }
}

Canvas CollisionMap(int world) {
    Canvas map(kFieldWidth, kFieldHeight);
    const Rgb colours[3] = {{0, 0, 0}, {0, 0, 1}, {0, 1, 0}};
    for (int y = 0; y < kFieldHeight; ++y)
        for (int x = 0; x < kFieldWidth; ++x) map.at(x, y) = colours[WorldCellAt(world, x, y)];
    return map;
}

}  // namespace

bool WriteWorldScenery(const std::string& out) {
    for (int world = 1; world <= kWorldCount; ++world) {
        Canvas scenery(kFieldWidth, kFieldHeight);
        PaintScenery(world, scenery);
        if (!WritePicture(out, "scheme" + std::to_string(world) + ".png", CollisionMap(world)) ||
            !WritePicture(out, "scheme" + std::to_string(world) + "v.png", scenery))
            return false;
    }
    return true;
}

// The five block sets: "blocks%d.png" holds the paddle pieces and one row of
// block shapes, lit with a bevel, texture and highlights in each world's style;
// "blocks%d.txt" cuts the picture into the shapes, in kind order.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

#include "families.h"
#include "output.h"
#include "shell/paths.h"
#include "world_families.h"
#include "world_geometry.h"
#include "world_paint.h"
#include "worlds/block_shapes.h"
#include "worlds/game_load_checks.h"

namespace {

// Outline styles: r rounded, n rough-edged, c cut corners, e ellipse, d diamond, p pill.
const char* const kOutlines[kWorldCount] = {"rnrneneerr", "ccccdcddcc", "rrrrereerr", "cnncnnecnn", "cpccepeepp"};

const uint32_t kSteel[kWorldCount] = {0x8c8a84, 0xa8b8c8, 0xb48c58, 0x74747c, 0xb8c2d0};
const uint32_t kColours[kWorldCount][kBlockShapeCount - 1] = {
    {0xc8643c, 0x78b048, 0x4f8fd0, 0xe8c048, 0xa870c8, 0xf0ecd8, 0xe04860, 0x48b0a0, 0xd89050},
    {0x5ca4e8, 0x8ee0f0, 0xb088f0, 0xe8f4ff, 0x4878d8, 0xffffff, 0x60f0d0, 0x8098f8, 0xc0d8f0},
    {0xd8a050, 0x3fa8a0, 0xc05030, 0xf0d060, 0x2f7fb0, 0xf8e8c0, 0x40c070, 0xe07840, 0xb89060},
    {0xe05a20, 0xf0a030, 0xb83020, 0xffe060, 0x9a5a40, 0xfff0a0, 0xff4080, 0xd07020, 0x8a6a66},
    {0x4080e0, 0x40d0c0, 0xe04080, 0xf0e040, 0x8050e0, 0xffffff, 0x60ff80, 0xff8040, 0x6a8cb0},
};
const uint32_t kPaddleAccent[kWorldCount] = {0xe8b040, 0x50d8ff, 0xf0c850, 0xff7028, 0x40f0d0};

// Signed distance inside the outline (positive inside), in pixels.
float Inside(char outline, float u, float v, float w, float h, unsigned seed) {
    float hw = w / 2, hh = h / 2, dx = std::fabs(u - hw), dy = std::fabs(v - hh);
    float box = std::min(hw - dx, hh - dy);
    switch (outline) {
    case 'n': {
        float r = std::min(3.0f, std::min(hw, hh) - 0.5f);
        float qx = dx - (hw - r), qy = dy - (hh - r);
        float round = r - std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) - std::min(std::max(qx, qy), 0.0f);
        return round - 1.1f * FieldFbm(u / 2.5f, v / 2.5f, 2, seed);
    }
    case 'c': {
        float cut = std::min(4.0f, std::min(hw, hh) * 0.6f);
        return std::min(box, (hw + hh - cut - dx - dy) * 0.7071f);
    }
    case 'e': return (1 - std::hypot(dx / hw, dy / hh)) * std::min(hw, hh);
    case 'd': return (1 - dx / hw - dy / hh) * std::min(hw, hh) * 0.7071f;
    case 'p':
    case 'r': {
        float r = outline == 'p' ? std::min(hw, hh) : std::min(2.5f, std::min(hw, hh) - 0.5f);
        float qx = dx - (hw - r), qy = dy - (hh - r);
        return r - std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) - std::min(std::max(qx, qy), 0.0f);
    }
    }
    return box;
}

struct Surfacing {
    float height;
    Rgb albedo;
    Rgb glow;
    float specular, shininess;
};

// The look of one point of a shape: bevel, texture and the world's details.
Surfacing Look(int world, int kind, float u, float v, float w, float h) {
    const BlockShape& shape = kBlockShapes[kind];
    unsigned seed = world * 13u + kind;
    float inside = Inside(kOutlines[world - 1][kind], u, v, w, h, seed);
    float bevel = std::min(3.0f, std::min(w, h) / 3);
    Surfacing s{SmoothStep(0, bevel, inside) * 2.2f, Hex(kind == 0 ? kSteel[world - 1] : kColours[world - 1][kind - 1]),
                {0, 0, 0}, 0.35f, 24};
    float n = FieldFbm(u / 4 + kind * 7, v / 4, 4, seed);
    if (kind == 0) {
        // Brushed metal with a rivet in each corner.
        float brush = FieldFbm(u / 9, v * 1.5f, 3, seed + 1);
        s.albedo = s.albedo * (0.78f + 0.35f * brush);
        s.height += 0.25f * brush;
        for (float cx : {3.5f, w - 3.5f})
            for (float cy : {3.5f, h - 3.5f}) s.height += 0.9f * SmoothStep(1.7f, 0.3f, std::hypot(u - cx, v - cy));
        s.specular = 0.8f;
        s.shininess = 30;
        return s;
    }
    switch (world) {
    case 1:
        s.albedo = s.albedo * (0.8f + 0.35f * n);
        s.height += 0.5f * n;
        if (shape.height >= 10) {
            float moss = SmoothStep(0.55f, 0.7f, FieldFbm(u / 5, v / 5, 3, seed + 3)) * SmoothStep(5, 1, v);
            s.albedo = Mix(s.albedo, Hex(0x5f9a2c), moss * 0.8f);
        }
        s.specular = 0.2f;
        s.shininess = 14;
        break;
    case 2:
        s.albedo = Mix(s.albedo, Hex(0xffffff), 0.25f * SmoothStep(w + h, 0, u + v)) * (0.9f + 0.15f * n);
        s.height += 0.35f * SmoothStep(0.8f, 1.6f, inside) - 0.2f * SmoothStep(2.5f, 4, inside) + 0.2f * n;
        s.specular = 0.9f;
        s.shininess = 50;
        break;
    case 3: {
        s.albedo = s.albedo * (0.82f + 0.3f * n);
        if (w >= 15 && h >= 10) s.height -= 0.7f * SmoothStep(0.7f, 0, std::fabs(inside - 3.2f));
        s.height += 0.3f * n;
        s.specular = 0.3f;
        s.shininess = 18;
        break;
    }
    case 4: {
        float crack = SmoothStep(0.88f, 0.97f, Ridged(u / 6 + kind, v / 6, 3, seed + 5)) * SmoothStep(1, 2.5f, inside);
        s.albedo = s.albedo * (0.75f + 0.3f * n) * (1 - 0.6f * crack);
        s.glow = Hex(0xffd070) * (0.8f * crack);
        s.height += 0.4f * n - 0.4f * crack;
        s.specular = 0.3f;
        break;
    }
    default: {
        float strip = (w >= 15 && h >= 10) ? SmoothStep(1.1f, 0.3f, std::fabs(v - h / 2)) * SmoothStep(2.5f, 4.5f, inside)
                                           : 0;
        s.albedo = s.albedo * (0.85f + 0.2f * n) * (1 - 0.5f * strip);
        s.glow = Mix(s.albedo, Hex(0xffffff), 0.6f) * (0.9f * strip);
        s.height += 0.15f * n;
        s.specular = 0.7f;
        s.shininess = 40;
        break;
    }
    }
    return s;
}

void DrawShape(Canvas& canvas, int world, int kind, int ox, int oy) {
    const BlockShape& shape = kBlockShapes[kind];
    float w = static_cast<float>(shape.width), h = static_cast<float>(shape.height);
    unsigned seed = world * 13u + kind;
    char outline = kOutlines[world - 1][kind];
    for (int y = 0; y < shape.height; ++y)
        for (int x = 0; x < shape.width; ++x) {
            int covered = 0;
            Rgb sum{0, 0, 0};
            for (int sy = 0; sy < 3; ++sy)
                for (int sx = 0; sx < 3; ++sx) {
                    float u = x + (sx + 0.5f) / 3, v = y + (sy + 0.5f) / 3;
                    if (Inside(outline, u, v, w, h, seed) <= 0) continue;
                    ++covered;
                    Surfacing s = Look(world, kind, u, v, w, h);
                    const float e = 0.25f;
                    float dx = (Look(world, kind, u + e, v, w, h).height - Look(world, kind, u - e, v, w, h).height) / (2 * e);
                    float dy = (Look(world, kind, u, v + e, w, h).height - Look(world, kind, u, v - e, w, h).height) / (2 * e);
                    float highlight = 0;
                    float diffuse = ShadeSlope(dx, dy, s.shininess, &highlight);
                    sum = sum + s.albedo * (0.38f + 0.8f * diffuse) + Rgb{1, 1, 1} * (highlight * s.specular) + s.glow;
                }
            // A pixel belongs to the shape when most of it is covered; its edge darkens softly.
            if (covered < 5) continue;
            Rgb c = sum * (1.0f / covered) * (0.55f + 0.45f * covered / 9.0f);
            float top = std::max({c.r, c.g, c.b});
            if (top < 0.16f) c = c + Rgb{0.16f, 0.16f, 0.16f} * (1 - top / 0.16f);
            canvas.at(ox + x, oy + y) = c;
        }
}

// The paddle: a 3 x 7 middle piece at (13, 1) that tiles every 3 pixels, and
// 4 x 11 end caps at (9, 0) and (16, 0).
void DrawPaddle(Canvas& canvas, int world) {
    const float body[7] = {0.95f, 0.85f, 0.72f, 0.62f, 0.52f, 0.4f, 0.28f};
    Rgb metal = Hex(0xc8d0dc), accent = Hex(kPaddleAccent[world - 1]);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 3; ++x) {
            Rgb c = metal * body[y];
            if (y == 3) c = Mix(c, accent, 0.7f);
            canvas.at(13 + x, 1 + y) = c;
        }
    for (int side = 0; side < 2; ++side)
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 4; ++x) {
                // A rounded end: the cap's outer columns are cut in an arc.
                float outer = side == 0 ? 3.5f - x : x + 0.5f;
                float dy = (y + 0.5f - 5.5f) / 5.5f;
                if (outer / 4.0f > std::sqrt(std::max(0.0f, 1 - dy * dy)) + 0.05f) continue;
                float light = 1.0f - 0.6f * (y / 10.0f) + (y == 1 ? 0.25f : 0);
                canvas.at((side == 0 ? 9 : 16) + x, y) = Mix(accent, Rgb{1, 1, 1}, y < 3 ? 0.35f : 0) * light;
            }
}

}  // namespace

bool WriteWorldBlocks(const std::string& out) {
    for (int world = 1; world <= kWorldCount; ++world) {
        Canvas canvas(kFieldWidth, kFieldHeight);
        DrawPaddle(canvas, world);
        std::string txtName = out + "Data/blocks" + std::to_string(world) + ".txt";
        std::ofstream txt(txtName, std::ios::binary);
        txt << "Block set " << world << ": one record per shape, in kind order, in units of 2/3 pixel.\n";
        for (int kind = 0; kind < kBlockShapeCount; ++kind) {
            const BlockShape& shape = kBlockShapes[kind];
            BlockPlace at = BlockShapePlace(kind);
            DrawShape(canvas, world, kind, at.x, at.y);
            txt << "[block," << ToSetUnits(at.x) << ',' << ToSetUnits(at.y) << ',' << ToSetUnits(shape.width) << ','
                << ToSetUnits(shape.height) << "] " << shape.name << (kind == 0 ? " (indestructible)" : "") << "\n";
        }
        txt.close();
        if (!txt) {
            std::fprintf(stderr, "mkassets: cannot write %s\n", txtName.c_str());
            return false;
        }
        if (!WritePicture(out, "blocks" + std::to_string(world) + ".png", canvas)) return false;
    }
    SetBaseFolder(out);
    bool ok = true;
    for (int world = 1; world <= kWorldCount; ++world)
        for (const std::string& problem : CheckBlockSetLoads(world)) {
            std::fprintf(stderr, "mkassets: block set %d: %s\n", world, problem.c_str());
            ok = false;
        }
    return ok;
}

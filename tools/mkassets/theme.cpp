#include "theme.h"

#include <cmath>

namespace theme {

void Backdrop(Canvas& c, int x, int y, int w, int h, uint32_t seed, float brightness) {
    for (int j = 0; j < h; j++)
        for (int i = 0; i < w; i++) {
            float fx = static_cast<float>(i), fy = static_cast<float>(j);
            float haze = Fbm(fx / 90.0f, fy / 90.0f, 64, 5, seed);
            float veins = Fbm(fx / 40.0f + 7.0f, fy / 40.0f, 64, 4, seed + 17);
            float ridge = 1.0f - std::fabs(veins * 2.0f - 1.0f);
            ridge = std::pow(ridge, 8.0f);
            float v = 0.35f + 0.9f * haze;
            Rgb col = Mix(kNight, kDusk, Clamp01(v - 0.2f)) * brightness;
            col = col + Mix(kPink, kCyan, haze) * (ridge * 0.10f * brightness);
            // A faint grid of floor lights.
            float gx = std::fabs(std::fmod(fx + 0.5f, 32.0f) - 16.0f), gy = std::fabs(std::fmod(fy + 0.5f, 32.0f) - 16.0f);
            float grid = std::max(SmoothStep(14.8f, 16.0f, gx), SmoothStep(14.8f, 16.0f, gy));
            col = col + kCyan * (grid * 0.035f * brightness);
            if (c.inside(x + i, y + j)) c.at(x + i, y + j) = col;
        }
}

void NeonFrame(Canvas& c, int x, int y, int w, int h, Rgb colour, int thickness) {
    float t = static_cast<float>(thickness);
    float cx = static_cast<float>(x) + static_cast<float>(w) / 2, cy = static_cast<float>(y) + static_cast<float>(h) / 2;
    float hw = static_cast<float>(w) / 2 + t / 2, hh = static_cast<float>(h) / 2 + t / 2;
    auto tube = [&](float px, float py) { return std::fabs(SdRoundBox(px, py, cx, cy, hw, hh, t)) - t / 2; };
    int pad = thickness * 5;
    int x0 = x - thickness - pad, y0 = y - thickness - pad, ww = w + 2 * (thickness + pad), hh2 = h + 2 * (thickness + pad);
    Mask m = ShapeMask(ww, hh2, [&](float px, float py) { return tube(px + static_cast<float>(x0), py + static_cast<float>(y0)); });
    Glow(c, m, x0, y0, colour, thickness + 2, 0.9f);
    BevelShape(c, x0, y0, ww, hh2, tube, t / 2, [&](int, int) { return Mix(Hex(0x8A86A8), colour, 0.35f); }, 0.9f);
}

void GlassPanel(Canvas& c, int x, int y, int w, int h, Rgb tint, int radius) {
    float cx = static_cast<float>(x) + static_cast<float>(w) / 2, cy = static_cast<float>(y) + static_cast<float>(h) / 2;
    float hw = static_cast<float>(w) / 2, hh = static_cast<float>(h) / 2, r = static_cast<float>(radius);
    auto outer = [&](float px, float py) { return SdRoundBox(px, py, cx, cy, hw, hh, r); };
    auto rim = [&](float px, float py) { return std::max(outer(px, py), -(outer(px, py) + 4.0f)); };
    // Glass: dark, tinted, with a soft sheen from the top-left.
    for (int j = 0; j < h; j++)
        for (int i = 0; i < w; i++) {
            float px = static_cast<float>(x + i) + 0.5f, py = static_cast<float>(y + j) + 0.5f;
            float cov = Coverage(outer(px, py) + 3.0f);
            if (cov <= 0) continue;
            float n = Fbm(static_cast<float>(i) / 24.0f, static_cast<float>(j) / 24.0f, 256, 3, 99);
            float sheen = Clamp01(1.0f - (static_cast<float>(i) + static_cast<float>(j) * 1.6f) / static_cast<float>(w + h));
            Rgb glass = Mix(kNight, tint * 0.22f, 0.35f + 0.4f * n) + kWhite * (sheen * sheen * 0.05f);
            c.blend(x + i, y + j, glass, cov);
        }
    BevelShape(c, x, y, w, h, rim, 2.0f, [&](int, int) { return Mix(Hex(0x6E6A8C), tint, 0.3f); }, 0.8f);
}

void Button(Canvas& c, int x, int y, int w, int h, const std::string& label, Rgb colour, float size) {
    float cx = static_cast<float>(x) + static_cast<float>(w) / 2, cy = static_cast<float>(y) + static_cast<float>(h) / 2;
    auto shape = [&](float px, float py) {
        return SdRoundBox(px, py, cx, cy, static_cast<float>(w) / 2, static_cast<float>(h) / 2, static_cast<float>(h) / 2 - 1);
    };
    Mask m = ShapeMask(w + 16, h + 16, [&](float px, float py) { return shape(px + static_cast<float>(x - 8), py + static_cast<float>(y - 8)); });
    Glow(c, m, x - 8, y - 8, colour, 3, 0.45f);
    BevelShape(c, x - 1, y - 1, w + 2, h + 2, shape, 4.0f,
               [&](int, int py) { return Mix(colour * 0.55f, colour * 0.25f, static_cast<float>(py - y) / static_cast<float>(h)); }, 0.7f);
    TextMask t = RenderText(Face::Rounded, size, label, 0.5f);
    int tx = static_cast<int>(cx) - t.advance / 2 - t.originX;
    int ty = static_cast<int>(cy + size * 0.36f) - t.baseline;
    PaintMask(c, t.mask, tx + 1, ty + 1, kNight, 0.6f);
    PaintMask(c, t.mask, tx, ty, kWhite);
}

void Screw(Canvas& c, float cx, float cy) {
    Sphere(c, cx, cy, 2.6f, Hex(0x9A96B8), 0.8f);
    for (int k = -1; k <= 1; k++) c.blend(static_cast<int>(cx) + k, static_cast<int>(cy) - k, Hex(0x2A2640), 0.8f);
}

void ZapLine(Canvas& c, float x0, float x1, float y, float amplitude, Rgb colour, float width) {
    float mid = (x0 + x1) / 2, a = amplitude;
    const float xs[] = {x0, mid - 2.2f * a, mid - 1.2f * a, mid, mid + 1.2f * a, mid + 2.2f * a, x1};
    const float ys[] = {y, y, y - a, y + a, y - a, y, y};
    int minX = static_cast<int>(x0) - 20, minY = static_cast<int>(y - a) - 20;
    int w = static_cast<int>(x1 - x0) + 40, h = static_cast<int>(2 * a) + 40;
    Mask m = ShapeMask(w, h, [&](float px, float py) {
        float d = 1e9f;
        for (int i = 0; i + 1 < 7; i++)
            d = std::min(d, SdSegment(px + static_cast<float>(minX), py + static_cast<float>(minY), xs[i], ys[i], xs[i + 1], ys[i + 1]));
        return d - width / 2;
    });
    Glow(c, m, minX, minY, colour, 3, 1.0f);
    PaintMask(c, m, minX, minY, Mix(colour, kWhite, 0.6f));
}

void Logo(Canvas& c, int cx, int y, float size) {
    TextMask t = RenderText(Face::TitleHeavy, size, "ZAPBRIK", size * 0.04f);
    int x = cx - t.advance / 2 - t.originX, top = y - t.baseline;
    // Outer magenta glow, a chrome-to-cyan face, a thin bright rim on top.
    Glow(c, t.mask, x, top, kPink, static_cast<int>(size / 9) + 1, 1.1f);
    Mask shadow = t.mask;
    PaintMask(c, shadow, x + static_cast<int>(size / 24) + 1, top + static_cast<int>(size / 24) + 1, Hex(0x10041C), 0.9f);
    for (int j = 0; j < t.mask.height; j++)
        for (int i = 0; i < t.mask.width; i++) {
            float a = t.mask.at(i, j);
            if (a <= 0) continue;
            float v = static_cast<float>(j - (t.baseline - static_cast<int>(size * 0.72f))) / (size * 0.72f);
            Rgb face = v < 0.5f ? Mix(kWhite, kCyan, v * 2) : Mix(kCyan, Hex(0x2050FF), (v - 0.5f) * 2);
            // A horizon line across the letters, like chrome catching the light.
            if (std::fabs(v - 0.5f) < 0.03f) face = kWhite;
            c.blend(x + i, top + j, face, a);
        }
    // The zap: a yellow neon line under the name with a spark in its middle.
    float half = static_cast<float>(t.advance) * 0.42f;
    ZapLine(c, static_cast<float>(cx) - half, static_cast<float>(cx) + half, static_cast<float>(y) + size * 0.16f, size * 0.07f,
            kYellow, std::max(1.2f, size / 36.0f));
}

}  // namespace theme

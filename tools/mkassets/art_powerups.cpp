#include "art_powerups.h"

#include <algorithm>
#include <cmath>

#include "art_families.h"
#include "families.h"
#include "game/layout.h"
#include "output.h"
#include "text.h"
#include "theme.h"

namespace {
using layout::kPowerUpCell;
constexpr float kCentre = kPowerUpCell / 2.0f;
constexpr float kMaskRadius = 11.8f;  // about 24 px across, so icons 24 px apart stay apart
constexpr float kOrbRadius = 9.6f;

struct Look {
    Rgb orb;
    const char* glyph;  // UTF-8 symbol, or null for a drawn one
    bool harmful;
};

const Look kLooks[layout::kPowerUpTypes] = {
    {Hex(0x1E8CFF), "\u25CE", false},  // 0 homing: a target
    {Hex(0x18B8A8), nullptr, false},    // 1 slow motion: a clock
    {Hex(0x2A6CFF), nullptr, false},    // 2 ball fountain: a spray of balls
    {Hex(0xFF6A1A), "\u25B2", false},  // 3 volcano
    {Hex(0x3E5CFF), nullptr, false},    // 4 ball splitter: one ball becoming two
    {Hex(0x2FC84A), "\u2B0C", false},  // 5 wide paddle
    {Hex(0xE0203A), "\u25B6\u25C0", true},  // 6 narrow paddle
    {Hex(0x1EA0FF), "\u00BB", false},  // 7 fast balls
    {Hex(0xB03CFF), "\u2738", false},  // 8 blaster
    {Hex(0x9A3CFF), nullptr, false},    // 9 chomper: a biting mouth
    {Hex(0xE0203A), "z", true},        // 10 sluggish paddle
    {Hex(0xFF2E9A), "\u21C8", false},  // 11 lasers
    {Hex(0x3A2A9A), nullptr, false},    // 12 fireball: a burning ball with its tail
    {Hex(0x2FC84A), nullptr, false},    // 13 fast paddle: a lightning bolt
    {Hex(0xE0203A), "\u2620", true},   // 14 lose balls
    {Hex(0xFF3C8C), "\u2665", false},  // 15 extra life
    {Hex(0xE0203A), "\u2744", true},   // 16 frozen paddle
    {Hex(0x2FC84A), "\u2B06", false},  // 17 raise zone
    {Hex(0xE0203A), "\u2B07", true},   // 18 lower zone
    {Hex(0x7A4CFF), nullptr, false},    // 19 reveal: an eye
    {Hex(0xFF5A1A), "\u2668", false},  // 20 burn-out
    {Hex(0x18A0C8), "\u21CA", false},  // 21 drain
};

struct Ink {
    int minX, maxX, minY, maxY;
};
Ink InkBox(const Mask& m) {
    Ink b{m.width, -1, m.height, -1};
    for (int j = 0; j < m.height; j++)
        for (int i = 0; i < m.width; i++)
            if (m.get(i, j) > 0.2f) b.minX = std::min(b.minX, i), b.maxX = std::max(b.maxX, i), b.minY = std::min(b.minY, j), b.maxY = std::max(b.maxY, j);
    return b;
}

// White symbol with a dark drop shadow, sized so its ink spans `span` pixels
// and centred on (cx, cy).
void Symbol(Canvas& c, float cx, float cy, const char* glyph, float span) {
    Face face = glyph[0] == 'z' ? Face::Rounded : Face::Sans;
    Ink probe = InkBox(RenderText(face, 40.0f, glyph).mask);
    float size = 40.0f * span / static_cast<float>(std::max(probe.maxX - probe.minX, probe.maxY - probe.minY) + 1);
    TextMask t = RenderText(face, size, glyph);
    Ink ink = InkBox(t.mask);
    int minX = ink.minX, maxX = ink.maxX, minY = ink.minY, maxY = ink.maxY;
    int x = static_cast<int>(std::lround(cx - static_cast<float>(minX + maxX + 1) / 2));
    int y = static_cast<int>(std::lround(cy - static_cast<float>(minY + maxY + 1) / 2));
    PaintMask(c, t.mask, x + 1, y + 1, Hex(0x100420), 0.7f);
    PaintMask(c, t.mask, x, y, theme::kWhite);
}

void Stroke(Canvas& c, float ax, float ay, float bx, float by, float width, Rgb colour) {
    Mask m = ShapeMask(kPowerUpCell, kPowerUpCell, [&](float x, float y) { return SdSegment(x, y, ax, ay, bx, by) - width / 2; });
    PaintMask(c, m, 0, 0, colour);
}

void DrawnSymbol(Canvas& c, int type) {
    const Rgb white = theme::kWhite, shadow = Hex(0x100420);
    float m = kCentre;
    switch (type) {
        case 1: {  // clock
            Mask ring = ShapeMask(kPowerUpCell, kPowerUpCell, [&](float x, float y) { return std::fabs(SdCircle(x, y, m, m, 5.6f)) - 1.1f; });
            PaintMask(c, ring, 1, 1, shadow, 0.7f);
            PaintMask(c, ring, 0, 0, white);
            Stroke(c, m, m, m, m - 4.0f, 1.5f, white);
            Stroke(c, m, m, m + 3.0f, m + 1.0f, 1.5f, white);
            break;
        }
        case 2:  // fountain: three balls rising from a point
            Sphere(c, m - 4.5f, m + 1.5f, 2.4f, white, 0.8f);
            Sphere(c, m, m - 3.5f, 2.4f, white, 0.8f);
            Sphere(c, m + 4.5f, m + 1.5f, 2.4f, white, 0.8f);
            Stroke(c, m - 2.5f, m + 5.5f, m + 2.5f, m + 5.5f, 1.4f, white);
            break;
        case 4:  // splitter: a ball and the two it becomes
            Stroke(c, m - 4.0f, m, m + 1.0f, m, 1.2f, white);
            Stroke(c, m + 1.0f, m, m + 4.0f, m - 3.5f, 1.2f, white);
            Stroke(c, m + 1.0f, m, m + 4.0f, m + 3.5f, 1.2f, white);
            Sphere(c, m - 4.5f, m, 2.6f, white, 0.8f);
            Sphere(c, m + 4.5f, m - 4.0f, 2.2f, white, 0.8f);
            Sphere(c, m + 4.5f, m + 4.0f, 2.2f, white, 0.8f);
            break;
        case 9: {  // a mouth: a disc with a wedge bitten out, and an eye
            Mask mouth = ShapeMask(kPowerUpCell, kPowerUpCell, [&](float x, float y) {
                float disc = SdCircle(x, y, m - 0.5f, m, 6.5f);
                float ang = std::atan2(y - m, x - m + 0.5f);
                float wedge = std::fabs(ang) < 0.6f ? 1.0f : 0.0f;
                return wedge > 0 ? std::max(disc, 0.8f) : disc;
            });
            PaintMask(c, mouth, 1, 1, shadow, 0.7f);
            PaintMask(c, mouth, 0, 0, white);
            Sphere(c, m - 1.0f, m - 3.3f, 1.2f, Hex(0x301050), 0.2f);
            break;
        }
        case 12:  // a fireball: flames trailing up and right from a white-hot ball
            for (int k = 5; k >= 1; k--) {
                float t = static_cast<float>(k) / 5.0f;
                Mask flame = ShapeMask(kPowerUpCell, kPowerUpCell, [&](float x, float y) {
                    return SdCircle(x, y, m - 2.0f + 7.0f * t, m + 2.0f - 7.0f * t, 3.6f - 2.4f * t);
                });
                PaintMask(c, flame, 0, 0, Mix(theme::kYellow, Hex(0xFF4A00), t), 1.0f);
            }
            Sphere(c, m - 2.0f, m + 2.0f, 3.6f, Hex(0xFFF4C0), 1.0f);
            break;
        case 13: {  // a lightning bolt
            const float xs[] = {m + 3.5f, m - 2.5f, m + 2.0f, m - 3.5f};
            const float ys[] = {m - 7.0f, m + 0.5f, m + 0.5f, m + 7.0f};
            Mask bolt = ShapeMask(kPowerUpCell, kPowerUpCell, [&](float x, float y) {
                float d = 1e9f;
                for (int i = 0; i < 3; i++) d = std::min(d, SdSegment(x, y, xs[i], ys[i], xs[i + 1], ys[i + 1]));
                return d - 1.3f;
            });
            PaintMask(c, bolt, 1, 1, shadow, 0.7f);
            PaintMask(c, bolt, 0, 0, theme::kYellow);
            break;
        }
        case 19: {  // an eye
            Mask lens = ShapeMask(kPowerUpCell, kPowerUpCell, [&](float x, float y) {
                return std::max(SdCircle(x, y, m, m + 5.0f, 9.0f), SdCircle(x, y, m, m - 5.0f, 9.0f));
            });
            PaintMask(c, lens, 1, 1, shadow, 0.7f);
            PaintMask(c, lens, 0, 0, white);
            Sphere(c, m, m, 2.8f, Hex(0x4020A0), 0.9f);
            break;
        }
        default: break;
    }
}

void HazardRing(Canvas& c) {
    for (int y = 0; y < kPowerUpCell; y++)
        for (int x = 0; x < kPowerUpCell; x++) {
            float fx = static_cast<float>(x) + 0.5f, fy = static_cast<float>(y) + 0.5f;
            float d = SdCircle(fx, fy, kCentre, kCentre, kMaskRadius - 1.0f);
            float cov = Coverage(std::fabs(d + 1.2f) - 1.4f);
            if (cov <= 0) continue;
            float ang = std::atan2(fy - kCentre, fx - kCentre) + 3.14159265f;
            bool stripe = std::fmod(ang * 12.0f / 3.14159265f, 2.0f) < 1.0f;
            c.blend(x, y, stripe ? theme::kYellow : Hex(0x1A1020), cov);
        }
}

void ChromeRing(Canvas& c, Rgb tint) {
    auto ring = [&](float x, float y) { return std::fabs(SdCircle(x, y, kCentre, kCentre, kMaskRadius - 2.2f)) - 1.5f; };
    BevelShape(c, 0, 0, kPowerUpCell, kPowerUpCell, ring, 1.5f, [&](int, int) { return Mix(Hex(0xB8B4D8), tint, 0.25f); }, 1.0f);
}

Canvas MakeIcon(int type) {
    const Look& look = kLooks[type];
    Canvas c(kPowerUpCell, kPowerUpCell);
    Sphere(c, kCentre, kCentre, kOrbRadius + 1.0f, look.orb, 0.0f);
    if (look.harmful) HazardRing(c); else ChromeRing(c, look.orb);
    Sphere(c, kCentre, kCentre, kOrbRadius - 0.6f, look.orb, 0.0f);
    if (look.glyph) Symbol(c, kCentre, kCentre, look.glyph, type == 3 ? 10.0f : 12.0f);
    else DrawnSymbol(c, type);
    // Glass over the symbol: a soft highlight at the upper left.
    for (int y = 0; y < kPowerUpCell; y++)
        for (int x = 0; x < kPowerUpCell; x++) {
            float fx = static_cast<float>(x) + 0.5f, fy = static_cast<float>(y) + 0.5f;
            float d = SdCircle(fx, fy, kCentre - 3.2f, kCentre - 4.2f, 4.2f);
            float inOrb = Coverage(SdCircle(fx, fy, kCentre, kCentre, kOrbRadius - 1.0f));
            c.add(x, y, theme::kWhite, SmoothStep(1.5f, -3.0f, d) * 0.35f * inOrb);
        }
    return c;
}

Canvas MakeSheet() {
    using namespace layout;
    Canvas sheet(kPowerUpCell * kPowerUpTypes, kPowerUpCell * 3);
    Mask disc = ShapeMask(kPowerUpCell, kPowerUpCell, [](float x, float y) { return SdCircle(x, y, kCentre, kCentre, kMaskRadius); });
    for (int t = 0; t < kPowerUpTypes; t++) {
        int x0 = t * kPowerUpCell;
        Canvas icon = MakeIcon(t);
        for (int y = 0; y < kPowerUpCell; y++)
            for (int x = 0; x < kPowerUpCell; x++) {
                float a = disc.at(x, y);
                // Icon pixels outside the mask are never drawn: keep them black.
                sheet.at(x0 + x, kPowerUpIconRow + y) = a > 0 ? icon.at(x, y) : Rgb{};
                sheet.at(x0 + x, kPowerUpMaskRow + y) = {0, 0, a};
                float r = std::hypot(static_cast<float>(x) + 0.5f - kCentre, static_cast<float>(y) + 0.5f - kCentre);
                float halo = std::exp(-(r * r) / (2.0f * 7.5f * 7.5f)) * 0.95f;
                // The rim of the halo fades out before the cell's edge.
                halo *= SmoothStep(kCentre, kCentre - 4.0f, r);
                sheet.at(x0 + x, kPowerUpGlowRow + y) = Mix(kLooks[t].orb, theme::kWhite, 0.25f) * halo;
            }
    }
    return sheet;
}

}  // namespace

const Canvas& PowerUpSheet() {
    static const Canvas sheet = MakeSheet();
    return sheet;
}

void DrawPowerUpIcon(Canvas& c, int cx, int cy, int type) {
    const Canvas& sheet = PowerUpSheet();
    int x0 = cx - kPowerUpCell / 2, y0 = cy - kPowerUpCell / 2;
    for (int y = 0; y < kPowerUpCell; y++)
        for (int x = 0; x < kPowerUpCell; x++) {
            c.blend(x0 + x, y0 + y, sheet.at(type * kPowerUpCell + x, layout::kPowerUpIconRow + y),
                    sheet.at(type * kPowerUpCell + x, layout::kPowerUpMaskRow + y).b);
        }
}

bool WritePowerUps(const std::string& out) { return WritePicture(out, "power-ups.png", PowerUpSheet()); }

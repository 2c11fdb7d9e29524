// "sprites.png" (blasts, balls, the hint tab) and "icons.png" (the chomper,
// which is also the level editor's exit button, with its mask and glow).
#include <algorithm>
#include <cmath>

#include "art_families.h"
#include "families.h"
#include "fit.h"
#include "game/layout.h"
#include "output.h"
#include "pixel_font.h"
#include "shell/catalogue.h"
#include "text.h"
#include "theme.h"

namespace {
using namespace layout;

// Fire colour for a heat of 0..1: embers, red, orange, yellow, white.
Rgb Fire(float heat) {
    const Rgb stops[5] = {Hex(0x000000), Hex(0xA01008), Hex(0xFF5A0A), Hex(0xFFD23A), Hex(0xFFFFF0)};
    float t = Clamp01(heat) * 4.0f;
    int i = std::min(3, static_cast<int>(t));
    return Mix(stops[i], stops[i + 1], t - static_cast<float>(i));
}

// One blast frame: a fireball that grows over frames 0..3, then burns out into
// a thinning ring of smoke and embers over 4..6.
void Blast(Canvas& c, int frame) {
    float x0 = static_cast<float>(frame * kBlastCell);
    float grow = std::min(frame, 3) / 3.0f, fade = frame > 3 ? static_cast<float>(frame - 3) / 3.0f : 0.0f;
    float radius = 5.0f + 9.5f * grow + 1.2f * fade * 3.0f;
    for (int y = 0; y < kBlastCell; y++)
        for (int x = 0; x < kBlastCell; x++) {
            float fx = static_cast<float>(x) + 0.5f - 16.0f, fy = static_cast<float>(y) + 0.5f - 16.0f;
            float r = std::hypot(fx, fy);
            float turb = Fbm((fx + 40.0f) / 6.0f, (fy + 40.0f + static_cast<float>(frame) * 3.0f) / 6.0f, 64, 4, 11u + static_cast<uint32_t>(frame));
            float edge = radius * (0.75f + 0.5f * turb);
            float heat = 1.0f - r / edge;
            if (frame > 3) {
                // Burning out from the middle: the hot core becomes a hole.
                float hole = radius * fade * 0.8f;
                heat = std::min(heat, (r - hole) / (radius * 0.5f)) * (1.0f - fade * 0.75f);
            }
            heat = Clamp01(heat * (1.1f + 0.3f * turb));
            c.at(static_cast<int>(x0) + x, y) = Fire(heat);
        }
}

void Balls(Canvas& c) {
    const Rgb colours[4] = {Hex(0xD8E0FF), theme::kCyan, theme::kOrange, theme::kPink};
    for (int k = 0; k < 4; k++) {
        Canvas ball(kBallCell, kBallCell);
        float centre = static_cast<float>(kBallCentre) + 0.5f;
        if (k >= 2) {
            // Fireballs burn: a hot rim around the core.
            Mask halo = ShapeMask(kBallCell, kBallCell, [&](float x, float y) { return SdCircle(x, y, centre, centre, 2.9f); });
            PaintMask(ball, halo, 0, 0, k == 2 ? Hex(0xC02808) : Hex(0xA0108A));
        }
        Sphere(ball, centre, centre, 2.45f, colours[k], 1.2f);
        // Column 0 belongs to the cell on the left; keep it (and faint rims) black.
        for (int y = 0; y < kBallCell; y++)
            for (int x = 0; x < kBallCell; x++) {
                Rgb p = ball.at(x, y);
                bool faint = std::max({p.r, p.g, p.b}) < 0.12f;
                if (x >= 1 && x <= 6 && y >= 1 && y <= 6 && !faint) c.at(kBallCellX[k] + x, kBallCellY + y) = p;
            }
    }
}

// The tab above a hint box: a rounded left end and a body labelled "HINT".
void HintTab(Canvas& c) {
    const Rgb frame = Hex(0x848484);  // the box's own grey
    const int width = kHintTabEndWidth + kHintTabBodyWidth, x0 = kHintTabEndX;
    Canvas tab(width, kHintTabHeight);
    auto shape = [&](float x, float y) { return SdRoundBox(x, y, static_cast<float>(width) / 2, 9.0f, static_cast<float>(width) / 2, 9.0f, 5.0f); };
    for (int y = 0; y < kHintTabHeight; y++)
        for (int x = 0; x < width; x++) {
            float d = shape(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
            if (d > 0.3f) continue;
            float t = static_cast<float>(y) / kHintTabHeight;
            Rgb fill = Mix(Hex(0x3A1866), Hex(0x1A0A30), t);
            tab.at(x, y) = d > -1.2f ? frame : fill;
        }
    // The label in the small pixel font, yellow, between two short cyan dashes.
    std::string label;
    ToLatin1(Tr("HINT"), label);
    const int n = static_cast<int>(label.size());
    CheckFit(Tr("HINT"), 6 * n + 2 * 8, kHintTabBodyWidth - 4);
    int lx = kHintTabEndWidth + (kHintTabBodyWidth - 6 * n) / 2;
    for (int k = 0; k < n; k++) {
        const int code = static_cast<unsigned char>(label[k]);
        const char* const* rows = PixelGlyph(code);
        if (!rows) continue;
        for (int j = 0; j < 5; j++)
            for (int i = 0; i < 5; i++)
                if (rows[j][i] == '#') tab.at(lx + 6 * k + i, 4 + j) = theme::kYellow;
        if (const char* above = PixelRowAbove(code))
            for (int i = 0; i < 5; i++)
                if (above[i] == '#') tab.at(lx + 6 * k + i, 3) = theme::kYellow;
    }
    for (int i = 0; i < 3; i++) {
        tab.at(lx - 8 + i, 6) = theme::kCyan;
        tab.at(lx + 6 * n + 3 + i, 6) = theme::kCyan;
    }
    c.paste(tab, x0, kHintTabY);
}

bool WriteSprites(const std::string& out) {
    Canvas c(224, 48);
    for (int f = 0; f < kBlastFrames; f++) Blast(c, f);
    Balls(c);
    HintTab(c);
    return WritePicture(out, "sprites.png", c);
}

// The chomper: a neon-green monster head with a wide open mouth whose middle is
// the bite point.
float ChomperHorns(float x, float y) {
    return std::min(SdSegment(x, y, 14.5f, 6.0f, 10.0f, 1.5f), SdSegment(x, y, 36.5f, 6.0f, 41.0f, 1.5f)) - 1.8f;
}
float ChomperHead(float x, float y) { return std::min(SdCircle(x, y, 25.5f, 22.0f, 21.0f), ChomperHorns(x, y)); }
float ChomperMouth(float x, float y) {
    float dx = (x - kBitePointX + 0.5f) / 15.0f, dy = (y - kBitePointY + 3.5f) / 8.0f;
    return (std::sqrt(dx * dx + dy * dy) - 1.0f) * 8.0f;
}

Canvas Chomper() {
    Canvas c(kBiteWidth, kBiteHeight);
    // Little horns behind a round green head.
    BevelShape(c, 0, 0, kBiteWidth, kBiteHeight, ChomperHorns, 1.5f, [](int, int) { return theme::kYellow; }, 0.8f);
    Sphere(c, 25.5f, 22.0f, 21.0f, Hex(0x3CE04A), 0.9f);
    // Eyes.
    Sphere(c, 17.0f, 13.0f, 5.0f, Hex(0xFFFFFF), 0.6f);
    Sphere(c, 33.0f, 12.0f, 5.5f, Hex(0xFFFFFF), 0.6f);
    Sphere(c, 18.5f, 14.0f, 2.3f, Hex(0x200830), 0.8f);
    Sphere(c, 34.5f, 13.0f, 2.5f, Hex(0x200830), 0.8f);
    // The mouth: dark throat, white teeth along the top and bottom lips.
    for (int y = 0; y < kBiteHeight; y++)
        for (int x = 0; x < kBiteWidth; x++) {
            float fx = static_cast<float>(x) + 0.5f, fy = static_cast<float>(y) + 0.5f;
            float d = ChomperMouth(fx, fy);
            float cov = Coverage(d);
            if (cov <= 0) continue;
            float depth = Clamp01(-d / 6.0f);
            Rgb throat = Mix(Hex(0xA01848), Hex(0x300614), depth);
            // Zig-zag teeth: triangles hanging from the top lip and rising from the bottom.
            float u = std::fmod(fx - 14.0f + 40.0f, 5.0f) / 5.0f;
            float tooth = 1.0f - std::fabs(u - 0.5f) * 2.0f;
            float top = kBitePointY - 3.5f - 8.0f * std::sqrt(std::max(0.0f, 1.0f - std::pow((fx - kBitePointX) / 15.0f, 2.0f)));
            float bottom = 2.0f * (kBitePointY - 3.5f) - top;
            bool isTooth = (fy - top) < 1.0f + 3.5f * tooth || (bottom - fy) < 1.0f + 2.5f * tooth;
            c.blend(x, y, isTooth ? Hex(0xF8F4E8) : throat, cov);
        }
    return c;
}

bool WriteIcons(const std::string& out) {
    Canvas c(164, 58);
    Canvas face = Chomper();
    Mask shape = ShapeMask(kBiteWidth, kBiteHeight, [](float x, float y) { return std::min(ChomperHead(x, y), ChomperMouth(x, y)); });
    for (int y = 0; y < kBiteHeight; y++)
        for (int x = 0; x < kBiteWidth; x++) {
            float a = shape.at(x, y);
            c.at(kBiteX + x, kBiteY + y) = a > 0 ? face.at(x, y) : Rgb{};
            // The mask sits one row lower than the picture.
            c.at(kBiteMaskX + x, kBiteMaskY + y) = {0, 0, a};
        }
    // The exit button's glow, aligned with the picture drawn 3 right and 4 down of it.
    Mask glow(kExitGlowWidth, kExitGlowHeight);
    for (int y = 0; y < kBiteHeight; y++)
        for (int x = 0; x < kBiteWidth; x++) glow.at(x + 3, y + 4) = shape.at(x, y);
    Blur(glow, 3);
    for (int y = 0; y < kExitGlowHeight; y++)
        for (int x = 0; x < kExitGlowWidth; x++)
            c.at(kExitGlowX + x, kExitGlowY + y) = theme::kLime * std::min(1.0f, glow.at(x, y) * 1.3f);
    return WritePicture(out, "icons.png", c);
}

}  // namespace

bool WriteSheets(const std::string& out) { return WriteSprites(out) && WriteIcons(out); }

// The start-up splashes ("qvlogo.png", "wxintro.png", the unused "tnlogo.png"),
// the mascot's intro with its talking mouth ("monkey.png", "monkeym.png") and
// the wallpaper shown on the way out ("wxwall.jpg").
#include <cmath>

#include "art_families.h"
#include "families.h"
#include "fit.h"
#include "output.h"
#include "shell/catalogue.h"
#include "svg.h"
#include "theme.h"

namespace {
bool WriteLogos(const std::string& out) {
    Canvas logo(512, 128);
    theme::Logo(logo, 256, 90, 80.0f);
    Canvas tagline(512, 96);
    FitText(Face::Script, 32.0f, Tr("Bricks, balls & monkey business"), 0.0f, tagline.width - 16);
    FitText(Face::Rounded, 13.0f, Tr("A GAME BY THE ZAPBRIK TEAM"), 3.0f, tagline.width - 16);
    NeonText(tagline, Face::Script, 32.0f, Tr("Bricks, balls & monkey business"), 256, 44, Hex(0xFFE0F4), theme::kPink, 4, 1.0f);
    NeonText(tagline, Face::Rounded, 13.0f, Tr("A GAME BY THE ZAPBRIK TEAM"), 256, 78, theme::kWhite, theme::kCyan, 2, 0.8f, 3.0f);
    // The emblem: a chrome disc with a neon Z.
    Canvas badge(64, 64);
    Sphere(badge, 32.0f, 32.0f, 29.0f, Hex(0x3A2A70), 0.8f);
    Mask ring = ShapeMask(64, 64, [](float x, float y) { return std::fabs(SdCircle(x, y, 32, 32, 27.5f)) - 1.5f; });
    AddMask(badge, ring, 0, 0, theme::kCyan, 0.9f);
    NeonText(badge, Face::TitleHeavy, 40.0f, "Z", 32, 46, theme::kWhite, theme::kPink, 2, 0.9f);
    return WritePicture(out, "qvlogo.png", logo) && WritePicture(out, "wxintro.png", tagline) &&
           WritePicture(out, "tnlogo.png", badge);
}

// The intro: the mascot under a spotlight on a violet stage whose border is one
// flat colour, because the game fills the screen with the top-left pixel.
constexpr int kIntroWidth = 320, kIntroHeight = 240;
constexpr int kMonkeyX = 70, kMonkeyY = 28, kMonkeySide = 180;

Canvas IntroStage() {
    const Rgb stage = Hex(0x1A0A30);
    Canvas c(kIntroWidth, kIntroHeight, stage);
    for (int y = 0; y < kIntroHeight; y++)
        for (int x = 0; x < kIntroWidth; x++) {
            float dx = static_cast<float>(x) - 160.0f, dy = (static_cast<float>(y) - 118.0f) * 1.2f;
            float r = std::hypot(dx, dy);
            float spot = SmoothStep(112.0f, 20.0f, r);
            c.at(x, y) = Mix(stage, Hex(0x4A1E78), spot);
        }
    Mask ring = ShapeMask(kIntroWidth, kIntroHeight, [](float x, float y) { return std::fabs(SdCircle(x, y, 160, 118, 96)) - 1.5f; });
    Glow(c, ring, 0, 0, theme::kPink, 3, 0.9f);
    AddMask(c, ring, 0, 0, Mix(theme::kPink, theme::kWhite, 0.5f), 1.0f);
    SvgImage monkey = RenderSvg("monkey.svg", kMonkeySide, kMonkeySide);
    Composite(c, monkey, kMonkeyX, kMonkeyY);
    // Everything near the edge is the stage colour exactly.
    for (int y = 0; y < kIntroHeight; y++)
        for (int x = 0; x < kIntroWidth; x++)
            if (x < 6 || y < 6 || x >= kIntroWidth - 6 || y >= kIntroHeight - 6) c.at(x, y) = stage;
    return c;
}

bool WriteIntro(const std::string& out) {
    Canvas stage = IntroStage();
    // The talking mouth: the mascot with his mouth open, cut out around the
    // mouth so the rest of the overlay is black (transparent to the game).
    Canvas talking = stage;
    SvgImage mouth = RenderSvg("monkey_mouth.svg", kMonkeySide, kMonkeySide);
    Composite(talking, mouth, kMonkeyX, kMonkeyY);
    Mask cut = mouth.alpha;
    Blur(cut, 1);
    Canvas overlay(kIntroWidth, kIntroHeight);
    for (int y = 0; y < kMonkeySide; y++)
        for (int x = 0; x < kMonkeySide; x++)
            if (cut.at(x, y) > 0.04f) overlay.at(kMonkeyX + x, kMonkeyY + y) = talking.at(kMonkeyX + x, kMonkeyY + y);
    return WritePicture(out, "monkey.png", stage) && WritePicture(out, "monkeym.png", overlay);
}

bool WriteWallpaper(const std::string& out) {
    Canvas c(640, 480);
    theme::Backdrop(c, 0, 0, 640, 480, 77);
    for (int y = 0; y < 480; y++)
        for (int x = 0; x < 640; x++) {
            float r = std::hypot(static_cast<float>(x) - 320.0f, static_cast<float>(y) - 250.0f);
            c.add(x, y, theme::kPink, SmoothStep(220.0f, 0.0f, r) * 0.18f);
        }
    theme::NeonFrame(c, 14, 14, 612, 452, theme::kPink, 4);
    theme::Logo(c, 320, 92, 64.0f);
    Mask ring = ShapeMask(640, 480, [](float x, float y) { return std::fabs(SdCircle(x, y, 320, 236, 104)) - 2.0f; });
    Glow(c, ring, 0, 0, theme::kCyan, 4, 0.9f);
    AddMask(c, ring, 0, 0, Mix(theme::kCyan, theme::kWhite, 0.5f), 1.0f);
    SvgImage monkey = RenderSvg("monkey.svg", 200, 200);
    Composite(c, monkey, 220, 130);
    FitText(Face::Script, 46.0f, Tr("Thanks for playing!"), 0.0f, c.width - 20);
    FitText(Face::Rounded, 14.0f, Tr("The bricks will be waiting. So will the monkey."), 0.0f, c.width - 20);
    NeonText(c, Face::Script, 46.0f, Tr("Thanks for playing!"), 320, 398, Hex(0xFFE6F6), theme::kPink, 5, 1.2f);
    NeonText(c, Face::Rounded, 14.0f, Tr("The bricks will be waiting. So will the monkey."), 320, 432, theme::kWhite, theme::kCyan, 2, 0.7f);
    return WritePicture(out, "wxwall.jpg", c);
}

}  // namespace

bool WriteSplashes(const std::string& out) { return WriteLogos(out) && WriteIntro(out) && WriteWallpaper(out); }

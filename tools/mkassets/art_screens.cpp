// The screens' pictures: the tiling background, the title with its side panel,
// the main menu strips, the options window and the level chooser.
#include <cmath>

#include "art_families.h"
#include "families.h"
#include "fit.h"
#include "game/layout.h"
#include "output.h"
#include "shell/catalogue.h"
#include "svg.h"
#include "theme.h"

namespace {
using namespace layout;

// A dark, low-contrast texture that wraps at its edges: violet haze and a faint
// diamond lattice of cyan light.
bool WriteBackground(const std::string& out) {
    constexpr int kSide = 64;
    Canvas c(kSide, kSide);
    for (int y = 0; y < kSide; y++)
        for (int x = 0; x < kSide; x++) {
            float fx = static_cast<float>(x) + 0.5f, fy = static_cast<float>(y) + 0.5f;
            float haze = Fbm(fx / 16.0f, fy / 16.0f, 4, 4, 5);
            float a = std::fabs(std::fmod(fx + fy, 32.0f) - 16.0f), b = std::fabs(std::fmod(fx - fy + 64.0f, 32.0f) - 16.0f);
            float line = std::max(SmoothStep(14.6f, 16.0f, a), SmoothStep(14.6f, 16.0f, b));
            Rgb col = Mix(Hex(0x0E0620), Hex(0x2A1046), haze) + theme::kCyan * (line * 0.07f) + theme::kPink * (haze * haze * 0.05f);
            c.at(x, y) = col;
        }
    return WritePicture(out, "bg.png", c);
}

void SidePanel(Canvas& c) {
    theme::GlassPanel(c, kSidePanelX, kSidePanelY, kSidePanelWidth, kSidePanelHeight, theme::kCyan, 10);
    // Recessed number fields.
    auto field = [&](int cx, int top, int w, int h) {
        float fx = static_cast<float>(cx), fy = static_cast<float>(top) + static_cast<float>(h) / 2;
        BevelShape(c, cx - w / 2 - 2, top - 2, w + 4, h + 4,
                   [&](float x, float y) { return SdRoundBox(x, y, fx, fy, static_cast<float>(w) / 2, static_cast<float>(h) / 2, 5.0f); },
                   2.0f, [](int, int) { return Hex(0x0A0414); }, 0.3f, true);
    };
    field(kScoreCentreX, kScoreStripY + 2, 124, 26);
    field(kLevelCentreX, 330, 60, 23);
    field(kLivesCentreX, 330, 60, 23);
    // The labels: SCORE from its x to the panel's edge, the others centred over
    // their fields, clear of the panel's edge and of the ball between them.
    const int labelRoom = 2 * (kLevelCentreX - kSidePanelX) - 8;
    FitText(Face::Rounded, 11.0f, Tr("SCORE"), 0.5f, kSidePanelX + kSidePanelWidth - 401 - 10);
    FitText(Face::Rounded, 10.0f, Tr("LEVEL"), 0.5f, labelRoom);
    FitText(Face::Rounded, 10.0f, Tr("LIVES"), 0.5f, labelRoom);
    FitText(Face::Rounded, 9.0f, Tr("ZAP ON!"), 0.5f, kLivesCentreX - kLevelCentreX - 60);
    DrawText(c, Face::Rounded, 11.0f, Tr("SCORE"), 401, 292, theme::kCyan, 0.5f);
    DrawTextCentred(c, Face::Rounded, 10.0f, Tr("LEVEL"), kLevelCentreX, 325, theme::kCyan, 0.5f);
    DrawTextCentred(c, Face::Rounded, 10.0f, Tr("LIVES"), kLivesCentreX, 325, theme::kPink, 0.5f);
    // Between the two fields, a spare ball resting in a cradle.
    Sphere(c, 505.0f, 336.0f, 7.0f, Hex(0xD8E0FF), 1.0f);
    DrawTextCentred(c, Face::Rounded, 9.0f, Tr("ZAP ON!"), 505, 356, theme::kYellow, 0.5f);
}

bool WriteTitle(const std::string& out) {
    Canvas c(kTitleWidth, kTitleHeight);
    theme::Backdrop(c, 0, 0, kTitleWidth, kTitleHeight, 3);
    // Light cones from the ceiling behind the title.
    for (int y = 0; y < kTitleHeight; y++)
        for (int x = 360; x < kTitleWidth; x++) {
            float dx = static_cast<float>(x) - 505.0f, dy = static_cast<float>(y) + 40.0f;
            float cone = SmoothStep(0.55f, 0.0f, std::fabs(dx) / dy) * SmoothStep(480.0f, 60.0f, dy);
            c.add(x, y, theme::kPink, cone * 0.10f);
        }
    theme::NeonFrame(c, kPanelX, kPanelY, kPanelWidth, kPanelHeight, theme::kCyan, 5);
    // A dark nameplate in the bottom centre, where the menu writes two lines.
    theme::GlassPanel(c, kCreditLinesLeft - 22, kCreditLinesTop - 5, kCreditLinesRight - kCreditLinesLeft + 44,
                      kCreditLinesBottom - kCreditLinesTop + 10, theme::kCyan, 5);
    // The panel stays plain: the frame's glow and the plate stop at its edge.
    for (int y = kPanelY; y < kPanelY + kPanelHeight; y++)
        for (int x = kPanelX; x < kPanelX + kPanelWidth; x++) c.at(x, y) = Hex(0x08040F);
    theme::Logo(c, 505, 84, 50.0f);
    FitText(Face::Script, 20.0f, Tr("the neon arcade"), 0.0f, kTitleWidth - kPanelX - kPanelWidth - 20);
    NeonText(c, Face::Script, 20.0f, Tr("the neon arcade"), 505, 114, Hex(0xFFD0F0), theme::kPink, 3, 0.8f);
    // The mascot leans in over the side panel.
    SvgImage monkey = RenderSvg("monkey.svg", 150, 150);
    Mask shade = monkey.alpha;
    Glow(c, shade, 431, 118, theme::kCyan, 6, 0.35f);
    Composite(c, monkey, 431, 118);
    SidePanel(c);
    // A row of neon bricks waiting for the ball.
    const Rgb bricks[5] = {theme::kCyan, theme::kPink, theme::kYellow, theme::kLime, theme::kOrange};
    for (int k = 0; k < 5; k++) {
        float bx = 396.0f + static_cast<float>(k) * 46.0f, by = 380.0f;
        auto brick = [&](float x, float y) { return SdRoundBox(x, y, bx + 20.5f, by + 8.0f, 20.5f, 8.0f, 3.0f); };
        Mask shape = ShapeMask(60, 34, [&](float x, float y) { return brick(x + bx - 8.0f, y + by - 8.0f); });
        Glow(c, shape, static_cast<int>(bx) - 8, static_cast<int>(by) - 8, bricks[k], 4, 0.35f);
        BevelShape(c, static_cast<int>(bx) - 1, static_cast<int>(by) - 1, 44, 18, brick, 3.0f,
                   [&](int, int y) { return Mix(Mix(bricks[k], theme::kWhite, 0.25f), bricks[k] * 0.7f, (static_cast<float>(y) - by) / 16.0f); },
                   0.8f);
    }
    Sphere(c, 462.0f, 366.0f, 5.0f, Hex(0xD8E0FF), 1.0f);
    FitText(Face::Rounded, 14.0f, Tr("MENU"), 0.5f, kMenuButtonRight - kMenuButtonLeft - 12);
    theme::Button(c, kMenuButtonLeft, kMenuButtonTop, kMenuButtonRight - kMenuButtonLeft, kMenuButtonBottom - kMenuButtonTop,
                  Tr("MENU"), theme::kPink, 14.0f);
    theme::Screw(c, 372.0f, 30.0f);
    theme::Screw(c, 628.0f, 30.0f);
    theme::Screw(c, 372.0f, 450.0f);
    theme::Screw(c, 628.0f, 450.0f);
    return WritePicture(out, "titleBack.png", c);
}

// The menu strips: six items lit (with the menu's glow) and the same six unlit.
bool WriteMenu(const std::string& out) {
    const char* items[kMenuItemCount] = {Tr("Resume"), Tr("New Game"), Tr("Options"), Tr("How to Play"),
                                         Tr("High Scores"), Tr("Exit")};
    for (const char* item : items) FitText(Face::Rounded, 25.0f, item, 1.0f, kMenuWidth - 24);
    Canvas c(kMenuWidth, kMenuStripHeight * kMenuItemCount * 2);
    for (int lit = 0; lit < 2; lit++)
        for (int i = 0; i < kMenuItemCount; i++) {
            Canvas strip(kMenuWidth, kMenuStripHeight);
            int baseline = kMenuTextCentreRow + 9;
            if (lit)
                NeonText(strip, Face::Rounded, 25.0f, items[i], kMenuWidth / 2, baseline, theme::kWhite, theme::kPink, 3, 1.4f, 1.0f);
            else
                NeonText(strip, Face::Rounded, 25.0f, items[i], kMenuWidth / 2, baseline, Hex(0x6FB0D0), Hex(0x164C66), 2, 0.4f, 1.0f);
            // Fade the glow out before the strip's edges, which overlap the next item.
            for (int y = 0; y < kMenuStripHeight; y++) {
                float k = SmoothStep(0.0f, 5.0f, static_cast<float>(y)) * SmoothStep(static_cast<float>(kMenuStripHeight), kMenuStripHeight - 5.0f, static_cast<float>(y));
                for (int x = 0; x < kMenuWidth; x++) strip.at(x, y) = strip.at(x, y) * k;
            }
            c.paste(strip, 0, (lit ? i : i + kMenuItemCount) * kMenuStripHeight);
        }
    return WritePicture(out, "mainMenu.png", c);
}

void VolumeTrack(Canvas& c, int knobY, const char* label, int labelBaseline, const char* note) {
    // The label ends before the note drawn at x 170.
    FitText(Face::Rounded, 10.5f, label, 0.5f, 160 - kVolumeTrackLeft);
    DrawText(c, Face::Rounded, 10.5f, label, kVolumeTrackLeft, labelBaseline, theme::kCyan, 0.5f);
    float cy = static_cast<float>(knobY) + kKnobHeight / 2.0f;
    float left = static_cast<float>(kVolumeTrackLeft), right = static_cast<float>(kVolumeTrackRight);
    BevelShape(c, kVolumeTrackLeft - 2, knobY, kVolumeTrackRight - kVolumeTrackLeft + 4, kKnobHeight,
               [&](float x, float y) { return SdRoundBox(x, y, (left + right) / 2, cy, (right - left) / 2, 3.5f, 3.5f); }, 2.0f,
               [](int, int) { return Hex(0x0A0414); }, 0.3f, true);
    // A lit scale inside the groove, brighter towards loud.
    for (int x = kVolumeTrackLeft + 3; x < kVolumeTrackRight - 3; x++) {
        float t = static_cast<float>(x - kVolumeTrackLeft) / static_cast<float>(kVolumeTrackRight - kVolumeTrackLeft);
        c.add(x, static_cast<int>(cy), Mix(theme::kCyan, theme::kPink, t), 0.25f + 0.35f * t);
    }
    for (int k = 0; k <= 8; k++) {
        int x = kVolumeTrackLeft + 3 + k * (kVolumeTrackRight - kVolumeTrackLeft - 6) / 8;
        c.add(x, knobY + kKnobHeight - 2, theme::kInk, 0.35f);
    }
    NeonText(c, Face::Sans, 16.0f, note, 170, knobY + 15, theme::kWhite, theme::kYellow, 2, 0.6f);
}

bool WriteOptions(const std::string& out) {
    Canvas c(kOptionsWidth, kOptionsHeight);
    theme::GlassPanel(c, 0, 0, kOptionsWidth, kOptionsWindowHeight, theme::kPink, 10);
    FitText(Face::Rounded, 17.0f, Tr("Options"), 1.0f, kOptionsWidth - 48);
    NeonText(c, Face::Rounded, 17.0f, Tr("Options"), kOptionsWidth / 2, 22, theme::kWhite, theme::kPink, 3, 0.9f, 1.0f);
    for (int x = 24; x < kOptionsWidth - 24; x++) c.add(x, kOptionsTitleRows - 2, theme::kPink, 0.4f);
    VolumeTrack(c, kEffectsKnobY, Tr("Effects Volume"), kEffectsKnobY - 4, "\u266A");
    VolumeTrack(c, kMusicKnobY, Tr("Music Volume"), kMusicKnobY - 3, "\u266B");
    // A divider above the control list (which the game writes below it).
    int divider = 150;
    for (int x = 16; x < kOptionsWidth - 16; x++) {
        float t = std::fabs(static_cast<float>(x) - kOptionsWidth / 2.0f) / (kOptionsWidth / 2.0f - 16.0f);
        c.add(x, divider, theme::kCyan, 0.5f * (1.0f - t * t));
    }
    // The label stays clear of the button's rounded ends.
    FitText(Face::Rounded, 11.0f, Tr("Close"), 0.5f, kCloseRight - kCloseLeft - 12);
    theme::Button(c, kCloseLeft + 1, kCloseTop + 1, kCloseRight - kCloseLeft - 1, kCloseBottom - kCloseTop - 2, Tr("Close"),
                  theme::kPink, 11.0f);
    // The knob: an opaque chrome slider with a lit centre line and no black pixels.
    int ky = kOptionsWindowHeight;
    for (int y = 0; y < kKnobHeight; y++)
        for (int x = 0; x < kKnobWidth; x++) {
            float t = static_cast<float>(x) / (kKnobWidth - 1);
            Rgb metal = Mix(Hex(0xE8E6FF), Hex(0x55507A), t);
            if (y == 0 || x == 0) metal = Hex(0xFFFFFF);
            if (y == kKnobHeight - 1 || x == kKnobWidth - 1) metal = Hex(0x3A3658);
            if (y >= 4 && y <= 13 && (x == 2 || x == 3)) metal = Mix(theme::kCyan, theme::kWhite, 0.3f);
            c.at(x, ky + y) = metal;
        }
    return WritePicture(out, "optionsWin.png", c);
}

bool WriteChooser(const std::string& out) {
    Canvas c(kChooseWidth, kChooseHeight);
    theme::Backdrop(c, 0, 0, kChooseWidth, kChooseHeight, 21, 0.8f);
    FitText(Face::Rounded, 24.0f, Tr("Choose your level..."), 0.5f, kChooseWidth - 16);
    FitText(Face::Sans, 11.0f, Tr("Lit squares are open. Click one to play it."), 0.0f, kChooseWidth - 16);
    FitText(Face::Sans, 11.0f, Tr("Clear a level to open the next."), 0.0f, kChooseWidth - 16);
    NeonText(c, Face::Rounded, 24.0f, Tr("Choose your level..."), kChooseWidth / 2, 52, theme::kWhite, theme::kCyan, 3, 0.9f, 0.5f);
    DrawTextCentred(c, Face::Sans, 11.0f, Tr("Lit squares are open. Click one to play it."), kChooseWidth / 2, 82, theme::kInk);
    DrawTextCentred(c, Face::Sans, 11.0f, Tr("Clear a level to open the next."), kChooseWidth / 2, 97, Mix(theme::kInk, theme::kPink, 0.4f));
    // A bevelled tray around the grid.
    float gx = static_cast<float>(kChooserGridX), gy = static_cast<float>(kChooserGridY), side = static_cast<float>(kChooserSheetSide);
    BevelShape(c, kChooserGridX - 5, kChooserGridY - 5, kChooserSheetSide + 10, kChooserSheetSide + 10,
               [&](float x, float y) {
                   float outer = SdRoundBox(x, y, gx + side / 2, gy + side / 2, side / 2 + 4, side / 2 + 4, 4);
                   return std::max(outer, -(outer + 4.0f));
               },
               2.0f, [](int, int) { return Hex(0x7A76A0); }, 0.8f);
    // Empty cells: dark glass with a thin lit frame; reachable cells get thumbnails.
    for (int r = 0; r < kChooserRows; r++)
        for (int col = 0; col < kChooserColumns; col++) {
            int x0 = kChooserGridX + col * kChooserCell, y0 = kChooserGridY + r * kChooserCell;
            for (int y = 0; y < kChooserCell; y++)
                for (int x = 0; x < kChooserCell; x++) {
                    bool edge = x == 0 || y == 0 || x == kChooserCell - 1 || y == kChooserCell - 1;
                    bool inner = x == 1 || y == 1;
                    float n = Fbm(static_cast<float>(x0 + x) / 12.0f, static_cast<float>(y0 + y) / 12.0f, 64, 3, 8);
                    Rgb fill = Mix(Hex(0x0C0618), Hex(0x1E0C34), n);
                    if (inner) fill = Hex(0x05020A);
                    if (edge) fill = Mix(Hex(0x3C2E66), Hex(0x2A5A7A), static_cast<float>(r + col) / 18.0f);
                    c.at(x0 + x, y0 + y) = fill;
                }
            // A small lock in the middle of each locked cell.
            float cx = static_cast<float>(x0) + 16.0f, cy = static_cast<float>(y0) + 17.0f;
            Mask lock = ShapeMask(kChooserCell, kChooserCell, [&](float x, float y) {
                float px = x + static_cast<float>(x0), py = y + static_cast<float>(y0);
                float body = SdRoundBox(px, py, cx, cy + 2.0f, 4.5f, 3.5f, 1.0f);
                float shackle = std::fabs(SdCircle(px, py, cx, cy - 2.0f, 3.0f)) - 0.8f;
                if (py > cy - 1.0f) shackle = 1e3f;
                return std::min(body, shackle);
            });
            PaintMask(c, lock, x0, y0, Hex(0x3A3060), 0.9f);
        }
    return WritePicture(out, "choose.png", c);
}

}  // namespace

bool WriteScreens(const std::string& out) {
    return WriteBackground(out) && WriteTitle(out) && WriteMenu(out) && WriteOptions(out) && WriteChooser(out);
}

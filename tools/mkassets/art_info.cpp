// "strider.png": the information page, the game's manual, with the hatch of the
// hidden options panel near its foot.
#include <cmath>
#include <cstdio>
#include <sstream>

#include "art_powerups.h"
#include "art_families.h"
#include "families.h"
#include "fit.h"
#include "game/layout.h"
#include "output.h"
#include "shell/catalogue.h"
#include "theme.h"

namespace {
using namespace layout;

constexpr int kMargin = 12;
constexpr float kBodySize = 10.5f;
constexpr int kBodyLeading = 14;
constexpr int kKeyColumn = 70;  // the keys' actions start this far right of the margin

struct Page {
    Canvas c{kInfoWidth, kInfoHeight};
    int y = 0;

    // Word-wrapped text from x to the right margin; returns the lines used.
    int Paragraph(const std::string& text, int x, Rgb colour, Face face = Face::Sans, float size = kBodySize) {
        std::istringstream words(text);
        std::string word, line;
        int lines = 0;
        auto flush = [&]() {
            DrawText(c, face, size, line, x, y + 10, colour);
            y += kBodyLeading;
            lines++;
            line.clear();
        };
        while (words >> word) {
            FitText(face, size, word, 0.0f, kInfoWidth - kMargin - x);
            std::string tryLine = line.empty() ? word : line + " " + word;
            if (!line.empty() && TextAdvance(face, size, tryLine) > kInfoWidth - kMargin - x) flush(), line = word;
            else line = tryLine;
        }
        if (!line.empty()) flush();
        return lines;
    }

    void Heading(const std::string& text) {
        FitText(Face::Rounded, 15.0f, text, 0.5f, kInfoWidth - 20);
        y += 14;
        NeonText(c, Face::Rounded, 15.0f, text, kInfoWidth / 2, y + 16, theme::kWhite, theme::kPink, 2, 0.8f, 0.5f);
        y += 24;
        for (int x = 30; x < kInfoWidth - 30; x++) {
            float t = std::fabs(static_cast<float>(x) - kInfoWidth / 2.0f) / (kInfoWidth / 2.0f - 30.0f);
            c.add(x, y, theme::kPink, 0.55f * (1.0f - t * t));
        }
        y += 8;
    }

    void Key(const std::string& key, const std::string& action) {
        // The key's button ends before the action's column.
        FitText(Face::SansBold, 9.5f, key, 0.0f, kKeyColumn - 14);
        int w = TextAdvance(Face::SansBold, 9.5f, key) + 10;
        theme::Button(c, kMargin, y + 1, w, 13, "", theme::kCyan);
        DrawTextCentred(c, Face::SansBold, 9.5f, key, kMargin + w / 2, y + 11, theme::kWhite);
        int top = y;
        Paragraph(action, kMargin + kKeyColumn, theme::kInk);
        y = std::max(y, top + 17) + 3;
    }

    void PowerUp(int type, const std::string& name, bool trap, const std::string& text) {
        int top = y;
        DrawPowerUpIcon(c, kMargin + 14, y + 18, type);
        const int nameRoom = kInfoWidth - kMargin - 36 - 4;
        if (trap)
            CheckFit(name + " " + Tr("TRAP"),
                     TextAdvance(Face::SansBold, 10.5f, name) + 4 + TextAdvance(Face::Rounded, 8.0f, Tr("TRAP"), 1.0f), nameRoom);
        else
            FitText(Face::SansBold, 10.5f, name, 0.0f, nameRoom);
        DrawText(c, Face::SansBold, 10.5f, name, kMargin + 36, y + 10, trap ? Hex(0xFF7080) : theme::kCyan);
        if (trap) {
            int x = kMargin + 40 + TextAdvance(Face::SansBold, 10.5f, name);
            DrawText(c, Face::Rounded, 8.0f, Tr("TRAP"), x, y + 10, theme::kYellow, 1.0f);
        }
        y += kBodyLeading;
        Paragraph(text, kMargin + 36, theme::kInk);
        y = std::max(y, top + 34) + 3;
    }
};

void Backplate(Canvas& c) {
    for (int y = 0; y < kInfoHeight; y++)
        for (int x = 0; x < kInfoWidth; x++) {
            float fx = static_cast<float>(x), fy = static_cast<float>(y);
            float n = Fbm(fx / 40.0f, fy / 40.0f, 1024, 4, 31);
            Rgb col = Mix(Hex(0x0A0516), Hex(0x1E0B36), n);
            // Neon rails down both sides.
            float rail = std::min(std::fabs(fx - 4.5f), std::fabs(fx - (kInfoWidth - 5.5f)));
            col = col + Mix(theme::kCyan, theme::kPink, 0.5f + 0.5f * std::sin(fy / 180.0f)) * (std::exp(-rail * rail / 2.0f) * 0.55f);
            c.at(x, y) = col;
        }
}

// The hatch over the hidden panel: a riveted steel plate that looks like a
// service door, with a warning stripe and a label.
void Hatch(Canvas& c) {
    const float x0 = kHiddenPanelX, y0 = kHiddenPanelY, w = kHiddenPanelWidth, h = kHiddenPanelHeight;
    auto plate = [&](float x, float y) { return SdRoundBox(x, y, x0 + w / 2, y0 + h / 2, w / 2, h / 2, 6.0f); };
    BevelShape(c, kHiddenPanelX, kHiddenPanelY, kHiddenPanelWidth, kHiddenPanelHeight, plate, 4.0f,
               [&](int x, int y) {
                   // Brushed steel: streaks along x.
                   float n = Fbm(static_cast<float>(x) / 30.0f, static_cast<float>(y) / 1.5f, 1024, 3, 44);
                   return Mix(Hex(0x5A5878), Hex(0x9A98B8), n);
               },
               0.9f);
    for (int y = kHiddenPanelY + 10; y < kHiddenPanelY + 22; y++)
        for (int x = kHiddenPanelX + 12; x < kHiddenPanelX + kHiddenPanelWidth - 12; x++) {
            bool stripe = ((x + y) / 6) % 2 == 0;
            c.at(x, y) = stripe ? Mix(theme::kYellow, Hex(0x000000), 0.1f) : Hex(0x201828);
        }
    for (int y = kHiddenPanelY + kHiddenPanelHeight - 22; y < kHiddenPanelY + kHiddenPanelHeight - 10; y++)
        for (int x = kHiddenPanelX + 12; x < kHiddenPanelX + kHiddenPanelWidth - 12; x++) {
            bool stripe = ((x + y) / 6) % 2 == 0;
            c.at(x, y) = stripe ? Mix(theme::kYellow, Hex(0x000000), 0.1f) : Hex(0x201828);
        }
    int cx = kHiddenPanelX + kHiddenPanelWidth / 2, cy = kHiddenPanelY + kHiddenPanelHeight / 2;
    FitText(Face::TitleHeavy, 17.0f, Tr("STAFF ONLY"), 0.0f, kHiddenPanelWidth - 24);
    FitText(Face::Script, 12.0f, Tr("no monkeying around"), 0.0f, kHiddenPanelWidth - 24);
    DrawTextCentred(c, Face::TitleHeavy, 17.0f, Tr("STAFF ONLY"), cx + 1, cy + 3, Hex(0xD8D6F0));
    DrawTextCentred(c, Face::TitleHeavy, 17.0f, Tr("STAFF ONLY"), cx, cy + 2, Hex(0x24203A));
    DrawTextCentred(c, Face::Script, 12.0f, Tr("no monkeying around"), cx, cy + 18, Hex(0x3A2A50));
    theme::Screw(c, x0 + 6.5f, y0 + 6.5f);
    theme::Screw(c, x0 + w - 6.5f, y0 + 6.5f);
    theme::Screw(c, x0 + 6.5f, y0 + h - 6.5f);
    theme::Screw(c, x0 + w - 6.5f, y0 + h - 6.5f);
}

}  // namespace

bool WriteInfoPage(const std::string& out) {
    Page p;
    Backplate(p.c);
    theme::Logo(p.c, kInfoWidth / 2, 50, 38.0f);
    p.y = 66;
    FitText(Face::Script, 20.0f, Tr("How to Play"), 0.0f, kInfoWidth - 20);
    NeonText(p.c, Face::Script, 20.0f, Tr("How to Play"), kInfoWidth / 2, 92, Hex(0xFFE6F6), theme::kPink, 3, 0.9f);
    p.y = 104;
    p.Paragraph(Tr("Scroll with the arrows on the left, or with the Up and Down keys. Click anywhere else to go back."),
                kMargin, Mix(theme::kInk, theme::kCyan, 0.4f));

    p.Heading(Tr("The Idea"));
    p.Paragraph(Tr("Keep the balls bouncing and zap every brick that can break. Steel bricks never break: a level is "
                "cleared when only they are left."), kMargin, theme::kInk);
    p.y += 4;
    p.Paragraph(Tr("A ball that drops into the pit at the bottom is gone. Lose the last one and you lose a life; then a "
                "new ball is served."), kMargin, theme::kInk);

    p.Heading(Tr("Your Paddle"));
    p.Paragraph(Tr("Move the mouse or use the arrow keys. The paddle slides left and right, and up and down inside its "
                "zone: the band below the faint glowing line."), kMargin, theme::kInk);
    p.y += 4;
    p.Paragraph(Tr("Broken bricks crumble into rubble that piles up like sand. Push the paddle into sand to dig it "
                "away before it fills the zone."), kMargin, theme::kInk);

    p.Heading(Tr("Keys"));
    p.Key(Tr("Arrows"), Tr("steer the paddle; scroll this page"));
    p.Key(Tr("Esc"), Tr("back to the menu; the game waits there for you"));
    p.Key(Tr("Pause"), Tr("back to the menu, as does a right click"));
    p.Key(Tr("Menu"), Tr("the button beside the playfield"));
    p.Key("F11", Tr("full screen or window"));
    p.Paragraph(Tr("The steering keys and Esc can be changed in Options."), kMargin, Mix(theme::kInk, theme::kCyan, 0.4f));

    p.Heading(Tr("Power-ups"));
    p.Paragraph(Tr("Some bricks carry a capsule. Catch it with the paddle to use it. Red capsules with a striped rim "
                "are traps: dodge them!"), kMargin, theme::kInk);
    p.y += 8;
    struct Entry {
        const char* name;
        const char* text;
    };
    const Entry entries[kPowerUpTypes] = {
        {TrNoop("Homing"), TrNoop("Balls steer towards the bricks.")},
        {TrNoop("Slow Motion"), TrNoop("Balls, capsules and rubble slow down; your paddle does not.")},
        {TrNoop("Ball Fountain"), TrNoop("A fountain of new balls sprays from the paddle.")},
        {TrNoop("Volcano"), TrNoop("The paddle erupts with sparks and fresh balls.")},
        {TrNoop("Ball Splitter"), TrNoop("Balls keep splitting in two.")},
        {TrNoop("Wide Paddle"), TrNoop("The paddle grows wider.")},
        {TrNoop("Narrow Paddle"), TrNoop("The paddle shrinks.")},
        {TrNoop("Fast Balls"), TrNoop("Balls race along with a ghostly trail.")},
        {TrNoop("Blaster"), TrNoop("Bricks blow up one after another, steel ones too.")},
        {TrNoop("Chomper"), TrNoop("A hungry monster bites a brick out of the level.")},
        {TrNoop("Sluggish Paddle"), TrNoop("The paddle turns slow and heavy.")},
        {TrNoop("Lasers"), TrNoop("Two laser beams fire up from the paddle.")},
        {TrNoop("Fireball"), TrNoop("Balls burn straight through bricks.")},
        {TrNoop("Fast Paddle"), TrNoop("The paddle moves faster, with a trail.")},
        {TrNoop("Lose Balls"), TrNoop("Every ball in play bursts at once.")},
        {TrNoop("Extra Life"), TrNoop("One more life.")},
        {TrNoop("Frozen Paddle"), TrNoop("The paddle freezes solid for a while.")},
        {TrNoop("Raise Zone"), TrNoop("The paddle's zone grows taller.")},
        {TrNoop("Lower Zone"), TrNoop("The paddle's zone sinks towards the pit.")},
        {TrNoop("Reveal"), TrNoop("Marks the bricks that hide capsules.")},
        {TrNoop("Burn-out"), TrNoop("Burns away the rubble around the paddle.")},
        {TrNoop("Drain"), TrNoop("The rubble heap at the bottom sinks away.")},
    };
    const bool traps[kPowerUpTypes] = {false, false, false, false, false, false, true, false, false, false, true,
                                       false, false, false, true, false, true, false, true, false, false, false};
    for (int t = 0; t < kPowerUpTypes; t++) p.PowerUp(t, Tr(entries[t].name), traps[t], Tr(entries[t].text));
    p.Paragraph(Tr("Traps wear off when a new ball is served."), kMargin, Mix(theme::kInk, theme::kCyan, 0.4f));

    p.Heading(Tr("Difficulty"));
    p.Paragraph(Tr("Easy, Medium, Hard or Insane: pick one in Options. Each step makes the balls faster, the paddle "
                "narrower and its zone lower. Every difficulty keeps its own high scores and its own open levels."),
                kMargin, theme::kInk);

    p.Heading(Tr("Levels and Hints"));
    p.Paragraph(Tr("There are 100 levels. Clear one to open the next in the level chooser. Helpful hints show at the "
                "start of a level; switch them off in Options."), kMargin, theme::kInk);

    p.Heading(Tr("Credits"));
    p.Paragraph(Tr("Made by the Zapbrik team."), kMargin, theme::kInk);
    p.Paragraph(Tr("Every picture, tune and sound was made by our own generator."), kMargin, Mix(theme::kInk, theme::kCyan, 0.4f));
    if (p.y > kHiddenPanelY - 16) {
        std::fprintf(stderr, "mkassets: the manual runs to page row %d, into the hidden panel at %d\n", p.y, kHiddenPanelY);
        return false;
    }
    Hatch(p.c);
    DrawTextCentred(p.c, Face::Rounded, 8.0f, "ZAPBRIK", kInfoWidth / 2, kInfoHeight - 6, Mix(theme::kInk, theme::kPink, 0.5f), 2.0f);
    return WritePicture(out, "strider.png", p.c);
}

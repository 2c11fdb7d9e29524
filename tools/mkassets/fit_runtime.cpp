// The texts the game writes at run time, measured with the game's own fonts and
// text widths against the places the screens give them.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "fit.h"
#include "game/flow/info_page.h"
#include "game/flow/main_menu.h"
#include "game/input/editor.h"
#include "game/layout.h"
#include "game/flow/options.h"
#include "gfx/font.h"
#include "gfx/picture.h"
#include "shell/catalogue.h"
#include "shell/screen.h"
#include "shell/input.h"
#include "shell/paths.h"
#include "text.h"

namespace {
using namespace layout;

constexpr int kFontGamma = 80;  // the start-up loads the fonts at this level
constexpr int kSmallAdvance = 6;
constexpr int kGap = 8;  // the least room between two texts on one line

// A translated text in the game's code page, and its width in a font slot (-1:
// the small font).
std::string Shown(const std::string& text) {
    std::string latin1;
    if (!ToLatin1(text, latin1)) std::fprintf(stderr, "mkassets: \"%s\" has a letter the fonts lack\n", text.c_str());
    return latin1;
}
int Width(const std::string& text, int slot) {
    const std::string shown = Shown(text);
    return slot < 0 ? kSmallAdvance * static_cast<int>(shown.size()) : textWidth(shown, slot);
}
void Fit(const std::string& text, int slot, int room) { CheckFit(text, Width(text, slot), room); }
}  // namespace

void CheckRuntimeTexts(const std::string& out) {
    SetBaseFolder(out);
    const int saved = getGamma();
    setGamma(kFontGamma);
    Surface* pictures[kFontSlots] = {};
    for (const FontLayout& f : kFonts) {
        loadPicture(f.file, pictures[f.slot]);
        loadFont(pictures[f.slot], f.slot, f.rowHeight);
    }
    setGamma(saved);

    // The play screen's messages, over the playfield.
    for (const char* message : {"Level Complete!", "Get Ready!", "Doh!!"}) Fit(Tr(message), 0, playfieldRect.w);
    Fit(Tr("Click to start now"), -1, playfieldRect.w);
    // The name entry's prompt, the menu's credit line, the editor's help line
    // along the bottom of the screen and the screenshot note's failure.
    Fit(Tr("Type your name, then press Enter"), -1, kPanelWidth);
    Fit(Tr(kByline), -1, kScreenWidth);
    Fit(Tr(kEditorHelp), -1, kScreenWidth - 8);
    Fit(Tr("Screenshot failed"), -1, kScreenWidth);
    // The panels: titles, the score line with the longest score, the buttons of
    // the name entry in the two bottom corners.
    for (const char* title : {"High Scores", "Game Over"}) Fit(Tr(title), 0, kPanelWidth);
    const std::string scoreLine = std::string(Tr("Score")) + " 9999999";
    Fit(scoreLine, 0, kPanelWidth);
    Fit(scoreLine, -1, kPanelWidth);
    CheckFit(std::string(Tr("Erase")) + " / " + Tr("Done"), Width(Tr("Erase"), 0) + kGap + Width(Tr("Done"), 0),
             kPanelWidth - 10);
    Fit(Tr("You have a high score!"), 2, kPanelWidth);
    Fit(Tr("Click to Continue"), 1, kPanelWidth);
    // The options window: difficulty and hints lines, the control list (each
    // control beside the widest key name), the capture prompt.
    for (int d = 1; d <= 4; ++d) {
        Fit(Tr(difficultyNames[d]), 1, kOptionsWidth - kDifficultyTextX - 4);
        Fit(Tr(difficultyNames[d]), -1, kPanelWidth);
    }
    for (const char* hints : {"Helpful Hints: ON", "Helpful Hints: OFF"})
        Fit(Tr(hints), 1, kOptionsWidth - kHintsTextX - 4);
    Fit(Tr("Control Configuration"), 1, kPanelWidth);
    // Any key may be bound to a control: each control's name beside the widest key name.
    int widestKey = 0;
    for (int32_t code = 0; code < 256; ++code) widestKey = std::max(widestKey, Width(KeyName(code), 1));
    for (const char* control : bindingLabels) {
        CheckFit(Tr(control), Width(Tr(control), 1) + kGap + widestKey, kControlsKeyRight - kControlsLabelX);
        Fit(Tr(control), -1, kPanelWidth);
    }
    Fit(Tr("Press Desired Button for"), -1, kPanelWidth);
    // The hidden panel under the information page.
    Fit(Tr("Level Editor"), 1, kHiddenPanelWidth);
    const int onOff = std::max(Width(Tr("ON"), 1), Width(Tr("OFF"), 1));
    for (const char* option : hiddenOptionNames)
        CheckFit(Tr(option), Width(std::string(Tr(option)) + "  ", 1) + onOff, kHiddenPanelWidth);

    for (const FontLayout& f : kFonts) {
        delete fonts[f.slot];
        fonts[f.slot] = nullptr;
        removeSurface(pictures[f.slot]);
    }
}

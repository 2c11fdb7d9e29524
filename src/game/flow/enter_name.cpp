#include "game/flow/enter_name.h"

#include <cstdio>
#include <cstring>

#include "game/game_state.h"
#include "game/flow/high_score_table.h"
#include "game/layout.h"
#include "game/flow/screen_text.h"
#include "gfx/font.h"
#include "shell/catalogue.h"

void EnterEnterName() {
    std::memset(playerName, 0, sizeof playerName);
    playerNameLength = 0;
}

void AppendNameCharacter(char c) {
    if (playerNameLength >= 10) return;
    playerName[playerNameLength++] = c;
    playerName[playerNameLength] = 0;
}

void EraseNameCharacter() {
    if (playerNameLength > 0) playerName[--playerNameLength] = 0;
}

void FinishNameEntry() {
    if (playerNameLength > 0) InsertHighScore(playerName, score, difficulty);
    currentMode = ModeHighScores;
}

namespace {
constexpr int kNameBaseline = 80;

// A blinking bar where the next character goes, as tall as a capital letter.
void DrawNameCaret(Surface* dest, int x) {
    if (tickCounter & 32) return;
    const int height = fontLineHeight(0) * 2 / 3;
    for (int y = kNameBaseline - height; y < kNameBaseline; ++y) {
        putPixel(dest, x, y, packColour(31, 31, 31));
        putPixel(dest, x + 1, y, packColour(31, 31, 31));
    }
}
}  // namespace

int32_t DrawEnterName() {
    using namespace layout;
    Surface* dest = backSurface;
    DrawScreenText(dest, Tr("High Scores"), kPanelCentreX, 20, 0, TextCentred);
    char line[32];
    std::snprintf(line, sizeof line, "%s %d", Tr("Score"), score);
    DrawSmallTextCentred(dest, line, kPanelCentreX, 32, packColour(31, 31, 0));
    DrawScreenText(dest, Tr("Done"), kPanelWidth - 5, kPanelHeight - 10, 0, TextRight, true);
    DrawScreenText(dest, Tr("Erase"), 5, kPanelHeight - 10, 0, TextLeft, true);
    const std::string_view name(playerName, playerNameLength);
    DrawScreenText(dest, name, kPanelCentreX, kNameBaseline, 0, TextCentred);
    DrawNameCaret(dest, kPanelCentreX - (textWidth(name, 0) >> 1) + textWidth(name, 0) + 1);
    DrawSmallTextCentred(dest, Tr("Type your name, then press Enter"), kPanelCentreX, kNameBaseline + 14,
                         packColour(24, 24, 24));
    for (int v = 0; v < 8; ++v)
        for (int c = 0; c < 12; ++c) {
            int code = KeyboardCode(c, v);
            if (code > 127) code += 64;
            if (code >= 127) continue;
            const char glyph = static_cast<char>(code);
            DrawScreenText(dest, std::string_view(&glyph, 1), kPanelCentreX - 145 + 25 * c, kPanelHeight / 2 - 70 + 20 * v,
                           2, TextLeft, true);
        }
    return ModeEnterName;
}

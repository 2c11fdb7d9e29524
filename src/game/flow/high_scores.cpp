#include "game/flow/high_scores.h"

#include <cstdio>

#include "game/game_state.h"
#include "game/flow/high_score_table.h"
#include "game/flow/info_page.h"
#include "game/layout.h"
#include "game/flow/options.h"
#include "game/flow/screen_text.h"
#include "gfx/font.h"
#include "shell/catalogue.h"
#include "shell/log.h"

void EnterHighScores() {
    scrollPos = 0;
    LoadHighScores(difficulty);
}

int32_t DrawHighScores() {
    using namespace layout;
    Surface* dest = backSurface;
    const int lineHeight = fontLineHeight(0);
    DrawScreenText(dest, Tr("High Scores"), kPanelCentreX, 30, 0, TextCentred);
    for (int r = 0; r < kHighScoreShownRows; ++r) {
        const int y = 20 + (r + 2) * (lineHeight + 5);
        const uint16_t colour = r == highScoreRank ? packColour(31, 31, tickCounter & 31) : 0;
        HighScoreRowText row = HighScoreRowTexts(r);
        char place[16];
        std::snprintf(place, sizeof place, "%2d", r + 1);
        DrawScreenText(dest, place, 20, y, 0, TextLeft, true, colour);
        DrawScreenText(dest, row.name, 50, y, 0, TextLeft, true, colour);
        DrawScreenText(dest, row.score, kPanelWidth - 20, y, 0, TextRight, true, colour);
    }
    const int d = difficulty >= 1 && difficulty <= 4 ? difficulty : 1;
    DrawSmallTextCentred(dest, Tr(difficultyNames[d]), kPanelCentreX, lineHeight + 12, paletteColours[ColourYellow]);
    return ModeHighScores;
}

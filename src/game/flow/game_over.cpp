#include "game/flow/game_over.h"

#include <cstdio>

#include "game/flow/choose_level.h"
#include "game/game_state.h"
#include "game/flow/high_score_table.h"
#include "game/layout.h"
#include "game/flow/screen_text.h"
#include "game/play/paddle.h"
#include "gfx/picture.h"
#include "gfx/display.h"
#include "shell/catalogue.h"
#include "shell/input.h"
#include "sound/mixer.h"
#include "shell/platform.h"

void EnterGameOver() {
    ShowCursor();
    EndGameInProgress();
    loadPicture("titleBack.png", backSurface);
    if (mouseButtonDown) waitForButtonRelease = 1;
    highScoreRank = HighScoreRank(score, difficulty);
    playSound(highScoreRank < 12 ? SoundGeneral8 : SoundGeneral48);
}

int32_t DrawGameOver() {
    using namespace layout;
    Surface* dest = backSurface;
    DrawScreenText(dest, Tr("Game Over"), kPanelCentreX, 40, 0, TextCentred);
    char line[32];
    std::snprintf(line, sizeof line, "%s %d", Tr("Score"), score);
    DrawScreenText(dest, line, kPanelCentreX, 80, 0, TextCentred);
    if (HighScoreRank(score, difficulty) < kHighScoreRows)
        DrawScreenText(dest, Tr("You have a high score!"), kPanelCentreX, 160, 2, TextCentred, false, packColour(0, 31, 31));
    DrawScreenText(dest, Tr("Click to Continue"), kPanelCentreX, kPanelHeight - 25, 1, TextCentred, false,
                   packColour(0, 31, 31));
    return ModeGameOver;
}

// Name entry with its on-screen keyboard, and the game over screen that leads
// to it.
#include "game/flow/enter_name.h"
#include "game/game_state.h"
#include "game/flow/high_score_table.h"
#include "game/layout.h"
#include "game/input/input_modes.h"
#include "game/play/paddle.h"
#include "shell/input.h"
#include "sound/mixer.h"

void EnterNameInput(uint32_t message, uint32_t, int32_t param) {
    using namespace layout;
    if (message == MsgKeyDown) {
        if (param > 0x1F) AppendNameCharacter(static_cast<char>(param & 0xFF));
        if (param == 8) EraseNameCharacter();
        return;
    }
    if (message == MsgKeyUp) {
        if (param == 0x0D) FinishNameEntry();
        return;
    }
    if (message != MsgLeftUp) return;
    if (mouseY > kPanelHeight - 40) {
        if (mouseX < kPanelCentreX)
            EraseNameCharacter();
        else
            FinishNameEntry();
    }
    playSound(SoundCleep);
    for (int v = 0; v < 8; ++v)
        for (int c = 0; c < 12; ++c)
            if (mouseX > 14 + 25 * c && mouseX < 36 + 25 * c && mouseY > 140 + 20 * v && mouseY < 159 + 20 * v)
                AppendNameCharacter(static_cast<char>(KeyboardCode(c, v)));
    playSound(SoundCleep);
}

void GameOverInput(uint32_t message, uint32_t wParam, int32_t) {
    if (message == MsgKeyUp) {
        const int32_t key = KeyCode(wParam);
        for (int i = BindUp; i <= BindRight; ++i)
            if (key == keyBindings[i]) return;
    } else if (message != MsgLeftUp) {
        return;
    }
    if (waitForButtonRelease == 1) {
        waitForButtonRelease = 0;
        return;
    }
    highScoreRank = HighScoreRank(score, difficulty);
    if (highScoreRank < kHighScoreRows) {
        currentMode = ModeEnterName;
        playSound(SoundGeneral8);
    } else {
        playSound(SoundGeneral48);
        currentMode = ModeMainMenu;
    }
    musicWanted = 0;
}

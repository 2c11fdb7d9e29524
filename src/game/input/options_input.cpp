// The options window: volume sliders, hints, difficulty and key capture.
#include "game/flow/choose_level.h"
#include "game/game_state.h"
#include "game/flow/high_score_table.h"
#include "game/layout.h"
#include "game/flow/options.h"
#include "game/input/input_modes.h"
#include "gfx/font.h"
#include "gfx/surface.h"
#include "shell/input.h"
#include "sound/mixer.h"

void OptionsInput(uint32_t message, uint32_t wParam, int32_t) {
    using namespace layout;
    const int px = OptionsOriginX(optionsPicture->width), py = OptionsOriginY(optionsPicture->height);
    if (message == MsgKeyUp) {
        if (captureSlot >= 0) {
            keyBindings[captureSlot] = KeyCode(wParam);
            captureSlot = -1;
        }
        return;
    }
    if (message == MsgLeftDown || (message == MsgMouseMove && mouseButtonDown)) {
        const int rx = mouseX - px - kVolumeTrackLeft, ry = mouseY - py;
        if (ry > 72 && ry < 90) setVolume(0, 2 * rx);
        if (ry > 103 && ry < 121) {
            setVolume(1, 2 * rx);
            musicVolume = 2 * rx;
        }
        return;
    }
    if (message != MsgLeftUp) return;
    if (mouseX > px + kCloseLeft && mouseX < px + kCloseRight && mouseY > py + kCloseTop && mouseY < py + kCloseBottom)
        currentMode = ModeMainMenu;
    if (mouseY > py + kHintsClickTop && mouseY < py + kHintsClickBottom) hintsEnabled = 1 - hintsEnabled;
    if (mouseX > px + kDifficultyClickLeft && mouseX < px + kDifficultyClickRight &&
        mouseY > py + kDifficultyClickTop && mouseY < py + kDifficultyClickBottom) {
        difficulty += 1;
        if (difficulty == 5) difficulty = 1;
        LoadHighScores(difficulty);
        EndGameInProgress();
    }
    const int lineHeight = fontLineHeight(1);
    const int y = mouseY - 210;
    for (int i = 0; i < 5; ++i) {
        const int row = (i + 2) * (lineHeight + 5);
        if (mouseX > 0 && mouseX < 240 && y > row + 15 - lineHeight && y < row + 25) captureSlot = i;
    }
    playSound(SoundCleep);
}

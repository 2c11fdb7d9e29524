// The level chooser: a click on a level that may be chosen starts a new game.
#include "game/flow/choose_level.h"
#include "game/game_state.h"
#include "game/input/input_modes.h"
#include "shell/input.h"
#include "sound/mixer.h"

void ChooseLevelInput(uint32_t message, uint32_t, int32_t) {
    if (message == MsgKeyUp) {
        currentMode = ModeMainMenu;
        return;
    }
    if (message != MsgLeftUp) return;
    const int32_t level = ChooserCellAt(mouseX, mouseY);
    if (level < 0 || !LevelMayBeChosen(level)) return;
    currentLevel = level;
    currentMode = ModeNewGame;
    playSound(SoundCleep);
}

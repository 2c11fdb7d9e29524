// The level chooser: a click on a level that may be chosen starts a new game;
// the keys move a highlight over those levels and choose it.
#include "game/flow/choose_level.h"
#include "game/game_state.h"
#include "game/input/input_modes.h"
#include "shell/input.h"
#include "sound/mixer.h"

namespace {
void StartLevel(int32_t level) {
    currentLevel = level;
    currentMode = ModeNewGame;
    playSound(SoundCleep);
}

// The nearest level that may be chosen, looking from `from` by `step` and
// never past `limit` (inclusive); -1 when there is none.
int32_t OpenLevelFrom(int32_t from, int32_t step, int32_t limit) {
    for (int32_t level = from; step > 0 ? level <= limit : level >= limit; level += step)
        if (level >= 0 && level < levelCount && LevelMayBeChosen(level)) return level;
    return -1;
}

// Left and Right go to the previous and next open level; Up and Down to the
// open level nearest the cell a row away (levels open in order, so that is the
// cell itself or the last open one before it). The first key lights the
// newest open level.
void MoveHighlight(MenuKey key) {
    const int32_t at = chooserKeyCell;
    int32_t to = -1;
    if (at < 0) to = OpenLevelFrom(levelCount - 1, -1, 0);
    else if (key == MenuKeyRight) to = OpenLevelFrom(at + 1, 1, levelCount - 1);
    else if (key == MenuKeyLeft) to = OpenLevelFrom(at - 1, -1, 0);
    else if (key == MenuKeyDown && at + 10 < levelCount) to = OpenLevelFrom(at + 10, -1, at + 1);
    else if (key == MenuKeyUp && at >= 10) to = OpenLevelFrom(at - 10, 1, at - 1);
    if (to >= 0) chooserKeyCell = to;
}
}  // namespace

void ChooseLevelInput(uint32_t message, uint32_t wParam, int32_t) {
    const MenuKey key = message == MsgKeyDown || message == MsgKeyUp ? MenuKeyOf(wParam) : MenuKeyNone;
    if (message == MsgKeyDown && key != MenuKeyNone && key != MenuKeyChoose) MoveHighlight(key);
    if (message == MsgKeyUp) {
        // The keys that work the highlight stay here; any other key goes back.
        if (key == MenuKeyChoose && chooserKeyCell >= 0) StartLevel(chooserKeyCell);
        else if (key == MenuKeyNone) currentMode = ModeMainMenu;
        return;
    }
    if (message == MsgMouseMove) chooserKeyCell = -1;
    if (message != MsgLeftUp) return;
    // A click while the keys hold the highlight (the gamepad's A) takes the lit level.
    const int32_t level = chooserKeyCell >= 0 ? chooserKeyCell : ChooserCellAt(mouseX, mouseY);
    if (level < 0 || !LevelMayBeChosen(level)) return;
    StartLevel(level);
}

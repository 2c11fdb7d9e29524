// Input of the splash screens, the main menu, the high-score table and the exit
// picture.
#include "game/flow/kept_game.h"
#include "game/game_state.h"
#include "game/layout.h"
#include "game/flow/main_menu.h"
#include "game/input/input_modes.h"
#include "game/play/blocks.h"
#include "shell/input.h"
#include "shell/platform.h"
#include "sound/mixer.h"

namespace {
bool IsKeyReleaseOrClick(uint32_t message) { return message == MsgKeyUp || message == MsgLeftUp; }

void Resume() {
    ResumeKeptGame();
    ComposePlayfield();
    currentMode = ModePlay;
}
}  // namespace

void LogoSplashInput(uint32_t message, uint32_t, int32_t) {
    if (IsKeyReleaseOrClick(message) && modeFrameCount > 2) currentMode = ModeIntroSplash;
}

void IntroSplashInput(uint32_t message, uint32_t, int32_t) {
    if (!IsKeyReleaseOrClick(message)) return;
    if (modeFrameCount > 2) currentMode = ModeMainMenu;
    musicWanted = 0;
}

namespace {
// Up and Down step through the items shown, round at the ends; the first step
// starts from the item under the pointer.
void StepMenuHighlight(int step) {
    const int first = FirstMenuItem(), count = layout::kMenuItemCount - first;
    int item = menuKeyItem;
    if (item < first) {
        const int pointed = MenuItemAt(mouseY);
        item = pointed >= first && pointed < layout::kMenuItemCount ? pointed : step > 0 ? layout::kMenuItemCount - 1 : first;
    }
    menuKeyItem = first + (item - first + step + count) % count;
}

void ChooseMenuItem(int32_t item) {
    playSound(SoundCleep);
    if (modeFrameCount <= 2) return;
    switch (item) {
        case 0: if (gameInProgress == 1) Resume(); break;
        case 1: currentMode = ModeChooseLevel; break;
        case 2: currentMode = ModeOptions; break;
        case 3: currentMode = ModeInfoPage; break;
        case 4: currentMode = ModeHighScores; break;
        case 5: currentMode = ModeExitWallpaper; break;
        default: break;
    }
}
}  // namespace

void MainMenuInput(uint32_t message, uint32_t wParam, int32_t) {
    if (message == MsgKeyUp && KeyCode(wParam) == keyBindings[BindEscape]) {
        if (gameInProgress == 1)
            Resume();
        else
            currentMode = ModeExitWallpaper;
        return;
    }
    const MenuKey key = message == MsgKeyDown || message == MsgKeyUp ? MenuKeyOf(wParam) : MenuKeyNone;
    if (message == MsgKeyDown && (key == MenuKeyUp || key == MenuKeyDown)) StepMenuHighlight(key == MenuKeyUp ? -1 : 1);
    if (message == MsgMouseMove) menuKeyItem = -1;
    // A click while the keys hold the highlight (the gamepad's A) chooses the lit item.
    if (message == MsgLeftUp) ChooseMenuItem(menuKeyItem >= 0 ? menuKeyItem : MenuItemAt(mouseY));
    if (message == MsgKeyUp && key == MenuKeyChoose && menuKeyItem >= 0) ChooseMenuItem(menuKeyItem);
}

void HighScoresInput(uint32_t message, uint32_t, int32_t) {
    if (message == MsgLeftUp) playSound(SoundCleep);
    if (IsKeyReleaseOrClick(message)) currentMode = ModeMainMenu;
}

void ExitWallpaperInput(uint32_t message, uint32_t, int32_t) {
    if (IsKeyReleaseOrClick(message)) RequestClose();
}

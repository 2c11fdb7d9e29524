// Input of the splash screens, the main menu, the high-score table and the exit
// picture.
#include "game/game_state.h"
#include "game/flow/main_menu.h"
#include "game/input/input_modes.h"
#include "game/play/blocks.h"
#include "shell/input.h"
#include "shell/platform.h"
#include "sound/mixer.h"

namespace {
bool IsKeyReleaseOrClick(uint32_t message) { return message == MsgKeyUp || message == MsgLeftUp; }

void Resume() {
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

void MainMenuInput(uint32_t message, uint32_t wParam, int32_t) {
    if (message == MsgKeyUp && KeyCode(wParam) == keyBindings[BindEscape]) {
        if (gameInProgress == 1)
            Resume();
        else
            currentMode = ModeExitWallpaper;
        return;
    }
    if (message != MsgLeftUp) return;
    playSound(SoundCleep);
    const int32_t item = MenuItemAt(mouseY);
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

void HighScoresInput(uint32_t message, uint32_t, int32_t) {
    if (message == MsgLeftUp) playSound(SoundCleep);
    if (IsKeyReleaseOrClick(message)) currentMode = ModeMainMenu;
}

void ExitWallpaperInput(uint32_t message, uint32_t, int32_t) {
    if (IsKeyReleaseOrClick(message)) RequestClose();
}

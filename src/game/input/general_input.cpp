// The rules every input event passes before the screen's own handling.
#include "game/game_state.h"
#include "game/input/input_modes.h"
#include "game/layout.h"
#include "game/play/level.h"
#include "gfx/blit.h"
#include "gfx/screenshot.h"
#include "gfx/display.h"
#include "shell/input.h"

namespace {
// Print Screen writes a screenshot in every screen; its release is ignored.
constexpr int32_t kScreenshotKey = VkPrintScreen;

bool EscapeLeadsToMenu(int32_t mode) {
    switch (mode) {
        case ModeMainMenu: case ModeOptions: case ModeExitWallpaper: case ModeLevelEditor: case ModeLogoSplash:
        case ModeIntroSplash:
            return false;
        default:
            return true;
    }
}

// What the Escape binding does: to the menu, with a game in play frozen behind it
// and kept for resuming.
void EscapeToMenu() {
    if (currentMode == ModePlay) FreezePlayfield();
    currentMode = ModeMainMenu;
}
}  // namespace

void FreezePlayfield() {
    drawSprite(playfieldImage, 0, 0, playfieldRect.w, playfieldRect.h, backSurface, playfieldRect.x, playfieldRect.y,
               BlitCopy);
}

void HandleFocusLost() {
    if (currentMode == ModePlay) EscapeToMenu();
}

bool HandleGeneralInput(uint32_t message, uint32_t wParam, int32_t) {
    if ((message == MsgKeyDown || message == MsgKeyUp) && KeyCode(wParam) == kScreenshotKey) {
        if (message == MsgKeyDown) saveScreenshot();
        return true;
    }
    if (message == MsgKeyUp && KeyCode(wParam) == keyBindings[BindEscape] && EscapeLeadsToMenu(currentMode)) {
        EscapeToMenu();
        return true;
    }
    if (message == MsgLeftUp && currentMode == ModeLevelEditor && mouseX > layout::kExitButtonX &&
        mouseY > layout::kExitButtonY) {
        currentMode = ModeMainMenu;
        return true;
    }
    return false;
}

void ShiftPointerToPanel() {
    mouseX -= playfieldRect.x;
    mouseY -= playfieldRect.y;
}

// The information page: scrolling, the hidden panel's switch and its options.
#include <algorithm>

#include "game/game_state.h"
#include "game/flow/info_page.h"
#include "game/layout.h"
#include "game/input/input_modes.h"
#include "game/play/paddle.h"
#include "gfx/surface.h"
#include "shell/input.h"
#include "sound/mixer.h"

namespace {
void SetSteering(int32_t key, int32_t value) {
    if (key == keyBindings[BindUp]) steerUp = value;
    if (key == keyBindings[BindDown]) steerDown = value;
    if (key == keyBindings[BindLeft]) steerLeft = value;
    if (key == keyBindings[BindRight]) steerRight = value;
}

void ClickOpenPanel() {
    const int base = layout::kHiddenPanelY + 21 - scrollPos;
    const int y = mouseY;
    if (y > base - 8 && y < base + 3) currentMode = ModeLevelEditor;
    else if (y > base + 15 && y < base + 26) optUnlimitedLives = 1 - optUnlimitedLives;
    else if (y > base + 28 && y < base + 39) optUnlockAllLevels = 1 - optUnlockAllLevels;
    else if (y > base + 41 && y < base + 52) optFatPaddle = 40 - optFatPaddle;
    else if (y > base + 54 && y < base + 65) optMaxPowerUp = 1 - optMaxPowerUp;
    else if (y > base + 67 && y < base + 78) optSeePowerUps = 1 - optSeePowerUps;
    else if (y > base + 80 && y < base + 91) optDisableDebris = 1 - optDisableDebris;
}
}  // namespace

void InfoPageInput(uint32_t message, uint32_t wParam, int32_t) {
    using namespace layout;
    if (message == MsgKeyDown || message == MsgKeyUp) {
        SetSteering(KeyCode(wParam), message == MsgKeyDown ? 1 : 0);
        return;
    }
    if (message == MsgLeftDown) {
        scrollPos = std::clamp(scrollPos, 0, std::max(MaxScrollPos(), 0));
        return;
    }
    if (message != MsgLeftUp) return;
    playSound(SoundCleep);
    const int a = std::min(panelAnim / 4, 5), b = std::max(panelAnim - 35, 0);
    const int w = infoPicture->width;
    const int pageY = mouseY + scrollPos;
    if (mouseX < kScrollArrowClickRight && mouseY < 30) {
        scrollSpeed -= 40;
    } else if (mouseX < kScrollArrowClickRight && mouseY > kPanelHeight - 30) {
        scrollSpeed += 40;
    } else if (mouseX > 14 + kPanelCentreX - w / 2 && mouseX < 14 + 188 + kPanelCentreX - w / 2 &&
               pageY > kHiddenPanelY - a - b && pageY < kHiddenPanelY + 107 - a - b) {
        panelOpen = 1 - panelOpen;
        playSound(SoundZwiff);
    } else if (!panelOpen) {
        currentMode = ModeMainMenu;
    } else {
        ClickOpenPanel();
    }
}

// Play: steering by keys or pointer, the hint's early dismissal, and the ways
// back to the menu (Pause, the right button, the side panel's menu button).
#include "game/game_state.h"
#include "game/flow/hints.h"
#include "game/layout.h"
#include "game/input/input_modes.h"
#include "game/play/paddle.h"
#include "gfx/display.h"
#include "shell/input.h"
#include "shell/platform.h"

namespace {
constexpr int32_t kPauseKey = 0x13;

// The steering flag of a direction binding, or null.
int32_t* SteeringFlag(int32_t key) {
    if (key == keyBindings[BindUp]) return &steerUp;
    if (key == keyBindings[BindDown]) return &steerDown;
    if (key == keyBindings[BindLeft]) return &steerLeft;
    if (key == keyBindings[BindRight]) return &steerRight;
    return nullptr;
}
}  // namespace

void PlayInput(uint32_t message, uint32_t wParam, int32_t) {
    using namespace layout;
    const int32_t key = KeyCode(wParam);
    switch (message) {
        case MsgLeftDown:
            if (hintsEnabled == 1) {
                hintLeaving = 1;
                if (serveTimer > 200) serveTimer = 300;
            }
            break;
        case MsgKeyDown:
        case MsgKeyUp:
            if (int32_t* flag = SteeringFlag(key)) {
                steerByMouse = 0;
                *flag = message == MsgKeyDown ? 1 : 0;
            }
            if (message == MsgKeyUp && key == kPauseKey) {
                SetCursorPosition(kScreenWidth / 2, kScreenHeight / 2);
                currentMode = ModeMainMenu;
            }
            break;
        case MsgMouseMove:
            if (steerByMouse == 0) SetCursorPosition(paddleX + playfieldRect.x, paddleY + playfieldRect.y);
            steerByMouse = 1;
            break;
        case MsgLeftUp:
            if (mouseX > kMenuButtonLeft - 1 && mouseX < kMenuButtonRight + 1 && mouseY > kMenuButtonTop - 1 &&
                mouseY < kMenuButtonBottom + 1) {
                FreezePlayfield();
                currentMode = ModeMainMenu;
            }
            waitForButtonRelease = 0;
            break;
        case MsgRightDown:
            SetCursorPosition(kScreenWidth / 2, kScreenHeight / 2);
            currentMode = ModeMainMenu;
            break;
        default:
            break;
    }
}

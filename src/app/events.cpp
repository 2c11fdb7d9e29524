#include "app/events.h"

#include "app/modes.h"
#include "app/autoplay.h"
#include "app/level_run.h"
#include "app/loop.h"
#include "shell/platform.h"
#include "app/record.h"
#include "app/script.h"
#include "game/input/input_modes.h"

void TranslateInput(uint32_t message, uint32_t wParam, uint32_t lParam, int32_t character) {
    RecordInput(message, wParam, lParam);
    if (message == MsgMouseMove || message == MsgLeftDown || message == MsgLeftUp) {
        // Read unsigned, so a position left of or above the window counts as the far edge.
        uint32_t x = lParam & 0xFFFF;
        uint32_t y = lParam >> 16;
        mouseX = static_cast<int32_t>(x > 639 ? 639 : x);
        mouseY = static_cast<int32_t>(y > 479 ? 479 : y);
    }
    if (message == MsgLeftDown) mouseButtonDown = 1;
    if (message == MsgLeftUp) mouseButtonDown = 0;
    if (message == MsgKeyDown || message == MsgKeyUp)
        HandleInput(message, wParam, character);
    else
        HandleInput(message, wParam, static_cast<int32_t>(lParam));
}

void FocusLost() {
    RecordFocusLost();
    HandleFocusLost();
}

void DrainInput() {
    platform.pumpEvents();
    RunDueScriptCommands();
    RunAutoplay();
    CheckLevelRun();
}

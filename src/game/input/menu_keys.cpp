// The keys that work the menus without a mouse.
#include "game/game_state.h"
#include "game/input/input_modes.h"

namespace {
constexpr int32_t kEnterKey = 0x0D, kSpaceKey = 0x20;
constexpr int32_t kArrowLeft = 0x25, kArrowUp = 0x26, kArrowRight = 0x27, kArrowDown = 0x28;
}  // namespace

MenuKey MenuKeyOf(uint32_t wParam) {
    const int32_t key = KeyCode(wParam);
    if (key == keyBindings[BindUp] || key == kArrowUp) return MenuKeyUp;
    if (key == keyBindings[BindDown] || key == kArrowDown) return MenuKeyDown;
    if (key == keyBindings[BindLeft] || key == kArrowLeft) return MenuKeyLeft;
    if (key == keyBindings[BindRight] || key == kArrowRight) return MenuKeyRight;
    if (key == kEnterKey || key == kSpaceKey) return MenuKeyChoose;
    return MenuKeyNone;
}

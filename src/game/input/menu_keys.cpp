// The keys that work the menus without a mouse.
#include "game/game_state.h"
#include "game/input/input_modes.h"
#include "shell/input.h"

MenuKey MenuKeyOf(uint32_t wParam) {
    const int32_t key = KeyCode(wParam);
    if (key == keyBindings[BindUp] || key == VkUp) return MenuKeyUp;
    if (key == keyBindings[BindDown] || key == VkDown) return MenuKeyDown;
    if (key == keyBindings[BindLeft] || key == VkLeft) return MenuKeyLeft;
    if (key == keyBindings[BindRight] || key == VkRight) return MenuKeyRight;
    if (key == VkEnter || key == VkSpace) return MenuKeyChoose;
    return MenuKeyNone;
}

// Turns SDL events into the game's input events. This is the one place where SDL
// keys become virtual-key codes and window pointer positions become game pixels.
#pragma once
#include <SDL.h>

#include <cstdint>

struct GameInputEvent {
    uint32_t message;
    uint32_t wParam;
    uint32_t lParam;
    int32_t character;
};

// The virtual-key code of an SDL key, or 0 when the game has no code for it.
uint32_t VirtualKeyFromSdl(SDL_Keycode key);

// Fills out and returns true for key and pointer events; pointer positions must
// already be in logical (640 x 480) coordinates, as SDL gives them under a
// renderer's logical size. modifiers is the SDL key modifier state.
bool TranslateSdlEvent(const SDL_Event& event, uint32_t modifiers, uint32_t mouseButtons, GameInputEvent& out);

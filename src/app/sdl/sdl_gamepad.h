// Gamepads through SDL's game controller API, hot-plugged. The d-pad and the left
// stick act as the four direction bindings, Start as the Escape binding, A as a
// left click at the pointer, and the right stick moves the pointer.
#pragma once
#include <SDL.h>

#include <vector>

#include "app/sdl/sdl_input.h"

struct GamepadState {
    bool pad[4] = {};    // d-pad held: up, down, left, right
    bool stick[4] = {};  // left stick pushed the same ways
    int rightX = 0, rightY = 0;
    float pointerX = 320, pointerY = 240;  // sub-pixel pointer the right stick drives
};

// Appends the game's input events for one controller button or axis event.
// bindings are the game's five key bindings (up, down, left, right, escape).
void TranslateGamepadEvent(const SDL_Event& event, const int32_t bindings[5], int pointerX, int pointerY,
                           GamepadState& state, std::vector<GameInputEvent>& out);

// One step of pointer movement from the right stick; false when it rests.
bool GamepadPointerStep(GamepadState& state, int pointerX, int pointerY, GameInputEvent& out);

// Opens and closes controllers as they come and go.
void HandleControllerDevice(const SDL_Event& event);

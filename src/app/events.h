// The program's side of input: events from the window, scripts and the
// autoplayer turned into the game's input calls, once a pass.
#pragma once
#include <cstdint>

#include "shell/input.h"

// Updates the pointer state and hands the event to HandleInput. For key messages
// character is the key's character; pointer messages pass lParam.
void TranslateInput(uint32_t message, uint32_t wParam, uint32_t lParam, int32_t character);

// The window lost the keyboard focus: recorded, then handed to the game.
void FocusLost();

// The message-drain step of a pass: window events, due script commands, the
// --ticks limit and the autoplayer's pointer.
void DrainInput();

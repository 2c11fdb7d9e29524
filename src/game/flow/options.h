// The options window: effects and music volume sliders, the difficulty, helpful
// hints and the control configuration with key capture.
#pragma once
#include <cstdint>

extern int32_t captureSlot;  // -1, or the binding (0..4) waiting for a new key
extern const char* const bindingLabels[5];
extern const char* const difficultyNames[5];  // "Difficulty: ..." for 1..4; 0 unused

// The options picture, while the window is open.
struct Surface;
extern Surface* optionsPicture;

void EnterOptions();
void LeaveOptions();
int32_t DrawOptions();

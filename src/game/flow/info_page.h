// The information page: a long picture the player scrolls, with a hidden
// options panel near its bottom whose lid lifts when clicked.
#pragma once
#include <cstdint>

struct Surface;

extern int32_t scrollPos;    // pixels
extern int32_t scrollSpeed;  // -40..40 from the keys and the wheel
constexpr int32_t kMaxScrollSpeed = 40;
constexpr int32_t kWheelScrollSpeed = 16;  // added by one notch of the wheel
extern int32_t panelOpen;    // 0 or 1
extern int32_t panelAnim;    // 0..150
extern Surface* infoPicture;
// The hidden panel's options, in the order of its lines.
constexpr int kHiddenOptions = 6;
extern const char* const hiddenOptionNames[kHiddenOptions];

// The largest scroll position: the picture's height + 20 - 440.
int32_t MaxScrollPos();

void EnterInfoPage();
void LeaveInfoPage();
int32_t UpdateInfoPage();
int32_t DrawInfoPage();

// The screen the game draws: 640 x 480 pixels, with the playfield on the left
// and the score panel among the side panel's pictures on the right.
#pragma once
#include <cstdint>

struct ScreenRect {
    int32_t x, y, w, h;
};

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
constexpr ScreenRect playfieldRect = {20, 20, 330, 440};
constexpr ScreenRect scorePanelRect = {393, 269, 234, 90};

// Where the playfield sits on the 640 x 480 screen.
#pragma once
#include "gfx/display.h"

constexpr int playfieldLeft = playfieldRect.x;
constexpr int playfieldTop = playfieldRect.y;

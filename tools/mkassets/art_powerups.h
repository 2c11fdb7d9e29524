// The 22 power-up capsules: glossy orbs with a symbol, a mask that keeps them
// round and a soft halo. The information page shows the same icons.
#pragma once
#include "canvas.h"

// The whole 792 x 108 sheet: icons in row 0, masks in row 36, glows in row 72.
const Canvas& PowerUpSheet();
// One icon blended over c, centred on (cx, cy), through its mask.
void DrawPowerUpIcon(Canvas& c, int cx, int cy, int type);

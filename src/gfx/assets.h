// What the game loads once at start and keeps for the whole run.
#pragma once
#include "gfx/surface.h"

// Sheets and surfaces that live for the whole run.
extern Surface* titleBackPicture;  // "titleBack.png": title and menu backgrounds
extern Surface* spritesSheet;   // "sprites.png": blasts and balls
extern Surface* iconsSheet;     // "icons.png": the chomper's bite
extern Surface* powerUpsSheet;  // "power-ups.png": icon, mask and glow rows
extern Surface* bgPicture;         // "bg.png": the tiling background
extern Surface* bgVariants[8];     // bgPicture shifted by eighths of a pixel, for smooth scrolling
extern Surface* workSurface;    // 330 x 440, the scenery as the level was loaded

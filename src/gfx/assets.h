// What the game loads once at start and keeps for the whole run.
#pragma once
#include "gfx/surface.h"

// Sheets and surfaces that live for the whole run.
extern Surface* spritesSheet;   // "sprites.png": blasts and balls
extern Surface* iconsSheet;     // "icons.png": the chomper's bite
extern Surface* powerUpsSheet;  // "power-ups.png": icon, mask and glow rows
extern Surface* workSurface;    // 330 x 440, the scenery as the level was loaded
extern Surface* titleBackPicture;  // "titleBack.png": title, menu and side panel
extern Surface* bgPicture;         // "bg.png", the tile behind the panel screens
constexpr int kBackgroundVariants = 8;
extern Surface* bgVariants[kBackgroundVariants];  // bgPicture shifted by eighths of a pixel

void loadAssets();
void releaseAssets();

// The clipped rectangle copy between surfaces that every sprite, picture and
// layer goes through, in the game's pixel modes, and the operations built on it.
#pragma once
#include <cstdint>

#include "gfx/surface.h"

enum PixelMode {
    BlitCopy = 0,       // plain copy, zeros included
    BlitKeyed = 1,      // skip zero source pixels
    BlitAlpha = 9,      // blend, param = weight of the source 0..255
    BlitSolid = 11,     // silhouette in colour param
    BlitAdditive = 12,  // add the source (plus param per component)
    BlitSparkle = 13,   // lighten by rand() & param
    BlitFill = 14,      // fill with colour param
};

void drawSprite(Surface* dest, int dx, int dy, int w, int h, const Surface* src, int sx, int sy, int mode);
void drawSpriteParam(Surface* dest, int dx, int dy, int w, int h, const Surface* src, int sx, int sy, int mode,
                     int param);

void tileSurface(Surface* dest, const Surface* tile, int offsetX, int offsetY);
void centerSurface(Surface* dest, const Surface* src);
void drawMasked(Surface* dest, int dx, int dy, int w, int h, const Surface* src, int sx, int sy, const Surface* mask,
                int mx, int my);
void smoothSurface(Surface* dest, const Surface* src, int weightX, int weightY);

// The main-menu picture: strips 40 pixels high, one under the other.
extern Surface* mainMenuPicture;
void drawMenuStrip(Surface* dest, int x, int y, int n);
void drawMenuStripParam(Surface* dest, int x, int y, int n, int param);

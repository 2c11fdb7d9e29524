#include "gfx/blit.h"

#include <algorithm>
#include <cstring>

#include "shell/log.h"
#include "shell/random.h"

Surface* mainMenuPicture = nullptr;

namespace {
// Applies one pixel mode along a row of n pixels.
template <typename Op>
inline void WalkRow(uint16_t* d, const uint16_t* s, int n, int dStep, int sStep, Op op) {
    if (dStep == 1 && sStep == 1) {
        for (int i = 0; i < n; ++i) op(d[i], s[i]);  // the usual layout: a loop the compiler can widen
        return;
    }
    for (int i = 0; i < n; ++i, d += dStep, s += sStep) op(*d, *s);
}

inline int Red(uint16_t c) { return c >> 11; }
inline int Green(uint16_t c) { return (c >> 6) & 31; }
inline int Blue(uint16_t c) { return c & 31; }
}  // namespace

void drawSprite(Surface* dest, int dx, int dy, int w, int h, const Surface* src, int sx, int sy, int mode) {
    drawSpriteParam(dest, dx, dy, w, h, src, sx, sy, mode, 0);
}

void drawSpriteParam(Surface* dest, int dx, int dy, int w, int h, const Surface* src, int sx, int sy, int mode,
                     int param) {
    if (!dest || !src) return;
    if (sx < 0) { w += sx; dx -= sx; sx = 0; }
    if (sy < 0) { h += sy; dy -= sy; sy = 0; }
    if (sx + w > src->width) w = src->width - sx;
    if (sy + h > src->height) h = src->height - sy;
    if (dx < 0) { w += dx; sx -= dx; dx = 0; }
    if (dy < 0) { h += dy; sy -= dy; dy = 0; }
    if (dx + w > dest->width) w = dest->width - dx;
    if (dy + h > dest->height) h = dest->height - dy;
    if (dest->memoryVertical != src->memoryVertical) {
        LogMessageColour(1, "Sprite Memory Orientation Mismatch\n", ColourRed);
        return;
    }
    if (w <= 0 || h <= 0) return;

    const uint16_t colour = static_cast<uint16_t>(param);
    for (int row = 0; row < h; ++row) {
        uint16_t* d = pixelAddress(dest, dx, dy + row);
        const uint16_t* s = pixelAddress(src, sx, sy + row);
        const int ds = dest->xStep, ss = src->xStep;
        switch (mode) {
            case BlitCopy:
                if (ds == 1 && ss == 1)
                    std::memmove(d, s, static_cast<size_t>(w) * sizeof(uint16_t));
                else
                    WalkRow(d, s, w, ds, ss, [](uint16_t& dp, uint16_t sp) { dp = sp; });
                break;
            case BlitKeyed:
                WalkRow(d, s, w, ds, ss, [](uint16_t& dp, uint16_t sp) {
                    if (sp) dp = sp;
                });
                break;
            case BlitAlpha:
                WalkRow(d, s, w, ds, ss, [param](uint16_t& dp, uint16_t sp) {
                    const uint16_t mixed = blendColour(Red(sp), Green(sp), Blue(sp), Red(dp), Green(dp), Blue(dp), param);
                    dp = sp ? mixed : dp;
                });
                break;
            case BlitSolid:
                WalkRow(d, s, w, ds, ss, [colour](uint16_t& dp, uint16_t sp) {
                    if (sp) dp = colour;
                });
                break;
            case BlitAdditive:
                // Written without branches: the menus add whole strips per frame.
                WalkRow(d, s, w, ds, ss, [param](uint16_t& dp, uint16_t sp) {
                    const int r = std::min(Red(dp) + std::max(Red(sp) + param, 0), 31);
                    const int g = std::min(Green(dp) + std::max(Green(sp) + param, 0), 31);
                    const int b = std::min(Blue(dp) + std::max(Blue(sp) + param, 0), 31);
                    dp = sp ? packColour(r, g, b) : dp;
                });
                break;
            case BlitSparkle:
                WalkRow(d, s, w, ds, ss, [param](uint16_t& dp, uint16_t sp) {
                    if (sp) dp = lightenColour(dp, Rand() & param);
                });
                break;
            case BlitFill:
                WalkRow(d, s, w, ds, ss, [colour](uint16_t& dp, uint16_t) { dp = colour; });
                break;
            default:
                return;
        }
    }
}

void tileSurface(Surface* dest, const Surface* tile, int offsetX, int offsetY) {
    const int tw = tile->width, th = tile->height;
    // The bias of 32768 keeps the remainder as it always was for offsets down to
    // -32768; below that the remainder is still taken non-negative, so a scroll
    // counter that has run far below zero keeps covering the whole destination.
    auto wrap = [](int offset, int size) {
        int64_t r = (static_cast<int64_t>(offset) + 32768) % size;
        return static_cast<int>(r < 0 ? r + size : r);
    };
    const int ox = wrap(offsetX, tw), oy = wrap(offsetY, th);
    for (int x = -tw; x <= dest->width; x += tw)
        for (int y = -th; y <= dest->height; y += th) drawSprite(dest, x + ox, y + oy, tw, th, tile, 0, 0, BlitCopy);
}

void centerSurface(Surface* dest, const Surface* src) {
    drawSprite(dest, dest->halfWidth - src->halfWidth, dest->halfHeight - src->halfHeight, src->width, src->height,
               src, 0, 0, BlitCopy);
}

void drawMasked(Surface* dest, int dx, int dy, int w, int h, const Surface* src, int sx, int sy, const Surface* mask,
                int mx, int my) {
    for (int i = 0; i < w; ++i) {
        for (int j = 0; j < h; ++j) {
            int blue = getPixel(mask, mx + i, my + j) & 31;
            if (blue == 0) continue;
            uint16_t s = getPixel(src, sx + i, sy + j);
            uint16_t d = getPixel(dest, dx + i, dy + j);
            putPixel(dest, dx + i, dy + j,
                     blendColour(Red(s), Green(s), Blue(s), Red(d), Green(d), Blue(d), blue * 8));
        }
    }
}

void smoothSurface(Surface* dest, const Surface* src, int weightX, int weightY) {
    const int width = src->width, height = src->height;
    for (int y = 0; y < height; ++y) {
        int y1 = (y + 1) % height;
        for (int x = 0; x < width; ++x) {
            int x1 = (x + 1) % width;
            uint16_t top = blendColours(getPixel(src, x, y), getPixel(src, x1, y), weightX);
            uint16_t bottom = blendColours(getPixel(src, x, y1), getPixel(src, x1, y1), weightX);
            putPixel(dest, x, y, blendColours(top, bottom, weightY));
        }
    }
}

void drawMenuStrip(Surface* dest, int x, int y, int n) {
    if (mainMenuPicture) drawSprite(dest, x, y, mainMenuPicture->width, 40, mainMenuPicture, 0, (n + 6) * 40, BlitAdditive);
}

void drawMenuStripParam(Surface* dest, int x, int y, int n, int param) {
    if (mainMenuPicture)
        drawSpriteParam(dest, x, y, mainMenuPicture->width, 40, mainMenuPicture, 0, n * 40, BlitAdditive, param);
}

// 16-bit surfaces and colour arithmetic. A pixel is red in bits 15..11, green in
// 10..6 and blue in 4..0; bit 5 is always 0, and 0 (black) also means "nothing".
#pragma once
#include <cstdint>

struct Surface {
    int32_t width;
    int32_t height;
    int32_t memoryVertical;  // 1 when columns, not rows, are contiguous
    int32_t xStep;           // pixels between (x, y) and (x + 1, y)
    int32_t yStep;           // pixels between (x, y) and (x, y + 1)
    int32_t halfWidth;
    int32_t halfHeight;
    uint16_t* memory;  // owned pixel block
    uint16_t* origin;  // pixel (0, 0)
};

constexpr int kMaxSurfaceSide = 4096;

extern Surface* backSurface;     // the 640 x 480 frame
extern uint16_t paletteColours[7];
extern int32_t gammaLevel;
extern int32_t gammaTable[32];

// Colours. Components are 0..31.
inline uint16_t packColour(int r, int g, int b) { return static_cast<uint16_t>(r << 11 | g << 6 | b); }
inline void unpackColour(uint16_t c, int& r, int& g, int& b) {
    r = c >> 11;
    g = (c >> 6) & 31;
    b = c & 31;
}
// Components above 31 are held at 31 (the additive blits call it per pixel).
inline uint16_t packClamped(int r, int g, int b) {
    return packColour(r > 31 ? 31 : r, g > 31 ? 31 : g, b > 31 ? 31 : b);
}
uint16_t lightenColour(uint16_t c, int amount);
uint16_t darkenColour(uint16_t c, int amount);
// Each component: (first * alpha + second * (255 - alpha)) >> 8. Inline: the
// alpha blits and the trails of fast balls call it for every pixel.
inline uint16_t blendColour(int r1, int g1, int b1, int r2, int g2, int b2, int alpha) {
    const int beta = 255 - alpha;
    return packColour((r1 * alpha + r2 * beta) >> 8, (g1 * alpha + g2 * beta) >> 8, (b1 * alpha + b2 * beta) >> 8);
}
inline uint16_t blendColours(uint16_t c1, uint16_t c2, int alpha) {
    int r1, g1, b1, r2, g2, b2;
    unpackColour(c1, r1, g1, b1);
    unpackColour(c2, r2, g2, b2);
    return blendColour(r1, g1, b1, r2, g2, b2, alpha);
}

void setGamma(int level);
int getGamma();
inline uint16_t packGamma(int r, int g, int b) {
    return static_cast<uint16_t>(gammaTable[r] << 11 | gammaTable[g] << 6 | gammaTable[b]);
}
void makePaletteColours();

// Surfaces. A side outside 1..4096 is refused (null, with an error line); running
// out of memory for a sane size ends the process.
Surface* createSurface(int w, int h);
void removeSurface(Surface*& surface);
void clearSurface(Surface* surface);
void fillSurface(Surface* surface, int value);

inline bool insideSurface(const Surface* s, int x, int y) {
    return x >= 0 && y >= 0 && x < s->width && y < s->height;
}
inline uint16_t* pixelAddress(const Surface* s, int x, int y) {
    return s->origin + static_cast<intptr_t>(x) * s->xStep + static_cast<intptr_t>(y) * s->yStep;
}
inline uint16_t getPixel(const Surface* s, int x, int y) {
    return insideSurface(s, x, y) ? *pixelAddress(s, x, y) : 0;
}
inline void putPixel(Surface* s, int x, int y, int colour) {
    if (insideSurface(s, x, y)) *pixelAddress(s, x, y) = static_cast<uint16_t>(colour);
}
void blendPixel(Surface* s, int x, int y, uint16_t colour, int alpha);
void lightenPixel(Surface* s, int x, int y, int amount);
void darkenPixel(Surface* s, int x, int y, int amount);

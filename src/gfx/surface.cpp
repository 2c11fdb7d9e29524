#include "gfx/surface.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "gfx/display.h"
#include "shell/log.h"
#include "shell/platform.h"

Surface* backSurface = nullptr;
uint16_t paletteColours[7];
int32_t gammaLevel = 0;
int32_t gammaTable[32] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                          16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31};

uint16_t lightenColour(uint16_t c, int amount) {
    if (amount < 0) amount = 0;
    int r, g, b;
    unpackColour(c, r, g, b);
    return packClamped(r + amount, g + amount, b + amount);
}

uint16_t darkenColour(uint16_t c, int amount) {
    int r, g, b;
    unpackColour(c, r, g, b);
    r -= amount;
    g -= amount;
    b -= amount;
    return packColour(r < 0 ? 0 : r, g < 0 ? 0 : g, b < 0 ? 0 : b);
}

void setGamma(int level) {
    gammaLevel = level;
    double k = ((255 - level) + 1) / 129.0;
    for (int i = 0; i < 32; ++i) {
        double t = std::trunc(std::pow(i, k) * 31);
        gammaTable[i] = static_cast<int32_t>(t / std::pow(31, k));
    }
}

int getGamma() { return gammaLevel == 0 ? 128 : gammaLevel; }

void makePaletteColours() {
    static const int rgb[7][3] = {{31, 31, 31}, {31, 31, 0}, {0, 31, 31}, {0, 0, 31},
                                  {31, 0, 31},  {0, 31, 0},  {31, 0, 0}};
    for (int i = 0; i < 7; ++i) paletteColours[i] = packColour(rgb[i][0], rgb[i][1], rgb[i][2]);
}

namespace {
[[noreturn]] void OutOfSurfaceMemory() {
    LogMessageColour(1, "[ERROR] Unable to make Surface\n", ColourRed);
    std::exit(1);
}
}  // namespace

Surface* createSurface(int w, int h) {
    LogMessage(1, StrFormat("createSurface(%d,%d)\n", w, h));
    if (w < 1 || h < 1 || w > kMaxSurfaceSide || h > kMaxSurfaceSide) {
        LogMessageColour(1, StrFormat("[ERROR] Refused a surface of %d x %d\n", w, h), ColourRed);
        return nullptr;
    }
    size_t pixels = static_cast<size_t>(w) * static_cast<size_t>(h);
    auto* memory = static_cast<uint16_t*>(std::calloc(pixels, sizeof(uint16_t)));
    if (!memory) OutOfSurfaceMemory();
    auto* s = static_cast<Surface*>(std::calloc(1, sizeof(Surface)));
    if (!s) OutOfSurfaceMemory();
    s->width = w;
    s->height = h;
    // Every surface is laid out like the display.
    if (displayInfo.memoryVertical == 0) {
        s->xStep = 1;
        s->yStep = w;
        s->memoryVertical = 0;
    } else {
        s->xStep = h;
        s->yStep = 1;
        s->memoryVertical = 1;
    }
    if (displayInfo.xSpan < 0) s->xStep = -s->xStep;
    if (displayInfo.ySpan < 0) s->yStep = -s->yStep;
    intptr_t offset = 0;
    if (s->xStep < 0) offset += static_cast<intptr_t>(-s->xStep) * (w - 1);
    if (s->yStep < 0) offset += static_cast<intptr_t>(-s->yStep) * (h - 1);
    s->memory = memory;
    s->origin = memory + offset;
    s->halfWidth = w >> 1;
    s->halfHeight = h >> 1;
    return s;
}

void removeSurface(Surface*& surface) {
    if (!surface) return;
    if (!surface->memory) platform.messageBox("Surface aleady removed", "ERROR", MessageOk);
    std::free(surface->memory);
    std::free(surface);
    surface = nullptr;
}

void clearSurface(Surface* surface) {
    std::memset(surface->memory, 0, static_cast<size_t>(surface->width) * surface->height * sizeof(uint16_t));
}

void fillSurface(Surface* surface, int value) {
    std::memset(surface->memory, value & 0xFF, static_cast<size_t>(surface->width) * surface->height * sizeof(uint16_t));
}

void blendPixel(Surface* s, int x, int y, uint16_t colour, int alpha) {
    if (!insideSurface(s, x, y)) return;
    uint16_t* p = pixelAddress(s, x, y);
    *p = blendColours(*p, colour, alpha);
}

void lightenPixel(Surface* s, int x, int y, int amount) {
    if (insideSurface(s, x, y)) *pixelAddress(s, x, y) = lightenColour(*pixelAddress(s, x, y), amount);
}

void darkenPixel(Surface* s, int x, int y, int amount) {
    if (insideSurface(s, x, y)) *pixelAddress(s, x, y) = darkenColour(*pixelAddress(s, x, y), amount);
}

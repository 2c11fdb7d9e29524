// Font pictures through the glyph scanner. The input is one byte of row height,
// two of picture width (little-endian), then the picture's 16-bit pixels row by
// row; the scanned font then measures and draws every character.
#include <string>

#include "fuzz_support.h"
#include "gfx/font.h"
#include "gfx/surface.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Surface* target = nullptr;
    if (!target) {
        FuzzUseTempFolder();
        target = createSurface(120, 60);
    }
    if (size < 3) return 0;
    const int rowHeight = data[0];
    const int width = (data[1] | data[2] << 8) % 1024 + 1;
    const int height = static_cast<int>((size - 3) / 2 / width);
    if (height < 1 || height > 1024) return 0;
    Surface* picture = createSurface(width, height);
    const uint8_t* p = data + 3;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x, p += 2) putPixel(picture, x, y, static_cast<uint16_t>(p[0] | p[1] << 8));
    loadFont(picture, 1, rowHeight);
    std::string all;
    for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
    textWidth(all, 1);
    drawText(target, all, -40, 30, 1);
    drawTextBlended(target, all, 3, 50, 1, 0xFFDF);
    fonts[1]->picture = nullptr;
    removeSurface(picture);
    return 0;
}

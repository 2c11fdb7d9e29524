// Writes the fuzzer's font seeds: the first two glyph rows of each generated
// font picture, in the font target's input layout. Usage: font_seeds DATA OUT
#include <cstdio>
#include <string>

#include "gfx/picture.h"
#include "gfx/surface.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const struct { const char* name; int rowHeight; } fontsShipped[] = {
        {"c_tickertape.png", 30}, {"c_neopolitical_l.png", 26}, {"c_neopolitical.png", 18}};
    for (const auto& f : fontsShipped) {
        Surface* picture = nullptr;
        if (!loadPngPicture(std::string(argv[1]) + "/" + f.name, picture)) return 1;
        const int width = picture->width < 400 ? picture->width : 400;
        const int height = picture->height < 2 * f.rowHeight ? picture->height : 2 * f.rowHeight;
        FILE* out = std::fopen((std::string(argv[2]) + "/" + f.name + ".raw").c_str(), "wb");
        if (!out) return 1;
        const unsigned char head[3] = {static_cast<unsigned char>(f.rowHeight), static_cast<unsigned char>((width - 1) & 255),
                                       static_cast<unsigned char>((width - 1) >> 8)};
        std::fwrite(head, 1, 3, out);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const uint16_t v = getPixel(picture, x, y);
                const unsigned char bytes[2] = {static_cast<unsigned char>(v & 255), static_cast<unsigned char>(v >> 8)};
                std::fwrite(bytes, 1, 2, out);
            }
        std::fclose(out);
        removeSurface(picture);
    }
    return 0;
}

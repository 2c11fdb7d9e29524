#include "gfx/png_writer.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

bool WriteRgbPng(const std::string& path, const uint8_t* rgb, int width, int height) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        std::fclose(file);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) png_write_row(png, rgb + static_cast<size_t>(y) * width * 3);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

bool WriteRgb565Png(const std::string& path, const uint16_t* pixels, int width, int height) {
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) {
        uint16_t c = pixels[i];
        int r = c >> 11, g = (c >> 6) & 31, b = c & 31;
        rgb[i * 3] = static_cast<uint8_t>(r << 3 | r >> 2);
        rgb[i * 3 + 1] = static_cast<uint8_t>(g << 3 | g >> 2);
        rgb[i * 3 + 2] = static_cast<uint8_t>(b << 3 | b >> 2);
    }
    return WriteRgbPng(path, rgb.data(), width, height);
}

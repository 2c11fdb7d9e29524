#include "output.h"

#include <jpeglib.h>

#include <cstdio>

#include "game/layout.h"
#include "gfx/picture.h"
#include "gfx/png_writer.h"
#include "shell/paths.h"

namespace {

bool WriteJpeg(const std::string& path, const Canvas& c) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(c.width);
    info.image_height = static_cast<JDIMENSION>(c.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    info.dct_method = JDCT_ISLOW;
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> rgb = c.bytes();
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = rgb.data() + static_cast<size_t>(info.next_scanline) * c.width * 3;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}
}  // namespace

Surface* ReadBack(const std::string& out, const std::string& name, int w, int h, int gamma) {
    SetBaseFolder(out);
    int previous = getGamma();
    setGamma(gamma);
    Surface* s = nullptr;
    const bool read = loadPicture(name, s);
    setGamma(previous);
    if (!read) {
        removeSurface(s);
        return nullptr;
    }
    if (s->width != w || s->height != h) {
        std::fprintf(stderr, "mkassets: %s reads back as %d x %d, the game needs %d x %d\n", name.c_str(), s->width,
                     s->height, w, h);
        removeSurface(s);
        return nullptr;
    }
    return s;
}

bool WritePicture(const std::string& out, const std::string& name, const Canvas& c, int gamma) {
    for (const layout::PictureSize& size : layout::kPictureSizes)
        if (name == size.file && (c.width != size.width || c.height != size.height)) {
            std::fprintf(stderr, "mkassets: %s is drawn at %d x %d, the game needs %d x %d\n", name.c_str(), c.width,
                         c.height, size.width, size.height);
            return false;
        }
    std::string path = out + "Data/" + name;
    bool jpeg = name.size() >= 3 && (name[name.size() - 3] == 'j' || name[name.size() - 3] == 'J');
    bool written = jpeg ? WriteJpeg(path, c) : WriteRgbPng(path, c.bytes().data(), c.width, c.height);
    if (!written) {
        std::fprintf(stderr, "mkassets: cannot write %s\n", path.c_str());
        return false;
    }
    Surface* s = ReadBack(out, name, c.width, c.height, gamma);
    if (!s) return false;
    removeSurface(s);
    return true;
}

#include "gfx/picture.h"

#include <png.h>
#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

#include "shell/log.h"
#include "shell/paths.h"
#include "shell/platform.h"

namespace {
// Places decoded 8-bit RGB rows into the target, centred on it.
void PlaceRgbRows(Surface* target, const std::vector<uint8_t>& rgb, int w, int h) {
    const int offsetX = target->halfWidth - (w >> 1);
    const int offsetY = target->halfHeight - (h >> 1);
    for (int y = 0; y < h; ++y) {
        const uint8_t* p = rgb.data() + static_cast<size_t>(y) * w * 3;
        for (int x = 0; x < w; ++x, p += 3)
            putPixel(target, x + offsetX, y + offsetY, packGamma(p[0] >> 3, p[1] >> 3, p[2] >> 3));
    }
}

// Everything a decode owns lives here, outside the frame that sets the recovery
// point, so a jump back from the library leaves nothing half-updated there.
struct PngReader {
    FILE* file = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;
    std::vector<uint8_t> pixels;
    std::vector<png_bytep> rows;
    std::vector<uint8_t> rgb;
    int width = 0, height = 0;
    ~PngReader() {
        if (png) png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        if (file) std::fclose(file);
    }
};

void PngErrorJump(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void PngWarningIgnored(png_structp, png_const_charp) {}

// Decodes the whole picture into r.rgb as 8-bit RGB rows.
bool DecodePng(PngReader& r) {
    if (setjmp(png_jmpbuf(r.png))) return false;

    png_init_io(r.png, r.file);
    png_set_sig_bytes(r.png, 0);
    png_set_user_limits(r.png, kMaxSurfaceSide, kMaxSurfaceSide);
    png_set_check_for_invalid_index(r.png, 1);  // indices past the palette are ours to handle
    png_read_info(r.png, r.info);

    r.width = static_cast<int>(png_get_image_width(r.png, r.info));
    r.height = static_cast<int>(png_get_image_height(r.png, r.info));
    const int colourType = png_get_color_type(r.png, r.info);
    const int depth = png_get_bit_depth(r.png, r.info);
    const bool paletted = colourType == PNG_COLOR_TYPE_PALETTE;

    // Rows are laid out by the colour type: palette pictures as one index byte a
    // pixel, everything else widened to 8-bit RGB.
    if (depth == 16) png_set_strip_16(r.png);
    if (paletted && depth < 8) png_set_packing(r.png);
    if (colourType == PNG_COLOR_TYPE_GRAY && depth < 8) png_set_expand_gray_1_2_4_to_8(r.png);
    if (colourType & PNG_COLOR_MASK_ALPHA) png_set_strip_alpha(r.png);
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(r.png);
    png_set_interlace_handling(r.png);
    png_read_update_info(r.png, r.info);

    const size_t rowBytes = png_get_rowbytes(r.png, r.info);
    const size_t pixelCount = static_cast<size_t>(r.width) * r.height;
    if (rowBytes != static_cast<size_t>(r.width) * (paletted ? 1 : 3)) return false;
    r.pixels.resize(rowBytes * r.height);
    r.rows.resize(r.height);
    for (int y = 0; y < r.height; ++y) r.rows[y] = r.pixels.data() + rowBytes * y;
    png_read_image(r.png, r.rows.data());
    png_read_end(r.png, nullptr);

    if (!paletted) {
        r.rgb.swap(r.pixels);
        return true;
    }
    png_colorp palette = nullptr;
    int entries = 0;
    png_get_PLTE(r.png, r.info, &palette, &entries);
    r.rgb.assign(pixelCount * 3, 0);
    for (size_t i = 0; i < pixelCount; ++i) {
        int index = r.pixels[i];
        if (index >= entries) continue;  // past the palette: black
        r.rgb[i * 3] = palette[index].red;
        r.rgb[i * 3 + 1] = palette[index].green;
        r.rgb[i * 3 + 2] = palette[index].blue;
    }
    return true;
}
}  // namespace

bool loadPngPicture(const std::string& path, Surface*& target) {
    PngReader r;
    r.file = std::fopen(path.c_str(), "rb");
    if (!r.file) return false;
    r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngErrorJump, PngWarningIgnored);
    if (!r.png) return false;
    r.info = png_create_info_struct(r.png);
    if (!r.info || !DecodePng(r)) return false;
    if (!target) target = createSurface(r.width, r.height);
    if (!target) return false;
    PlaceRgbRows(target, r.rgb, r.width, r.height);
    return true;
}

namespace {
struct JpegReader {
    jpeg_decompress_struct info{};
    jpeg_error_mgr manager{};
    jmp_buf recovery;
    FILE* file = nullptr;
    bool created = false;
    bool headerRead = false;
    std::vector<uint8_t> rgb;
    int width = 0, height = 0;
    ~JpegReader() {
        if (created) jpeg_destroy_decompress(&info);
        if (file) std::fclose(file);
    }
};

void JpegErrorExit(j_common_ptr info) {
    longjmp(static_cast<JpegReader*>(info->client_data)->recovery, 1);
}
void JpegMessageIgnored(j_common_ptr) {}

void JpegFailure(const std::string& text) { platform.messageBox(text.c_str(), "Load Picture", MessageOk); }

// Decodes the whole picture into r.rgb; a picture that fails part-way is a failure.
bool DecodeJpeg(JpegReader& r) {
    if (setjmp(r.recovery)) return false;
    jpeg_create_decompress(&r.info);
    r.created = true;
    jpeg_stdio_src(&r.info, r.file);
    jpeg_read_header(&r.info, TRUE);
    r.headerRead = true;
    r.width = static_cast<int>(r.info.image_width);
    r.height = static_cast<int>(r.info.image_height);
    if (r.width < 1 || r.height < 1 || r.width > kMaxSurfaceSide || r.height > kMaxSurfaceSide) {
        r.headerRead = false;
        return false;
    }
    r.info.out_color_space = JCS_RGB;
    r.info.dct_method = JDCT_ISLOW;
    jpeg_start_decompress(&r.info);
    if (r.info.output_components != 3) return false;
    r.rgb.assign(static_cast<size_t>(r.width) * r.height * 3, 0);
    while (r.info.output_scanline < r.info.output_height) {
        JSAMPROW row = r.rgb.data() + static_cast<size_t>(r.info.output_scanline) * r.width * 3;
        jpeg_read_scanlines(&r.info, &row, 1);
    }
    jpeg_finish_decompress(&r.info);
    // Data that ran out or was corrupt is only a warning to the decoder (it fills
    // in grey); for the game it is a picture that failed part-way.
    return r.manager.num_warnings == 0;
}
}  // namespace

bool loadJpegPicture(const std::string& path, Surface*& target) {
    JpegReader r;
    r.info.err = jpeg_std_error(&r.manager);
    r.manager.error_exit = JpegErrorExit;
    r.manager.output_message = JpegMessageIgnored;
    r.info.client_data = &r;
    r.file = std::fopen(path.c_str(), "rb");
    if (!r.file || !DecodeJpeg(r)) {
        // Set-up and parameter failures say so plainly; a failure while reading
        // the image gives the decoder's error number.
        JpegFailure(r.headerRead ? StrFormat("[%d]", r.manager.msg_code) : std::string("Jpeg Error"));
        return false;
    }
    if (!target) target = createSurface(r.width, r.height);
    if (!target) return false;
    PlaceRgbRows(target, r.rgb, r.width, r.height);
    return true;
}

bool loadPicture(const std::string& name, Surface*& target) {
    const std::string path = dataFolder + name;
    bool decoded = false;
    FILE* probe = std::fopen(path.c_str(), "r");
    if (!probe) {
        platform.messageBox(path.c_str(), "File Not Found", MessageOk);
        LogMessageColour(1, "[ERROR] ", ColourRed);
        LogMessage(1, "Loading Picture:\n     ");
        LogMessage(1, path);
        LogMessage(1, "\n");
    } else {
        std::fclose(probe);
        const char third = path.size() >= 3 ? path[path.size() - 3] : '\0';
        decoded = (third == 'j' || third == 'J') ? loadJpegPicture(path, target) : loadPngPicture(path, target);
        if (!decoded) LogMessageColour(1, "[ERROR] Unable to decode picture " + path + "\n", ColourRed);
    }
    if (!target) {
        LogMessage(1, "surface still null\n");
        target = createSurface(5, 5);
    }
    return decoded;
}

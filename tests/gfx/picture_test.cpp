// Pictures the test writes itself, in every PNG colour type the loader must
// take, a baseline JPEG, and broken or hostile files that must give the
// fallback surface without a crash.
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <png.h>

#include <sys/stat.h>

#include <cstdio>
#include <vector>

#include "gfx/picture.h"
#include "shell/log.h"
#include "shell/paths.h"
#include "shell/platform.h"
#include "test_support.h"

namespace {
struct PngSpec {
    int width, height, colourType, depth;
    std::vector<uint8_t> rows;     // packed as the file holds them
    std::vector<png_color> palette;
};

void WritePng(const std::string& path, const PngSpec& image) {
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, f);
    png_set_IHDR(png, info, image.width, image.height, image.depth, image.colourType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!image.palette.empty())
        png_set_PLTE(png, info, image.palette.data(), static_cast<int>(image.palette.size()));
    png_write_info(png, info);
    size_t rowBytes = image.rows.size() / image.height;
    for (int y = 0; y < image.height; ++y)
        png_write_row(png, const_cast<uint8_t*>(image.rows.data() + rowBytes * y));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
}

void WriteJpeg(const std::string& path, int w, int h, uint8_t r, uint8_t g, uint8_t b) {
    FILE* f = std::fopen(path.c_str(), "wb");
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    jpeg_stdio_dest(&c, f);
    c.image_width = w;
    c.image_height = h;
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 100, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(w) * 3);
    for (int x = 0; x < w; ++x) {
        row[x * 3] = r;
        row[x * 3 + 1] = g;
        row[x * 3 + 2] = b;
    }
    while (c.next_scanline < c.image_height) {
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&c, &p, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::fclose(f);
}

int boxes = 0;
int CountingBox(const char*, const char*, MessageButtons) {
    ++boxes;
    return AnswerOk;
}

class PictureTest : public ::testing::Test {
protected:
    TempDir dir;
    void SetUp() override {
        UseHeadlessPlatform();
        platform.messageBox = CountingBox;
        boxes = 0;
        SetBaseFolder(dir.path);
        std::string data = dir.path + "Data";
        ASSERT_EQ(mkdir(data.c_str(), 0755), 0);
        setGamma(128);
    }
    void TearDown() override { UseHeadlessPlatform(); }
    std::string Data(const std::string& name) { return dir.path + "Data/" + name; }
    Surface* Load(const std::string& name) {
        Surface* s = nullptr;
        loadPicture(name, s);
        return s;
    }
};

// 8-bit components through the shift and the level-128 gamma table.
uint16_t Expected(int r, int g, int b) { return packGamma(r >> 3, g >> 3, b >> 3); }

TEST_F(PictureTest, EveryColourTypeDecodesToTheSamePixels) {
    // Two pixels: white and (200, 100, 16) or its grey/palette equivalent.
    std::vector<png_color> pal = {{0, 0, 0}, {255, 255, 255}, {200, 100, 16}};
    struct Case {
        const char* name;
        PngSpec image;
        uint16_t first, second;
    } cases[] = {
        {"rgb.png", {2, 1, PNG_COLOR_TYPE_RGB, 8, {255, 255, 255, 200, 100, 16}, {}}, Expected(255, 255, 255),
         Expected(200, 100, 16)},
        {"pal8.png", {2, 1, PNG_COLOR_TYPE_PALETTE, 8, {1, 2}, pal}, Expected(255, 255, 255), Expected(200, 100, 16)},
        {"pal2.png", {2, 1, PNG_COLOR_TYPE_PALETTE, 2, {0x1 << 6 | 0x2 << 4}, pal}, Expected(255, 255, 255),
         Expected(200, 100, 16)},
        {"beyond.png", {2, 1, PNG_COLOR_TYPE_PALETTE, 8, {1, 200}, pal}, Expected(255, 255, 255), 0},
        {"grey.png", {2, 1, PNG_COLOR_TYPE_GRAY, 8, {255, 100}, {}}, Expected(255, 255, 255),
         Expected(100, 100, 100)},
        {"grey2.png", {2, 1, PNG_COLOR_TYPE_GRAY, 2, {0x3 << 6 | 0x1 << 4}, {}}, Expected(255, 255, 255),
         Expected(85, 85, 85)},
        {"greyalpha.png", {2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {255, 0, 100, 255}, {}}, Expected(255, 255, 255),
         Expected(100, 100, 100)},
        {"rgba.png", {2, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, {255, 255, 255, 9, 200, 100, 16, 255}, {}},
         Expected(255, 255, 255), Expected(200, 100, 16)},
        {"rgb16.png", {2, 1, PNG_COLOR_TYPE_RGB, 16, {255, 255, 255, 255, 255, 255, 200, 0, 100, 0, 16, 0}, {}},
         Expected(255, 255, 255), Expected(200, 100, 16)},
        // An RGB picture that also suggests a palette is still read as RGB.
        {"rgbplte.png", {2, 1, PNG_COLOR_TYPE_RGB, 8, {255, 255, 255, 200, 100, 16}, pal}, Expected(255, 255, 255),
         Expected(200, 100, 16)},
    };
    for (const Case& c : cases) {
        WritePng(Data(c.name), c.image);
        Surface* s = Load(c.name);
        ASSERT_EQ(s->width, 2) << c.name;
        EXPECT_EQ(getPixel(s, 0, 0), c.first) << c.name;
        EXPECT_EQ(getPixel(s, 1, 0), c.second) << c.name;
        removeSurface(s);
    }
    EXPECT_EQ(Expected(255, 255, 255), packColour(30, 30, 30));  // full white loads as 30
    EXPECT_EQ(Expected(7, 7, 7), 0);                            // near black is transparent
    EXPECT_EQ(boxes, 0);
}

TEST_F(PictureTest, BaselineJpegAndTheDecoderChoice) {
    WriteJpeg(Data("wall.jpg"), 16, 8, 255, 255, 255);
    Surface* s = Load("wall.jpg");
    EXPECT_EQ(s->width, 16);
    EXPECT_EQ(s->height, 8);
    EXPECT_EQ(getPixel(s, 5, 5), packColour(30, 30, 30));
    removeSurface(s);
    // The third-last character picks the decoder: "XJPG" goes to JPEG, ".jpeg" to PNG.
    WriteJpeg(Data("WALL.JPG"), 4, 4, 255, 255, 255);
    s = Load("WALL.JPG");
    EXPECT_EQ(s->width, 4);
    removeSurface(s);
    WriteJpeg(Data("photo.jpeg"), 4, 4, 255, 255, 255);
    s = Load("photo.jpeg");  // the PNG decoder refuses it: the 5 x 5 fallback
    EXPECT_EQ(s->width, 5);
    removeSurface(s);
}

TEST_F(PictureTest, PlacementIntoAnExistingSurfaceIsCentred) {
    PngSpec image{100, 50, PNG_COLOR_TYPE_RGB, 8, std::vector<uint8_t>(100 * 50 * 3, 255), {}};
    WritePng(Data("small.png"), image);
    Surface* screen = createSurface(640, 480);
    putPixel(screen, 0, 0, 0x0042);
    loadPicture("small.png", screen);
    EXPECT_EQ(getPixel(screen, 270, 215), packColour(30, 30, 30));
    EXPECT_EQ(getPixel(screen, 369, 264), packColour(30, 30, 30));
    EXPECT_EQ(getPixel(screen, 269, 215), 0);
    EXPECT_EQ(getPixel(screen, 0, 0), 0x0042);
    removeSurface(screen);
}

TEST_F(PictureTest, MissingBrokenAndHostileFilesGiveTheFallback) {
    Surface* s = Load("nothere.png");
    EXPECT_EQ(s->width, 5);
    EXPECT_EQ(boxes, 1);
    removeSurface(s);

    PngSpec good{64, 64, PNG_COLOR_TYPE_RGB, 8, std::vector<uint8_t>(64 * 64 * 3, 128), {}};
    WritePng(Data("good.png"), good);
    std::vector<uint8_t> bytes = ReadFile(Data("good.png"));
    std::vector<uint8_t> truncated(bytes.begin(), bytes.begin() + bytes.size() / 2);
    WriteFile(Data("truncated.png"), truncated);
    std::vector<uint8_t> corrupt = bytes;
    for (size_t i = 40; i < corrupt.size(); i += 7) corrupt[i] ^= 0x5A;
    WriteFile(Data("corrupt.png"), corrupt);
    // A header that claims 100000 x 100000 pixels.
    std::vector<uint8_t> huge = bytes;
    huge[16] = 0; huge[17] = 1; huge[18] = 0x86; huge[19] = 0xA0;
    huge[20] = 0; huge[21] = 1; huge[22] = 0x86; huge[23] = 0xA0;
    WriteFile(Data("huge.png"), huge);
    WriteText(Data("empty.png"), "");
    WriteJpeg(Data("good.jpg"), 64, 64, 10, 200, 30);
    std::vector<uint8_t> jpeg = ReadFile(Data("good.jpg"));
    WriteFile(Data("cut.jpg"), std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + jpeg.size() / 2));
    std::vector<uint8_t> marker = jpeg;
    marker[3] = 0x01;  // a bad marker right after the start of the image
    WriteFile(Data("marker.jpg"), marker);
    std::vector<uint8_t> bigJpeg = jpeg;
    for (size_t i = 2; i + 8 < bigJpeg.size(); ++i) {
        if (bigJpeg[i] == 0xFF && bigJpeg[i + 1] == 0xC0) {  // the frame header: height and width
            bigJpeg[i + 5] = 0xFF; bigJpeg[i + 6] = 0xF0;
            bigJpeg[i + 7] = 0xFF; bigJpeg[i + 8] = 0xF0;
            break;
        }
    }
    WriteFile(Data("big.jpg"), bigJpeg);

    for (const char* name : {"truncated.png", "corrupt.png", "huge.png", "empty.png", "marker.jpg", "big.jpg"}) {
        Surface* t = Load(name);
        EXPECT_EQ(t->width, 5) << name;
        EXPECT_EQ(t->height, 5) << name;
        removeSurface(t);
    }
    // A JPEG cut short is a failure too, never a success over stale memory.
    Surface* cut = nullptr;
    EXPECT_EQ(loadJpegPicture(Data("cut.jpg"), cut), 0);
    EXPECT_EQ(cut, nullptr);
}
}  // namespace

// The screenshot file: its headers, bottom-up rows and padding, and that an
// existing screenshot is never overwritten.
#include <gtest/gtest.h>

#include "gfx/screenshot.h"
#include "shell/paths.h"
#include "test_support.h"

namespace {
uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

TEST(Screenshot, HeaderRowsAndPadding) {
    Surface* s = createSurface(5, 2);  // 15 bytes a row, one byte of padding
    putPixel(s, 0, 1, packColour(31, 31, 31));
    putPixel(s, 4, 0, packColour(1, 2, 3));
    std::vector<uint8_t> bmp = EncodeBmp(s);
    ASSERT_EQ(bmp.size(), 54u + 16 * 2);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(Read32(bmp, 2), 0u);   // file size left 0
    EXPECT_EQ(Read32(bmp, 10), 54u);
    EXPECT_EQ(Read32(bmp, 14), 40u);
    EXPECT_EQ(Read32(bmp, 18), 5u);
    EXPECT_EQ(Read32(bmp, 22), 2u);
    EXPECT_EQ(bmp[28], 24);
    EXPECT_EQ(Read32(bmp, 34), 32u);
    EXPECT_EQ(Read32(bmp, 38), 2952u);
    // The first stored row is the bottom screen row: white at x 0.
    EXPECT_EQ(bmp[54], 248);
    EXPECT_EQ(bmp[55], 248);
    EXPECT_EQ(bmp[56], 248);
    EXPECT_EQ(bmp[54 + 15], 0);  // padding
    // The second stored row is screen row 0: (1, 2, 3) at x 4 as blue, green, red.
    EXPECT_EQ(bmp[54 + 16 + 12], 24);
    EXPECT_EQ(bmp[54 + 16 + 13], 16);
    EXPECT_EQ(bmp[54 + 16 + 14], 8);
    removeSurface(s);

    Surface* screen = createSurface(640, 480);
    EXPECT_EQ(Read32(EncodeBmp(screen), 34), 921600u);
    removeSurface(screen);
}

TEST(Screenshot, TakenNumbersAreSkipped) {
    TempDir dir;
    SetScreenshotFolder(dir.path + "shots");
    Surface* saved = backSurface;
    backSurface = createSurface(640, 480);
    screenshotCounter = 0;
    std::string first = saveScreenshot();
    EXPECT_EQ(first, dir.path + "shots/Zapbrik0.BMP");
    WriteText(dir.path + "shots/Zapbrik1.BMP", "keep me");
    screenshotCounter = 0;  // as in a new run
    std::string second = saveScreenshot();
    EXPECT_EQ(second, dir.path + "shots/Zapbrik2.BMP");
    EXPECT_EQ(ReadText(dir.path + "shots/Zapbrik1.BMP"), "keep me");
    EXPECT_EQ(ReadFile(second).size(), 54u + 921600u);
    removeSurface(backSurface);
    backSurface = saved;
    SetScreenshotFolder("");
}
}  // namespace

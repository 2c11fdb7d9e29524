#include "gfx/font.h"

#include <gtest/gtest.h>

#include "shell/log.h"
#include "test_support.h"

namespace {
uint16_t Blue(int v) { return packColour(0, 0, v); }

void Fill(Surface* s, int x0, int x1, int y0, int y1, uint16_t colour) {
    for (int x = x0; x <= x1; ++x)
        for (int y = y0; y <= y1; ++y) putPixel(s, x, y, colour);
}

class FontTest : public ::testing::Test {
protected:
    TempDir dir;
    Surface* picture = nullptr;
    Surface* dest = nullptr;

    void SetUp() override {
        OpenLogFile(dir.path + "log.txt");
        // Glyph rows of 10: the reference mark at row 7; scanned rows 0..6.
        picture = createSurface(20, 20);
        putPixel(picture, 0, 7, packColour(31, 31, 31));
        Fill(picture, 2, 4, 2, 5, Blue(31));  // '!': 3 wide, rows 2..5
        putPixel(picture, 3, 4, Blue(10));
        Fill(picture, 6, 10, 3, 4, Blue(20));  // '"': 5 wide, rows 1..5 through column 8
        Fill(picture, 8, 8, 1, 5, Blue(20));
        Fill(picture, 14, 14, 7, 9, Blue(31));  // only in the last three rows: never seen
        Fill(picture, 17, 19, 2, 3, Blue(31));  // '#': touches the last column
        Fill(picture, 1, 2, 12, 14, packColour(31, 0, 31));  // '$' in the second row
        dest = createSurface(40, 20);
        makePaletteColours();
    }
    void TearDown() override {
        for (Font*& f : fonts) {
            delete f;
            f = nullptr;
        }
        removeSurface(picture);
        removeSurface(dest);
        OpenLogFile("/dev/null");
    }
    std::string Log() { return ReadText(dir.path + "log.txt"); }
    int InkedPixels() {
        int n = 0;
        for (int y = 0; y < dest->height; ++y)
            for (int x = 0; x < dest->width; ++x) n += getPixel(dest, x, y) != 0;
        return n;
    }
};
}  // namespace

TEST_F(FontTest, ScanFindsGlyphRectanglesInReadingOrder) {
    loadFont(picture, 1, 10);
    const Font& f = *fonts[1];
    EXPECT_EQ(f.picture, picture);
    EXPECT_EQ(f.referenceHeight, 7);
    EXPECT_EQ(fontLineHeight(1), 8);
    struct Expect { int code, x, y, width, top, bottom; };
    for (Expect e : {Expect{'!', 2, 2, 3, 2, 6}, Expect{'"', 6, 1, 5, 1, 6}, Expect{'#', 17, 2, 2, 2, 4},
                     Expect{'$', 1, 12, 2, 2, 5}}) {
        SCOPED_TRACE(static_cast<char>(e.code));
        EXPECT_EQ(f.glyphX[e.code], e.x);
        EXPECT_EQ(f.glyphY[e.code], e.y);
        EXPECT_EQ(f.glyphWidth[e.code], e.width);
        EXPECT_EQ(f.glyphTop[e.code], e.top);
        EXPECT_EQ(f.glyphBottom[e.code], e.bottom);
    }
    EXPECT_EQ(f.glyphWidth['%'], 0);
    EXPECT_NE(Log().find("Loaded 4 characters\n"), std::string::npos);
    EXPECT_NE(Log().find("[WARNING] font has 4 of its 223 characters.\n"), std::string::npos);
}

TEST_F(FontTest, InkRunReachingTheLastScannedRowLosesItsBottom) {
    Fill(picture, 3, 3, 5, 6, Blue(31));  // '!' column 3 now runs from row 2 to 6
    loadFont(picture, 0, 10);
    EXPECT_EQ(fonts[0]->glyphBottom['!'], 6);
}

TEST_F(FontTest, ReferenceAt22GivesLineHeight27) {
    Surface* tall = createSurface(8, 30);
    putPixel(tall, 0, 22, Blue(31));
    loadFont(tall, 0, 30);
    EXPECT_EQ(fontLineHeight(0), 27);
    EXPECT_EQ(fontLineHeight(), 27);
    removeSurface(tall);
}

TEST_F(FontTest, DrawTextPutsTheReferenceRowOnTheBaseline) {
    loadFont(picture, 0, 10);
    drawText(dest, "!", 5, 10);
    // Glyph rows 2..5 land at 10 + 2 - 7 = 5 onward; intensity is added to all three components.
    EXPECT_EQ(getPixel(dest, 5, 5), packColour(31, 31, 31));
    EXPECT_EQ(getPixel(dest, 7, 8), packColour(31, 31, 31));
    EXPECT_EQ(getPixel(dest, 6, 7), packColour(10, 10, 10));
    EXPECT_EQ(getPixel(dest, 5, 4), 0);
    EXPECT_EQ(getPixel(dest, 5, 9), 0);
    EXPECT_EQ(InkedPixels(), 12);

    clearSurface(dest);
    drawText(dest, "$", 0, 10, 0);  // red and green of a glyph pixel are ignored
    EXPECT_EQ(getPixel(dest, 0, 5), packColour(31, 31, 31));
}

TEST_F(FontTest, WidthAndDrawingAgree) {
    loadFont(picture, 0, 10);
    EXPECT_EQ(textWidth(""), 0);
    EXPECT_EQ(textWidth(" "), 5);
    EXPECT_EQ(textWidth("\t"), 5);  // a control byte moves as far as a space
    EXPECT_EQ(textWidth("!\""), 3 + 5 + 2);
    EXPECT_EQ(textWidth("! !", 0), 4 + 5 + 4);
    drawText(dest, "!\"", 5, 10);
    int rightmost = -1;
    for (int y = 0; y < dest->height; ++y)
        for (int x = 0; x < dest->width; ++x)
            if (getPixel(dest, x, y)) rightmost = std::max(rightmost, x);
    EXPECT_EQ(rightmost, 5 + textWidth("!\"") - 2);  // the last glyph's last column, before its gap
    EXPECT_EQ(getPixel(dest, 9, 6), packColour(20, 20, 20));  // '"' starts right after the gap
}

TEST_F(FontTest, BlendedTextMixesTheColourByIntensity) {
    loadFont(picture, 2, 10);
    drawTextBlended(dest, "!", 5, 10, 2, packColour(31, 0, 0));
    EXPECT_EQ(getPixel(dest, 5, 5), packColour(30, 0, 0));  // weight 248
    EXPECT_EQ(getPixel(dest, 6, 7), packColour(9, 0, 0));   // weight 80
}

TEST_F(FontTest, CharactersOutsideTheFontDrawNothing) {
    loadFont(picture, 0, 10);
    drawText(dest, "\xC8~a%\x7F", 0, 10);
    drawTextBlended(dest, "\xFF\x80", 0, 10, 0, 0xFFFF);
    EXPECT_EQ(InkedPixels(), 0);
    EXPECT_EQ(textWidth("\xC8~"), 2);
}

TEST_F(FontTest, FailedSlotsDrawNothing) {
    loadFont(nullptr, 1, 18);
    EXPECT_NE(Log().find("[ERROR] font not loaded.\n"), std::string::npos);
    loadFont(picture, 3, 10);
    loadFont(picture, -1, 10);
    loadFont(picture, 2, 0);
    for (int slot : {-1, 0, 1, 2, 3}) {
        drawText(dest, "!\"#", 0, 10, slot);
        drawTextBlended(dest, "!\"#", 0, 10, slot, 0xFFFF);
        EXPECT_EQ(textWidth("!", slot), 1);
        EXPECT_EQ(fontLineHeight(slot), 0);
    }
    EXPECT_EQ(InkedPixels(), 0);
}

TEST_F(FontTest, PictureWithoutItsMarkStillGivesItsGlyphs) {
    Surface* unmarked = createSurface(20, 10);
    Fill(unmarked, 2, 4, 2, 5, Blue(31));
    loadFont(unmarked, 2, 10);
    EXPECT_NE(Log().find("[ERROR] can't locate font reference point.\n"), std::string::npos);
    EXPECT_EQ(fonts[2]->referenceHeight, 0);
    EXPECT_EQ(fonts[2]->glyphWidth['!'], 3);
    drawText(dest, "!", 0, 10, 2);
    EXPECT_EQ(getPixel(dest, 0, 12), packColour(31, 31, 31));  // the top of the row on the baseline
    EXPECT_EQ(InkedPixels(), 12);
    removeSurface(unmarked);
}

TEST_F(FontTest, ReloadingASlotForgetsTheOldGlyphs) {
    loadFont(picture, 0, 10);
    Surface* one = createSurface(10, 10);
    putPixel(one, 0, 3, Blue(31));
    Fill(one, 2, 3, 1, 2, Blue(31));
    loadFont(one, 0, 10);
    EXPECT_NE(Log().find("[ERROR] font of this index already loaded.\n"), std::string::npos);
    EXPECT_EQ(fonts[0]->glyphWidth['!'], 2);
    EXPECT_EQ(fonts[0]->glyphWidth['"'], 0);
    EXPECT_EQ(fonts[0]->referenceHeight, 3);
    removeSurface(one);
}

TEST_F(FontTest, ScanStopsAtTheLastCharacterCode) {
    Surface* crowded = createSurface(480, 5);  // 239 one-column glyphs, room for 223
    putPixel(crowded, 0, 0, Blue(31));
    for (int x = 1; x < 479; x += 2) putPixel(crowded, x, 0, Blue(31));
    loadFont(crowded, 0, 5);
    EXPECT_EQ(fonts[0]->glyphX[255], 1 + 2 * 222);
    EXPECT_EQ(fonts[0]->glyphWidth[255], 1);
    EXPECT_EQ(fonts[0]->glyphX[0], 0);
    EXPECT_NE(Log().find("Loaded 223 characters\n"), std::string::npos);
    EXPECT_EQ(Log().find("[WARNING]"), std::string::npos);
    removeSurface(crowded);
}

TEST_F(FontTest, SmallTextReadsTheCellAndAdvancesSix) {
    smallFontPicture = createSurface(224, 44);
    // 'A' is cell 64: cell column 0, cell row 2, whose top-left is (0, 22).
    putPixel(smallFontPicture, 1, 23, 0xFFFF);   // read as column 0, row -1
    putPixel(smallFontPicture, 6, 32, 0xFFFF);   // column 5, row 8
    putPixel(smallFontPicture, 0, 22, 0xFFFF);   // the cell's own column 0: never read
    putPixel(smallFontPicture, 7, 24, 0xFFFF);   // the next cell's column 0: not part of 'A'
    const uint16_t red = packColour(31, 0, 0);
    drawSmallText(dest, "A A\xC8", 10, 10, red);
    EXPECT_EQ(getPixel(dest, 10, 9), red);
    EXPECT_EQ(getPixel(dest, 15, 18), red);
    EXPECT_EQ(getPixel(dest, 22, 9), red);
    EXPECT_EQ(getPixel(dest, 27, 18), red);
    EXPECT_EQ(InkedPixels(), 4);

    clearSurface(dest);
    fillSurface(dest, 0);
    putPixel(dest, 10, 9, packColour(0, 0, 20));
    drawSmallTextBlended(dest, "A", 10, 10, red, 128);
    EXPECT_EQ(getPixel(dest, 10, 9), packColour(15, 0, 9));
    EXPECT_EQ(getPixel(dest, 15, 18), packColour(15, 0, 0));

    Surface* savedBack = backSurface;
    backSurface = dest;
    clearSurface(dest);
    drawSmallTextOnScreen("A", 0, 1, 5, 7, 6);
    drawSmallTextOnScreen("A", 20, 1, 5, 7, 9);
    EXPECT_EQ(getPixel(dest, 0, 0), paletteColours[6]);
    EXPECT_EQ(InkedPixels(), 2);
    backSurface = savedBack;
    removeSurface(smallFontPicture);
}

// The generated fonts scan, with the game's scanner, to the glyphs '!'..'~' and
// the Latin-1 letters the game's languages use, within the sizes its screens leave room for.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "asset_support.h"
#include "game/layout.h"
#include "gfx/font.h"

namespace {
using namespace layout;

class GeneratedFonts : public ::testing::Test {
protected:
    void SetUp() override {
        for (const FontLayout& f : kFonts) {
            delete fonts[f.slot];
            fonts[f.slot] = nullptr;
            pictures[f.slot] = LoadGenerated(f.file, 80, nullptr);
            loadFont(pictures[f.slot], f.slot, f.rowHeight);
        }
    }
    void TearDown() override {
        for (const FontLayout& f : kFonts) {
            delete fonts[f.slot];
            fonts[f.slot] = nullptr;
            removeSurface(pictures[f.slot]);
        }
    }
    static int Height(int slot, char c) { return fonts[slot]->glyphBottom[static_cast<unsigned char>(c)] - fonts[slot]->glyphTop[static_cast<unsigned char>(c)]; }
    Surface* pictures[kFontSlots] = {};
};
}  // namespace

TEST_F(GeneratedFonts, EachScansToEveryCodeUpTo255AtItsBaseline) {
    for (const FontLayout& f : kFonts) {
        const Font& font = *fonts[f.slot];
        EXPECT_EQ(font.referenceHeight, f.reference) << f.file;
        for (int code = 33; code <= 255; code++) EXPECT_GT(font.glyphWidth[code], 0) << f.file << " code " << code;
        // A no-break space is as wide as a space; accented capitals stand as tall as plain ones.
        EXPECT_EQ(textWidth("\xA0", f.slot), textWidth(" ", f.slot)) << f.file;
        EXPECT_GT(font.glyphBottom[0xC4] - font.glyphTop[0xC4], font.glyphBottom['A'] - font.glyphTop['A']) << f.file;
        EXPECT_EQ(font.glyphBottom[0xC4], font.glyphBottom['A']) << f.file;
        // Glyphs come in reading order: each starts right of the one before, or on a lower row.
        for (int code = 34; code <= 255; code++)
            EXPECT_TRUE(font.glyphY[code] / f.rowHeight > font.glyphY[code - 1] / f.rowHeight ||
                        font.glyphX[code] > font.glyphX[code - 1] + font.glyphWidth[code - 1])
                << f.file << " code " << code;
    }
}

TEST_F(GeneratedFonts, TitleFontFitsTheHighScoreTable) {
    // Slot 0: "%2d" places from x 20 and names from x 50, capitals at most 20 tall.
    for (char d = '0'; d <= '9'; d++) EXPECT_LE(fonts[0]->glyphWidth[static_cast<unsigned char>(d)], 13) << d;
    EXPECT_LE(fonts[0]->referenceHeight - fonts[0]->glyphTop['H'], 20);
    EXPECT_LE(fonts[0]->referenceHeight, 22);
    // A 10-character name and a 7-character score fit between x 50 and 310.
    std::string letters;
    for (char c = 'A'; c <= 'Z'; c++) letters += c;
    for (char c = 'a'; c <= 'z'; c++) letters += c;
    for (char c = '0'; c <= '9'; c++) letters += c;
    EXPECT_LE(textWidth(letters.c_str(), 0), 15 * static_cast<int>(letters.size()));
    EXPECT_LE(textWidth("Monkeyman.", 0) + textWidth("1234567", 0), 260);
}

TEST_F(GeneratedFonts, SmallTextFontFitsOptionsAndHiddenPanel) {
    EXPECT_LE(fonts[1]->referenceHeight, 10);
    EXPECT_LE(fontLineHeight(1), 12);
    EXPECT_LE(textWidth("Unlock All Levels  OFF", 1), kHiddenPanelWidth);
    EXPECT_LE(textWidth("Control Configuration", 1), kPanelWidth);
}

TEST_F(GeneratedFonts, LargeTextFontFitsKeyboardAndSidePanel) {
    for (int code = 33; code <= 126; code++) EXPECT_LE(fonts[2]->glyphWidth[code], 16) << "code " << code;
    for (char d = '0'; d <= '9'; d++) {
        EXPECT_LE(Height(2, d), 18) << d;
        // Score digits stay inside the rows the score restore covers.
        EXPECT_GE(kScoreBaseline - fonts[2]->referenceHeight + fonts[2]->glyphTop[static_cast<unsigned char>(d)], kScoreStripY) << d;
    }
    EXPECT_LE(textWidth("You have a high score!", 2), kPanelWidth);
}

TEST_F(GeneratedFonts, DrawnTextEndsWhereTextWidthSays) {
    for (const FontLayout& f : kFonts) {
        Surface* s = createSurface(400, 40);
        clearSurface(s);
        const char* sample = "Level 42 ~ Zap!";
        drawText(s, sample, 10, 25, f.slot);
        int right = -1, top = 40, bottom = -1;
        for (int y = 0; y < s->height; y++)
            for (int x = 0; x < s->width; x++)
                if (getPixel(s, x, y)) right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
        // The last glyph's visible ink ends within its run, which ends one pixel
        // before the width (the gap after the last glyph is counted).
        int end = 10 + textWidth(sample, f.slot) - 1;
        EXPECT_LT(right, end) << f.file;
        EXPECT_GE(right, end - 4) << f.file;
        // Capitals sit on the baseline row y: ink above it, descenders below.
        EXPECT_LT(top, 25) << f.file;
        EXPECT_GE(bottom, 25 - 1) << f.file;
        removeSurface(s);
    }
}

TEST(GeneratedSmallFont, EveryPrintableCodeHasInkInsideItsCellAndNoOtherDoes) {
    Surface* s = LoadGenerated("smallchars.png", 128, nullptr);
    for (int code = 1; code <= 255; code++) {
        int cx = (code - 1) % kSmallCellsPerRow * kSmallCellWidth, cy = (code - 1) / kSmallCellsPerRow * kSmallCellHeight;
        int ink = 0, outside = 0;
        for (int y = 0; y < kSmallCellHeight; y++)
            for (int x = 0; x < kSmallCellWidth; x++) {
                if (!getPixel(s, cx + x, cy + y)) continue;
                ink++;
                // 5 x 5 glyphs in cell columns 1..5, rows 2..6, descenders in row 7,
                // accents in row 1.
                if (x < 1 || x > 5 || y < 1 || y > 7) outside++;
            }
        if ((code >= 33 && code <= 126) || code >= 161) {
            EXPECT_GT(ink, 0) << "code " << code;
        } else {
            EXPECT_EQ(ink, 0) << "code " << code;
        }
        EXPECT_EQ(outside, 0) << "code " << code;
    }
    removeSurface(s);
}

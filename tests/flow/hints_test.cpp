// Hint files: tag parsing, the layout of the text and the drawn box.
#include "game/flow/hints.h"

#include <gtest/gtest.h>

#include "game/game_state.h"
#include "gfx/assets.h"
#include "gfx/surface.h"
#include "shell/paths.h"
#include "test_support.h"

namespace {
std::string Drawn(const HintLayout& layout) {
    std::string s;
    for (const HintGlyph& g : layout.glyphs) s += g.c;
    return s;
}

TEST(HintParse, TagsNeedExactlyTwoFieldsAndAnExactName) {
    HintFile h = ParseHint("text outside [show|11][width|120] [hint|first][hint|Second\nline]");
    EXPECT_EQ(h.icon, 11);
    EXPECT_EQ(h.width, 120);
    EXPECT_EQ(h.text, "Second\nline");
    h = ParseHint("[show|3|4][Show|5][width][hint|a|b][hint|kept][hint|unterminated");
    EXPECT_FALSE(h.icon.has_value());
    EXPECT_FALSE(h.width.has_value());
    EXPECT_EQ(h.text, "kept");
}

TEST(HintParse, LongFieldsAndHugeNumbersAreBounded) {
    HintFile h = ParseHint("[hint|" + std::string(1500, 'x') + "][width|99999999999][show|-99999999999]");
    EXPECT_EQ(h.text.size(), 1000u);
    EXPECT_EQ(h.width, INT32_MAX);
    EXPECT_EQ(h.icon, INT32_MIN);
    std::string many = "[hint";
    for (int i = 0; i < 60; ++i) many += "|x";
    EXPECT_EQ(ParseHint(many + "]").text, "");
}

TEST(HintLayout, TextStartsTopLeftAndWrapsAtWidthLessTen) {
    HintLayout l = LayoutHint(std::string(40, 'a'), 200, false);
    ASSERT_EQ(l.glyphs.size(), 40u);
    EXPECT_EQ(l.glyphs[0].x, 5);
    EXPECT_EQ(l.glyphs[0].y, 5);
    EXPECT_EQ(l.glyphs[31].x, 5 + 31 * 6);  // 32 characters to a line at width 200
    EXPECT_EQ(l.glyphs[32].x, 5);
    EXPECT_EQ(l.glyphs[32].y, 11);
    EXPECT_EQ(l.height, 6 + 16);
    EXPECT_EQ(l.glyphs[0].colour, packColour(31, 31, 31));
    HintLayout narrow = LayoutHint(std::string(40, 'a'), 120, false);
    EXPECT_EQ(narrow.glyphs[19].y, 11) << "18 characters to a line at width 120";
}

TEST(HintLayout, WordsWrapAfterBlanksAndDashesAndLineStartBlanksAreSkipped) {
    // 30 characters, then a word of 5 that does not fit in the 2 left.
    HintLayout l = LayoutHint(std::string(29, 'a') + " bbbbb", 200, false);
    EXPECT_EQ(Drawn(l), std::string(29, 'a') + " bbbbb");
    EXPECT_EQ(l.glyphs[30].x, 5);
    EXPECT_EQ(l.glyphs[30].y, 11);
    HintLayout dash = LayoutHint(std::string(29, 'a') + "-ccccc", 200, false);
    EXPECT_EQ(dash.glyphs[29].c, '-');
    EXPECT_EQ(dash.glyphs[30].y, 11);
    HintLayout blank = LayoutHint(std::string(32, 'a') + " b", 200, false);
    EXPECT_EQ(Drawn(blank), std::string(32, 'a') + "b") << "a blank at the start of a wrapped line";
    EXPECT_EQ(LayoutHint("x\n\ny", 200, false).glyphs[1].y, 17);
}

TEST(HintLayout, TheIconPushesTheFirstLinesRight) {
    HintLayout l = LayoutHint(std::string(60, 'a') + "\n\n\nz", 200, true);
    EXPECT_EQ(l.glyphs[0].x, 5 + 27);
    EXPECT_EQ(l.glyphs[28].x, 5 + 27) << "second line starts beside the icon too";
    EXPECT_EQ(l.glyphs[28].y, 11);
    EXPECT_EQ(l.glyphs.back().x, 5) << "lines from cy 27 on start at the left";
}

TEST(HintLayout, ColourCodesAndCutShortCodes) {
    HintLayout l = LayoutHint("a^aAAb^A@Zc^``zd", 200, false);
    ASSERT_EQ(Drawn(l), "abcd");
    EXPECT_EQ(l.glyphs[1].colour, packColour(31, 0, 0));
    EXPECT_EQ(l.glyphs[2].colour, packColour(0, 0, 25));
    EXPECT_EQ(l.glyphs[3].colour, packColour(31, 31, 31));
    for (const char* cut : {"ab^", "ab^A", "ab^AA"}) {
        HintLayout c = LayoutHint(cut, 200, false);
        EXPECT_EQ(Drawn(c), "ab") << cut;
        for (const HintGlyph& g : c.glyphs) EXPECT_EQ(g.colour, packColour(31, 31, 31)) << cut;
    }
    // A colour code counts one character less than nothing in the word measure.
    HintLayout fit = LayoutHint(std::string(29, 'a') + " ^AAAb", 200, false);
    EXPECT_EQ(fit.glyphs[30].y, 5);
}
}  // namespace


namespace {
struct HintBox : ::testing::Test {
    TempDir dir;
    Surface* target = nullptr;
    void SetUp() override {
        SetBaseFolder(dir.path);
        ASSERT_EQ(std::system(("mkdir -p " + dir.path + "Data").c_str()), 0);
        target = createSurface(640, 480);
        spritesSheet = createSurface(224, 48);
        powerUpsSheet = createSurface(792, 108);
        hintWidth = 200;
        hintHeight = 100;
    }
    void TearDown() override {
        removeSurface(target);
        removeSurface(spritesSheet);
        removeSurface(powerUpsSheet);
    }
};

TEST_F(HintBox, AMissingFileShortensTheServeAndDrawsNothing) {
    serveTimer = 1000;
    DrawHint(target, 65, 100, 3);
    EXPECT_EQ(serveTimer, 200);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) ASSERT_EQ(getPixel(target, x, y), 0);
}

TEST_F(HintBox, TheBoxFitsItsTextFromTheNextFrameAndNarrowsOnly) {
    WriteText(dir.path + "Data/hint4.txt", "[width|250][hint|one\ntwo\nthree]");
    serveTimer = 1000;
    DrawHint(target, 65, 100, 4);
    EXPECT_EQ(serveTimer, 1000);
    EXPECT_EQ(hintWidth, 200);
    EXPECT_EQ(hintHeight, 12 + 16);
    // Frame: grey along the bottom, white at the corners, the top line from x + 88.
    const int x = 65 + 20, y = 100 + 20;
    EXPECT_EQ(getPixel(target, x + 199, y), packColour(31, 31, 31));
    EXPECT_EQ(getPixel(target, x + 87, y), packColour(31, 31, 31));
    EXPECT_EQ(getPixel(target, x + 50, y), 0) << "the top line starts right of the tab";
    EXPECT_EQ(getPixel(target, x + 50, y + 99), packColour(16, 16, 16)) << "drawn at the height of the last frame";
    WriteText(dir.path + "Data/hint4.txt", "[width|120][hint|x]");
    DrawHint(target, 65, 100, 4);
    EXPECT_EQ(hintWidth, 120);
}

TEST_F(HintBox, ABoxPartlyAboveTheScreenIsClipped) {
    WriteText(dir.path + "Data/hint5.txt", "[show|99][hint|" + std::string(300, 'w') + "]");
    serveTimer = 1000;
    DrawHint(target, -150, -150, 5);  // every row above or left of the screen
    DrawHint(target, 500, -60, 5);
    EXPECT_GT(hintHeight, 16);
}
}  // namespace

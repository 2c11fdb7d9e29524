// Hint files: tag parsing and the layout of the text in the box.
#include "game/flow/hints.h"

#include <gtest/gtest.h>

#include "gfx/surface.h"

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

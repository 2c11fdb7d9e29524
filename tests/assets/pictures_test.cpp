// Every picture the generator writes loads through the game's own loader, without
// a complaint, at the size the game's drawing code assumes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "asset_support.h"
#include "game/layout.h"

using namespace layout;

TEST(GeneratedPictures, LoadAtTheirSizesWithoutComplaint) {
    for (const PictureSize& e : kPictureSizes) {
        int complaints = -1;
        Surface* s = LoadGenerated(e.file, 128, &complaints);
        EXPECT_EQ(complaints, 0) << e.file;
        EXPECT_EQ(s->width, e.width) << e.file;
        EXPECT_EQ(s->height, e.height) << e.file;
        removeSurface(s);
    }
}

TEST(GeneratedPictures, FontPicturesHoldWholeGlyphRows) {
    for (const FontLayout& f : kFonts) {
        int complaints = -1;
        Surface* s = LoadGenerated(f.file, 80, &complaints);
        EXPECT_EQ(complaints, 0) << f.file;
        EXPECT_GT(s->height, 0) << f.file;
        EXPECT_EQ(s->height % f.rowHeight, 0) << f.file;
        removeSurface(s);
    }
}

TEST(GeneratedPictures, NothingReachesTheTopIntensity) {
    // At gamma 128 an 8-bit 255 loads as 30; a 31 would mean the loader or the
    // writer went wrong.
    Surface* s = LoadGenerated("titleBack.png", 128, nullptr);
    for (int y = 0; y < s->height; y++)
        for (int x = 0; x < s->width; x++) {
            Components c = At(s, x, y);
            ASSERT_LT(std::max({c.r, c.g, c.b}), 31) << x << "," << y;
        }
    removeSurface(s);
}

TEST(GeneratedPictures, BackgroundIsDarkAndWraps) {
    Surface* s = LoadGenerated("bg.png", 128, nullptr);
    auto step = [&](int x0, int y0, int x1, int y1) {
        Components a = At(s, x0, y0), b = At(s, x1 % s->width, y1 % s->height);
        return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
    };
    int seam = 0, inside = 0;
    for (int y = 0; y < s->height; y++)
        for (int x = 0; x < s->width; x++) {
            Components c = At(s, x, y);
            EXPECT_LE(std::max({c.r, c.g, c.b}), 10) << x << "," << y;
            int across = std::max(step(x, y, x + 1, y), step(x, y, x, y + 1));
            if (x == s->width - 1 || y == s->height - 1) seam = std::max(seam, across);
            else inside = std::max(inside, across);
        }
    // Steps across the wrap are no larger than steps inside the tile.
    EXPECT_LE(seam, inside);
    removeSurface(s);
}

// What the sprite sheets must look like for the way the game draws them.
#include <gtest/gtest.h>

#include <algorithm>

#include "asset_support.h"
#include "game/layout.h"

using namespace layout;

TEST(GeneratedSheets, BlastGrowsOverFourFramesThenBurnsOut) {
    Surface* s = LoadGenerated("sprites.png", 128, nullptr);
    // The blast is added with param -6: components of 6 or less vanish. Count
    // the light that is left in each frame.
    int visible[kBlastFrames] = {};
    for (int f = 0; f < kBlastFrames; f++)
        for (int y = 0; y < kBlastCell; y++)
            for (int x = 0; x < kBlastCell; x++) {
                Components c = At(s, f * kBlastCell + x, y);
                visible[f] += std::max(c.r - 6, 0) + std::max(c.g - 6, 0) + std::max(c.b - 6, 0);
            }
    for (int f = 1; f <= 3; f++) EXPECT_GT(visible[f], visible[f - 1]) << f;
    for (int f = 4; f < kBlastFrames; f++) EXPECT_LT(visible[f], visible[f - 1]) << f;
    EXPECT_GT(visible[0], 0);
    removeSurface(s);
}

TEST(GeneratedSheets, HintTabEndsWhereTheBoxLineStarts) {
    Surface* s = LoadGenerated("sprites.png", 128, nullptr);
    // The left end is keyed: its outer corner is transparent, its edge visible.
    EXPECT_EQ(getPixel(s, kHintTabEndX, kHintTabY), 0);
    EXPECT_NE(getPixel(s, kHintTabEndX, kHintTabY + kHintTabHeight - 1), 0);
    // The body's right edge (tab column 87, where the box's top line takes over)
    // is the box's grey frame colour.
    int right = kHintTabBodyX + kHintTabBodyWidth - 1;
    Components edge = At(s, right, kHintTabY + kHintTabHeight - 1);
    EXPECT_EQ(edge.r, edge.g);
    EXPECT_EQ(edge.g, edge.b);
    EXPECT_NEAR(edge.r, 16, 1);
    // The label is lit inside the body.
    int yellow = 0;
    for (int y = 0; y < kHintTabHeight; y++)
        for (int x = 0; x < kHintTabBodyWidth; x++) {
            Components c = At(s, kHintTabBodyX + x, kHintTabY + y);
            if (c.r > 25 && c.g > 20 && c.b < 12) yellow++;
        }
    EXPECT_GT(yellow, 20);
    removeSurface(s);
}

TEST(GeneratedSheets, ExitGlowSurroundsTheButtonPicture) {
    Surface* s = LoadGenerated("icons.png", 128, nullptr);
    // The glow is drawn 3 left of and 4 above the picture: its weight centre,
    // shifted back, falls on the picture's.
    auto centre = [&](int x0, int y0, int w, int h, bool blue) {
        double sx = 0, sy = 0, sum = 0;
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++) {
                Components c = At(s, x0 + x, y0 + y);
                double v = blue ? c.b : c.g;
                sx += v * x, sy += v * y, sum += v;
            }
        return std::pair<double, double>{sx / sum, sy / sum};
    };
    auto mask = centre(kBiteMaskX, kBiteMaskY, kBiteWidth, kBiteHeight, true);
    auto glow = centre(kExitGlowX, kExitGlowY, kExitGlowWidth, kExitGlowHeight, false);
    EXPECT_NEAR(glow.first - 3, mask.first, 1.0);
    EXPECT_NEAR(glow.second - 4, mask.second, 1.0);
    removeSurface(s);
}

TEST(GeneratedSheets, HarmfulPowerUpsShareTheWarningRing) {
    Surface* s = LoadGenerated("power-ups.png", 128, nullptr);
    const bool harmful[kPowerUpTypes] = {false, false, false, false, false, false, true, false, false, false, true,
                                         false, false, false, true, false, true, false, true, false, false, false};
    for (int t = 0; t < kPowerUpTypes; t++) {
        // Count bright yellow on the rim, between radius 9 and 12.
        int yellow = 0;
        for (int y = 0; y < kPowerUpCell; y++)
            for (int x = 0; x < kPowerUpCell; x++) {
                float dx = x + 0.5f - kPowerUpCell / 2.0f, dy = y + 0.5f - kPowerUpCell / 2.0f;
                float r2 = dx * dx + dy * dy;
                if (r2 < 9.0f * 9.0f || r2 > 12.0f * 12.0f) continue;
                Components c = At(s, t * kPowerUpCell + x, kPowerUpIconRow + y);
                if (c.r > 22 && c.g > 18 && c.b < 10) yellow++;
            }
        if (harmful[t]) {
            EXPECT_GT(yellow, 20) << "type " << t;
        } else {
            EXPECT_LT(yellow, 5) << "type " << t;
        }
    }
    removeSurface(s);
}

// Colour arithmetic, the gamma table and every pixel mode of the blit, against
// values worked out by hand.
#include <gtest/gtest.h>

#include "gfx/blit.h"
#include "gfx/surface.h"
#include "shell/random.h"

namespace {
struct SurfaceHolder {
    Surface* s;
    SurfaceHolder(int w, int h) : s(createSurface(w, h)) {}
    ~SurfaceHolder() { removeSurface(s); }
    Surface* operator->() const { return s; }
    operator Surface*() const { return s; }
};

void Fill(Surface* s, uint16_t c) {
    for (int y = 0; y < s->height; ++y)
        for (int x = 0; x < s->width; ++x) putPixel(s, x, y, c);
}

TEST(Colour, PackingBlendingAndLimits) {
    EXPECT_EQ(packColour(31, 31, 31), 0xFFDF);
    int r, g, b;
    unpackColour(0xFFFF, r, g, b);
    EXPECT_EQ(r + g + b, 93);
    EXPECT_EQ(blendColour(31, 31, 31, 0, 0, 0, 255), packColour(30, 30, 30));
    EXPECT_EQ(blendColour(31, 0, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(blendColour(0, 0, 0, 31, 31, 31, 0), packColour(30, 30, 30));
    EXPECT_EQ(lightenColour(packColour(3, 4, 5), -7), packColour(3, 4, 5));
    EXPECT_EQ(lightenColour(packColour(3, 4, 5), 40), packColour(31, 31, 31));
    EXPECT_EQ(darkenColour(packColour(31, 20, 5), 40), 0);
    EXPECT_EQ(packClamped(40, 12, 99), packColour(31, 12, 31));
}

TEST(Colour, GammaTables) {
    gammaLevel = 0;
    EXPECT_EQ(getGamma(), 128);
    setGamma(80);
    const int level80[32] = {0,  0,  0,  1,  1,  2,  3,  4,  4,  5,  6,  7,  8,  9,  10, 11,
                             12, 13, 14, 15, 17, 18, 19, 20, 21, 23, 24, 25, 26, 28, 29, 30};
    for (int i = 0; i < 32; ++i) EXPECT_EQ(gammaTable[i], level80[i]) << i;
    setGamma(128);
    for (int i = 0; i <= 26; ++i) EXPECT_EQ(gammaTable[i], i);
    for (int i = 27; i < 32; ++i) EXPECT_EQ(gammaTable[i], i - 1);
}

TEST(Surfaces, PixelAccessOutsideIsHarmlessAndRemoveNullsThePointer) {
    Surface* s = createSurface(5, 5);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->halfWidth, 2);
    putPixel(s, -1, 0, 0x1234);
    putPixel(s, 5, 0, 0x1234);
    putPixel(s, 0, 5, 0x1234);
    for (int i = 0; i < 25; ++i) EXPECT_EQ(s->memory[i], 0);
    EXPECT_EQ(getPixel(s, -1, 0), 0);
    EXPECT_EQ(getPixel(s, 5, 0), 0);
    removeSurface(s);
    EXPECT_EQ(s, nullptr);
    removeSurface(s);  // a second call on the null pointer does nothing
    EXPECT_EQ(createSurface(0, 10), nullptr);
    EXPECT_EQ(createSurface(10, 4097), nullptr);
    EXPECT_EQ(createSurface(100000, 100000), nullptr);
}

TEST(Blit, ClippingAtEveryEdge) {
    SurfaceHolder src(20, 10), dest(30, 30);
    for (int x = 0; x < 20; ++x)
        for (int y = 0; y < 10; ++y) putPixel(src, x, y, static_cast<uint16_t>(x + 1));

    drawSprite(dest, -5, 0, 20, 1, src, 0, 0, BlitCopy);  // left edge
    for (int x = 0; x < 15; ++x) EXPECT_EQ(getPixel(dest, x, 0), x + 6);
    EXPECT_EQ(getPixel(dest, 15, 0), 0);

    clearSurface(dest);
    drawSprite(dest, 10, 2, 10, 1, src, -3, 0, BlitCopy);  // source starts left of the sheet
    EXPECT_EQ(getPixel(dest, 12, 2), 0);
    EXPECT_EQ(getPixel(dest, 13, 2), 1);
    EXPECT_EQ(getPixel(dest, 19, 2), 7);
    EXPECT_EQ(getPixel(dest, 20, 2), 0);

    clearSurface(dest);
    drawSprite(dest, 0, 0, 50, 1, src, 5, 0, BlitCopy);  // wider than the source: cut to it
    EXPECT_EQ(getPixel(dest, 14, 0), 20);
    EXPECT_EQ(getPixel(dest, 15, 0), 0);

    clearSurface(dest);
    drawSprite(dest, 25, 27, 20, 10, src, 0, 0, BlitCopy);  // right and bottom edges
    EXPECT_EQ(getPixel(dest, 29, 29), 5);
    drawSprite(dest, 0, -9, 1, 10, src, 0, 0, BlitCopy);  // top edge
    EXPECT_EQ(getPixel(dest, 0, 0), 1);

    SurfaceHolder before(30, 30);
    drawSprite(before, 0, 0, 30, 30, dest, 0, 0, BlitCopy);
    drawSprite(dest, 30, 0, 5, 5, src, 0, 0, BlitCopy);
    drawSprite(dest, 0, -10, 5, 10, src, 0, 0, BlitCopy);
    drawSprite(dest, -20, 0, 20, 5, src, 0, 0, BlitCopy);
    drawSprite(dest, 0, 0, 5, 5, src, 20, 0, BlitCopy);
    for (int i = 0; i < 900; ++i) EXPECT_EQ(dest->memory[i], before->memory[i]);
}

TEST(Blit, PixelModes) {
    SurfaceHolder src(2, 1), dest(2, 1);
    const uint16_t white = packColour(31, 31, 31), grey = packColour(20, 20, 20);
    putPixel(src, 0, 0, white);  // pixel 1 stays 0

    auto run = [&](int mode, int param, uint16_t under) {
        Fill(dest, under);
        drawSpriteParam(dest, 0, 0, 2, 1, src, 0, 0, mode, param);
    };
    run(BlitCopy, 0, grey);
    EXPECT_EQ(getPixel(dest, 0, 0), white);
    EXPECT_EQ(getPixel(dest, 1, 0), 0);  // zeros are copied
    run(BlitKeyed, 0, grey);
    EXPECT_EQ(getPixel(dest, 0, 0), white);
    EXPECT_EQ(getPixel(dest, 1, 0), grey);
    run(BlitAlpha, 255, 0);
    EXPECT_EQ(getPixel(dest, 0, 0), packColour(30, 30, 30));
    run(BlitAlpha, 0, white);
    EXPECT_EQ(getPixel(dest, 0, 0), packColour(30, 30, 30));
    run(BlitSolid, 0x1234, grey);
    EXPECT_EQ(getPixel(dest, 0, 0), 0x1234);
    EXPECT_EQ(getPixel(dest, 1, 0), grey);

    putPixel(src, 0, 0, grey);
    run(BlitAdditive, 0, grey);
    EXPECT_EQ(getPixel(dest, 0, 0), packColour(31, 31, 31));
    run(BlitAdditive, -15, packColour(1, 2, 3));
    EXPECT_EQ(getPixel(dest, 0, 0), packColour(6, 7, 8));
    run(BlitAdditive, -25, packColour(1, 2, 3));  // dimmed below zero adds nothing
    EXPECT_EQ(getPixel(dest, 0, 0), packColour(1, 2, 3));

    // Sparkle draws one number per non-zero source pixel from the shared stream.
    randState = 77;
    uint32_t expectState = 77 * 214013u + 2531011u;
    int amount = static_cast<int>((expectState >> 16) & 0x7FFF) & 7;
    run(BlitSparkle, 7, packColour(10, 10, 10));
    EXPECT_EQ(randState, expectState);
    EXPECT_EQ(getPixel(dest, 0, 0), packColour(10 + amount, 10 + amount, 10 + amount));
    EXPECT_EQ(getPixel(dest, 1, 0), packColour(10, 10, 10));
    randState = 1;

    SurfaceHolder small(10, 10), big(60, 60);
    drawSpriteParam(big, 0, 0, 50, 50, small, 0, 0, BlitFill, 0x0042);
    EXPECT_EQ(getPixel(big, 9, 9), 0x0042);
    EXPECT_EQ(getPixel(big, 10, 0), 0);  // clipped to the source's size
}

TEST(Blit, TileCoversEverythingFarBelowZero) {
    SurfaceHolder tile(7, 5), dest(40, 30);
    Fill(tile, 0x0101);
    for (int offset : {0, -1, -40000, -32768, 123456}) {
        clearSurface(dest);
        tileSurface(dest, tile, offset, offset);
        for (int i = 0; i < 40 * 30; ++i) ASSERT_EQ(dest->memory[i], 0x0101) << "offset " << offset;
    }
    // Offsets -1 and 0 shift the grid by one pixel.
    putPixel(tile, 0, 0, 0x0202);
    tileSurface(dest, tile, 0, 0);
    EXPECT_EQ(getPixel(dest, (32768 % 7), (32768 % 5)), 0x0202);
    tileSurface(dest, tile, -1, 0);
    EXPECT_EQ(getPixel(dest, (32767 % 7), (32768 % 5)), 0x0202);
}

TEST(Blit, MaskedSmoothAndCentre) {
    SurfaceHolder src(2, 1), mask(2, 1), dest(2, 1);
    Fill(src, packColour(31, 31, 31));
    putPixel(mask, 0, 0, packColour(0, 0, 16));  // weight 128
    drawMasked(dest, 0, 0, 2, 1, src, 0, 0, mask, 0, 0);
    EXPECT_EQ(getPixel(dest, 0, 0), packColour(15, 15, 15));
    EXPECT_EQ(getPixel(dest, 1, 0), 0);
    drawMasked(dest, 1, 0, 5, 5, src, 0, 0, mask, 0, 0);  // runs past every surface harmlessly

    SurfaceHolder bg(2, 2), shifted(2, 2);
    putPixel(bg, 0, 0, packColour(31, 0, 0));
    smoothSurface(shifted, bg, 16, 16);
    // (31*16 >> 8) = 1, then again through the vertical blend: (1*16) >> 8 = 0.
    EXPECT_EQ(getPixel(shifted, 0, 0), packColour(0, 0, 0));
    smoothSurface(shifted, bg, 240, 240);
    EXPECT_EQ(getPixel(shifted, 0, 0), packColour((((31 * 240) >> 8) * 240) >> 8, 0, 0));
    EXPECT_EQ(getPixel(shifted, 1, 1), packColour((((31 * 15) >> 8) * 15) >> 8, 0, 0));

    SurfaceHolder picture(4, 2), screen(10, 10);
    Fill(picture, 0x0003);
    centerSurface(screen, picture);
    EXPECT_EQ(getPixel(screen, 3, 4), 0x0003);
    EXPECT_EQ(getPixel(screen, 6, 5), 0x0003);
    EXPECT_EQ(getPixel(screen, 7, 5), 0);
}
}  // namespace

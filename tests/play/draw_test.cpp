// The playfield layers on the back surface: ball sprites by power-up, the
// serve's aiming line, debris pixels and the paddle pieces.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "game/play/balls.h"
#include "game/play/debris.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/power_ups.h"
#include "gfx/assets.h"
#include "play/play_fixture.h"

namespace {
class DrawTest : public PlayFieldTest {
protected:
    void SetUp() override {
        PlayFieldTest::SetUp();
        spritesSheet = createSurface(224, 48);
        // Each ball cell's centre pixel tells which column it came from.
        for (int c : {0, 7, 14, 21}) putPixel(spritesSheet, c + 3, 35, packColour(1 + c, 1, 1));
    }
    void TearDown() override {
        removeSurface(spritesSheet);
        PlayFieldTest::TearDown();
    }
};
}  // namespace

TEST_F(DrawTest, BallsUseTheSpriteOfTheirPowerUps) {
    ASSERT_TRUE(AddBall(100, 200, 0, 512));
    const struct {
        int homing, fireball, column;
    } cases[] = {{0, 0, 0}, {1, 0, 7}, {0, 1, 14}, {1, 1, 21}};
    for (const auto& c : cases) {
        clearSurface(backSurface);
        powerUpCount[PowerHoming] = static_cast<int16_t>(c.homing);
        powerUpCount[PowerFireball] = static_cast<int16_t>(c.fireball);
        DrawBalls();
        EXPECT_EQ(getPixel(backSurface, 120, 220), packColour(1 + c.column, 1, 1)) << c.column;
    }
}

TEST_F(DrawTest, TheAimingLineShowsOnlyWhileTheServeWaits) {
    ASSERT_TRUE(AddBall(100, 200, 0, 512));  // heading down
    serveTimer = 0;
    DrawBalls();
    EXPECT_EQ(getPixel(backSurface, 120, 240), 0);
    serveTimer = 50;
    tickCounter = 0;
    DrawBalls();
    // 20 pixels down lie s = 41 and 42 ((s * 255) >> 9 = 20); each v is above the
    // fade 11 and lightens by 11 >> 1 = 5.
    EXPECT_EQ(getPixel(backSurface, 120, 240), packColour(10, 10, 10));
    EXPECT_EQ(getPixel(backSurface, 120, 252), 0);  // the line ends after 31 pixels
}

TEST_F(DrawTest, DebrisAndThePaddleSitAtThePlayfieldOrigin) {
    AddDebris(5, 7, 0, 0, DebrisSolid, 0x1234);
    AddDebris(-30, 500, 0, 0, DebrisSpark, 0x4321);  // off the screen: not drawn
    DrawDebris();
    EXPECT_EQ(getPixel(backSurface, 25, 27), 0x1234);

    clearSurface(backSurface);
    for (int x = 9; x < 20; ++x)
        for (int y = 0; y < 11; ++y) putPixel(blockSetImage, x, y, static_cast<uint16_t>(100 + x));
    paddleX = 100;
    paddleY = 400;
    paddleHalfWidth = 10;
    DrawPaddle();
    EXPECT_EQ(getPixel(backSurface, 110, 419), 100 + 9);   // left cap at x - 10, y - 1
    EXPECT_EQ(getPixel(backSurface, 126, 419), 100 + 16);  // right cap at x + 10 - 4
    EXPECT_EQ(getPixel(backSurface, 114, 420), 100 + 14);  // the piece at x - 7, one pixel in
    EXPECT_EQ(getPixel(backSurface, 126, 429), 100 + 16);  // caps are 11 rows high
    EXPECT_EQ(getPixel(backSurface, 109, 420), 0);
}

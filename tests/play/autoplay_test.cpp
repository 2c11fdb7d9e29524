// The autoplayer on small test-built levels: it must clear them with the
// pointer alone, in a bounded number of ticks, and keep count of what it lost.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "app/autoplay.h"
#include "game/play/balls.h"
#include "game/play/blocks.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/play_tick.h"
#include "game/play/power_ups.h"
#include "play/play_fixture.h"

namespace {
constexpr uint16_t kPit = (31 << 6) | 31;

class AutoplayTest : public PlayFieldTest {
protected:
    void SetUp() override {
        PlayFieldTest::SetUp();
        BuildWalls();
        PaintMap(0, 439, 330, 1, kPit);
        CentrePaddle();
        lives = 5;
        serveTimer = -260;
        autoplayEnabled = 1;
        ResetAutoplay();
    }
    void TearDown() override {
        autoplayEnabled = 0;
        PlayFieldTest::TearDown();
    }

    // Plays until the level is cleared or the game is over; returns the ticks played,
    // or -1 when the bound runs out first.
    static int PlayUntilDone(int bound, int32_t& result) {
        for (int t = 1; t <= bound; ++t) {
            ++tickCounter;
            result = PlayTick();
            if (result != ModePlay) return t;
            RunAutoplay();
        }
        return -1;
    }
};

TEST_F(AutoplayTest, ClearsARowOfBlocks) {
    AddShape(0, 40, 10, 10);  // kind 0, the indestructible block, unused here
    const int brick = AddShape(0, 0, 30, 12);
    for (int i = 0; i < 6; ++i) PlaceBlock(40 + 42 * i, 80, brick);
    int32_t result = ModePlay;
    const int ticks = PlayUntilDone(60 * 60 * 5, result);
    EXPECT_EQ(result, ModeLevelComplete);
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(autoplayBallsLost, 0) << "the ball should never get past the paddle on open ground";
    EXPECT_TRUE(steerByMouse);
}

TEST_F(AutoplayTest, ClearsBlocksBehindAnIndestructibleShelf) {
    const int shelf = AddShape(0, 20, 120, 8);  // kind 0 cannot be broken
    const int brick = AddShape(0, 0, 20, 10);
    for (int i = 0; i < 4; ++i) PlaceBlock(110 + 28 * i, 40, brick);
    PlaceBlock(105, 70, shelf);
    int32_t result = ModePlay;
    EXPECT_GT(PlayUntilDone(60 * 60 * 8, result), 0);
    EXPECT_EQ(result, ModeLevelComplete);
}

TEST_F(AutoplayTest, ReachesALastBrickBetweenTwoShelves) {
    AddShape(0, 40, 10, 10);
    const int brick = AddShape(0, 0, 30, 15);
    // Two steel shelves with two gaps each, none above another; the last brick
    // sits in the far corner of the space between them. No straight bounce
    // reaches it: the ball has to be sent in through a gap and along.
    PaintMap(10, 80, 35, 15, kWallBlue);
    PaintMap(75, 80, 180, 15, kWallBlue);
    PaintMap(285, 80, 35, 15, kWallBlue);
    PaintMap(10, 125, 95, 15, kWallBlue);
    PaintMap(135, 125, 60, 15, kWallBlue);
    PaintMap(225, 125, 95, 15, kWallBlue);
    PlaceBlock(15, 110, brick);
    int32_t result = ModePlay;
    EXPECT_GT(PlayUntilDone(60 * 60, result), 0) << "within a minute of play";
    EXPECT_EQ(result, ModeLevelComplete);
}

TEST_F(AutoplayTest, DigsOutOfSandAndStillClears) {
    AddShape(0, 40, 10, 10);
    const int brick = AddShape(0, 0, 24, 10);
    for (int i = 0; i < 5; ++i) PlaceBlock(50 + 48 * i, 60, brick);
    // A bank of sand over the paddle zone: the paddle must dig to follow the ball.
    PaintMap(10, 400, 310, 39, kSandGreen);
    int32_t result = ModePlay;
    EXPECT_GT(PlayUntilDone(60 * 60 * 8, result), 0);
    EXPECT_EQ(result, ModeLevelComplete);
}

TEST_F(AutoplayTest, CountsALostBallAndTheCapsulesItCatches) {
    AddShape(0, 40, 10, 10);
    const int brick = AddShape(0, 0, 30, 12);
    PlaceBlock(150, 60, brick);
    ballCount = 0;
    AddBall(100, 420, 0, 512);
    RunAutoplay();  // sees the ball
    ballCount = 0;  // the ball falls into the pit
    RunAutoplay();
    EXPECT_EQ(autoplayBallsLost, 1);

    AddFallingPowerUp(paddleX, paddleY - 10, 0, 512, PowerWidePaddle);
    RunAutoplay();
    ++tickCounter;
    UpdateFallingPowerUps();
    RunAutoplay();
    EXPECT_EQ(autoplayCapsulesCaught, 1);
}

TEST(Autoplay, HarmfulCapsulesAreTheOnesThatHurtThePlayer) {
    EXPECT_TRUE(HarmfulPowerUp(PowerNarrowPaddle));
    EXPECT_TRUE(HarmfulPowerUp(PowerLoseBalls));
    EXPECT_TRUE(HarmfulPowerUp(PowerFrozenPaddle));
    EXPECT_FALSE(HarmfulPowerUp(PowerWidePaddle));
    EXPECT_FALSE(HarmfulPowerUp(PowerExtraLife));
}
}  // namespace

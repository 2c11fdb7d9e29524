// The effects of the active power-ups, family by family: the paddle's width,
// speed and zone; the types that make or lose balls; the block destroyers; and
// the types that burn or drain the settled debris.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "game/play/balls.h"
#include "game/play/block_set.h"
#include "game/play/blocks.h"
#include "game/play/debris.h"
#include "game/play/explosions.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/power_ups.h"
#include "play/play_fixture.h"
#include "play/powerup_test_support.h"

namespace {
class PowerUpEffectsTest : public PlayFieldTest {
protected:
    void SetUp() override {
        PlayFieldTest::SetUp();
        paddleX = 165;
        paddleY = 400;
        paddleHalfWidth = 20;
    }
    // n breakable blocks in a row near the top (kind 0 is the indestructible one).
    static void PlaceBreakableRow(int n) {
        if (blockDescCount == 0) AddShape(0, 200, 5, 5);
        const int kind = AddShape(0, 100, 20, 10);
        for (int k = 0; k < n; ++k) PlaceBlock(20 + 25 * k, 20, kind);
    }
};

TEST_F(PowerUpEffectsTest, PaddleWidthAndSpeedTypesStackWithinTheirLimits) {
    const int32_t base = BasePaddleHalfWidth();
    ApplyPowerUp(PowerWidePaddle);
    ApplyPowerUp(PowerWidePaddle);
    RunPowerUpUpdates(1);
    EXPECT_EQ(paddleTargetHalfWidth, base + 12);
    EXPECT_EQ(paddleMaxStep, 4);

    ResetPowerUps();
    for (int n = 0; n < 4; ++n) ApplyPowerUp(PowerNarrowPaddle);
    RunPowerUpUpdates(1);
    EXPECT_EQ(paddleTargetHalfWidth, 4);

    ResetPowerUps();
    ApplyPowerUp(PowerSluggishPaddle);
    ApplyPowerUp(PowerSluggishPaddle);
    RunPowerUpUpdates(1);
    EXPECT_EQ(paddleMaxStep, 2) << "the second one finds the step no longer above 2";

    ResetPowerUps();
    for (int n = 0; n < 3; ++n) ApplyPowerUp(PowerFastPaddle);
    RunPowerUpUpdates(1);
    EXPECT_EQ(paddleMaxStep, 12) << "4, 8, then 12 since 8 was below 10; the third adds nothing";

    ResetPowerUps();
    RunPowerUpUpdates(1);
    EXPECT_EQ(paddleTargetHalfWidth, base);
    EXPECT_EQ(paddleMaxStep, 4);
}

TEST_F(PowerUpEffectsTest, ZoneTypesMoveTheZoneOnlyWhileBallsExistAndStayInBounds) {
    const int32_t base = BaseZoneHeight();
    paddleTargetZoneHeight = 77;
    ApplyPowerUp(PowerRaiseZone);
    RunPowerUpUpdates(1);
    EXPECT_EQ(paddleTargetZoneHeight, 77) << "no ball: the zone is left alone";

    AddBall(100, 100, 0, 512);
    RunPowerUpUpdates(1);
    EXPECT_EQ(paddleTargetZoneHeight, base + 20);
    for (int n = 0; n < 19; ++n) ApplyPowerUp(PowerRaiseZone);
    RunPowerUpUpdates(1);
    EXPECT_EQ(paddleTargetZoneHeight, 440 - 5);

    ResetPowerUps();
    for (int n = 0; n < 10; ++n) ApplyPowerUp(PowerLowerZone);
    RunPowerUpUpdates(1);
    EXPECT_EQ(paddleTargetZoneHeight, 5);
}

TEST_F(PowerUpEffectsTest, FountainAndVolcanoMakeBallsUntilTheTableIsFull) {
    PlaceBreakableRow(1);
    tickCounter = 1;
    ApplyPowerUp(PowerBallFountain);
    EXPECT_EQ(shakeAmount, 16);
    RunPowerUpUpdates(70);  // ticks 1..63 add on even tickCounter values
    EXPECT_EQ(ballCount, 32);
    for (int i = 0; i < ballCount; ++i) {
        EXPECT_EQ(balls[i].prevY >> 10, 395);
        EXPECT_LT(balls[i].vy, 0) << "ball " << i << " flies up";
    }

    ResetPowerUps();
    ballCount = 0;
    debrisCount = 0;
    ApplyPowerUp(PowerVolcano);
    RunPowerUpUpdates(16);
    EXPECT_EQ(ballCount, 2);  // on the entry's 8th and 16th update
    EXPECT_EQ(debrisCount, 160);
    EXPECT_EQ(debris[0].kind, DebrisSpark);
    EXPECT_EQ(debris[0].colour, 0xFFFF);
    EXPECT_LT(debris[0].vy, -2047);

    // With the ball table full nothing is added and no ball is changed.
    ballCount = 0;
    for (int i = 0; i < kMaxBalls; ++i) AddBall(50, 50, 512, 0);
    const Ball last = balls[kMaxBalls - 1];
    ResetPowerUps();
    ApplyPowerUp(PowerBallFountain);
    ApplyPowerUp(PowerVolcano);
    ApplyPowerUp(PowerSplitter);
    RunPowerUpUpdates(40);
    EXPECT_EQ(ballCount, kMaxBalls);
    EXPECT_EQ(balls[kMaxBalls - 1].x, last.x + 40 * 0);
    EXPECT_EQ(balls[kMaxBalls - 1].vx, last.vx);
    EXPECT_EQ(balls[kMaxBalls - 1].speed, last.speed);
}

TEST_F(PowerUpEffectsTest, TheSplitterKeepsBelowFourBallsPerEntry) {
    PlaceBreakableRow(1);
    AddBall(100, 200, 0, 512);
    balls[0].speed = 900;
    tickCounter = 0;
    ApplyPowerUp(PowerSplitter);
    RunPowerUpUpdates(15);
    EXPECT_EQ(ballCount, 1) << "splits only on every 16th tick";
    RunPowerUpUpdates(1);
    ASSERT_EQ(ballCount, 2);
    EXPECT_EQ(balls[1].speed, 900);
    EXPECT_EQ(balls[1].prevX >> 10, 100);
    RunPowerUpUpdates(16 * 10);
    EXPECT_EQ(ballCount, 4);
    ApplyPowerUp(PowerSplitter);  // two entries: up to 8, each may split on the same tick
    RunPowerUpUpdates(16 * 10);
    EXPECT_EQ(ballCount, 8);

    // Nothing to split, or nothing left to break: no split.
    ballCount = 0;
    RunPowerUpUpdates(32);
    EXPECT_EQ(ballCount, 0);
    AddBall(100, 200, 0, 512);
    DestroyBlock(0);
    RunPowerUpUpdates(32);
    EXPECT_EQ(ballCount, 1);
}

TEST_F(PowerUpEffectsTest, EachFastBallsEntryRunsTheBallsAsOftenAsTheCount) {
    AddBall(100, 100, 0, 0);
    balls[0].vx = 1;  // one fixed unit a step, far from anything
    balls[0].vy = 0;
    UpdateBalls();
    const int32_t step = balls[0].x - (100 << 10);
    ASSERT_NE(step, 0);
    const int32_t before = balls[0].x;
    for (int n = 0; n < 3; ++n) ApplyPowerUp(PowerFastBalls);
    RunPowerUpUpdates(1);
    EXPECT_EQ(balls[0].x - before, 9 * step);
}

TEST_F(PowerUpEffectsTest, LoseBallsBurstsEveryBallAtOnce) {
    for (int n = 0; n < 3; ++n) AddBall(100 + 10 * n, 200, 0, 512);
    ApplyPowerUp(PowerLoseBalls);
    EXPECT_EQ(score, -1000);
    RunPowerUpUpdates(1);
    EXPECT_EQ(ballCount, 0);
    EXPECT_EQ(debrisCount, 60);
    EXPECT_EQ(debris[0].kind, DebrisSolid);
    EXPECT_EQ(debris[0].colour, BallColour());
    EXPECT_EQ(activePowerUpCount, 0);
}

TEST_F(PowerUpEffectsTest, TheBlasterAndChomperDestroyAnyKindAndStopWhenNoneIsLeft) {
    const int solid = AddShape(0, 100, 20, 10);
    PlaceBlock(20, 20, solid);
    PlaceBlock(60, 20, solid);
    ASSERT_EQ(indestructibleCount, 2) << "kind 0 is the indestructible block";
    ApplyPowerUp(PowerBlaster);
    RunPowerUpUpdates(7);
    EXPECT_EQ(levelBlockCount, 2);
    RunPowerUpUpdates(1);
    EXPECT_EQ(levelBlockCount, 1);
    EXPECT_EQ(explosionCount, 1);
    EXPECT_EQ(explosions[0].kind, ExplosionBlast);
    RunPowerUpUpdates(16);  // the second blast takes the last; the third finds nothing
    EXPECT_EQ(levelBlockCount, 0);
    EXPECT_EQ(indestructibleCount, 0);
    EXPECT_EQ(explosionCount, 2);

    ResetPowerUps();
    explosionCount = 0;
    for (int k = 0; k < 5; ++k) PlaceBlock(20 + 25 * k, 60, solid);
    ApplyPowerUp(PowerChomper);
    RunPowerUpUpdates(4);
    EXPECT_EQ(levelBlockCount, 5);
    RunPowerUpUpdates(1);
    EXPECT_EQ(levelBlockCount, 4);
    EXPECT_EQ(explosions[0].kind, ExplosionChomp);
    EXPECT_EQ(activePowerUpCount, 0);

    optMaxPowerUp = 1;
    ApplyPowerUp(PowerChomper);
    RunPowerUpUpdates(5);
    EXPECT_EQ(levelBlockCount, 1);
    ApplyPowerUp(PowerChomper);
    RunPowerUpUpdates(5);
    EXPECT_EQ(levelBlockCount, 0);
    EXPECT_EQ(activePowerUpCount, 0);
}

TEST_F(PowerUpEffectsTest, LasersBreakTheFirstBlockAboveButNotIndestructibleOnes) {
    const int hard = AddShape(0, 100, 60, 10);
    const int soft = AddShape(0, 120, 60, 10);
    PlaceBlock(135, 100, soft);   // over the paddle's ends (145 and 185)
    PlaceBlock(135, 300, hard);   // below it: shields the soft block from every beam
    ApplyPowerUp(PowerLasers);
    RunPowerUpUpdates(300);
    EXPECT_EQ(levelBlockCount, 2);

    DestroyBlock(1);
    ResetPowerUps();
    ApplyPowerUp(PowerLasers);
    int updates = 0;
    while (levelBlockCount == 1 && updates < 300) {
        RunPowerUpUpdates(1);
        ++updates;
    }
    EXPECT_EQ(levelBlockCount, 0) << "a beam fires one update in 16 on average";
}

// A heap of settled debris across the bottom of the field, 40 rows deep.
class DebrisHeapTest : public PowerUpEffectsTest {
protected:
    static constexpr int kTop = 400;
    void SetUp() override {
        PowerUpEffectsTest::SetUp();
        FillWith(sceneryPristine, packColour(3, 3, 3));
        for (int y = kTop; y < 440; ++y)
            for (int x = 0; x < 330; ++x) {
                putPixel(collisionMap, x, y, kCyan);
                putPixel(sceneryView, x, y, packColour(16, 8, 8));
                putPixel(playfieldImage, x, y, packColour(16, 8, 8));
            }
        paddleY = 380;
    }
    static int GroundIn(int x0, int x1, int y0, int y1) {
        int n = 0;
        for (int x = x0; x < x1; ++x)
            for (int y = y0; y < y1; ++y) n += getPixel(collisionMap, x, y) == kCyan;
        return n;
    }
};

TEST_F(DebrisHeapTest, BurnOutClearsABowlUnderThePaddleButNeverThePit) {
    ApplyPowerUp(PowerBurnOut);
    RunPowerUpUpdates(1);
    EXPECT_EQ(activePowerUpCount, 0);
    // R = 40 round the first ground under the paddle, row 400.
    EXPECT_EQ(getPixel(collisionMap, 165, 400), 0);
    EXPECT_EQ(getPixel(collisionMap, 165, 437), 0) << "map height - 3 is the last row cleared";
    EXPECT_EQ(getPixel(collisionMap, 165, 438), kCyan);
    EXPECT_EQ(getPixel(collisionMap, 165, 439), kCyan);
    EXPECT_EQ(getPixel(collisionMap, 123, 400), kCyan);
    EXPECT_EQ(getPixel(collisionMap, 124, 400), 0);
    EXPECT_EQ(getPixel(collisionMap, 205, 400), 0);
    EXPECT_EQ(getPixel(collisionMap, 206, 400), kCyan) << "the half-open span ends before paddleX + h";
    EXPECT_EQ(getPixel(collisionMap, 140, 432), 0);  // h = trunc(sqrt(41^2 - 32^2)) = 25 at row c + 32
    EXPECT_EQ(getPixel(collisionMap, 139, 432), kCyan);
    EXPECT_EQ(getPixel(playfieldImage, 165, 400), packColour(3, 3, 3));
    EXPECT_EQ(getPixel(sceneryView, 165, 400), packColour(3, 3, 3));
    EXPECT_EQ(GroundIn(0, 115, kTop, 440), 115 * 40);
    // Ground left in the scorch ring glows red-orange, without blue.
    const uint16_t scorched = getPixel(playfieldImage, 120, 405);
    EXPECT_EQ(scorched >> 11, 16);
    EXPECT_EQ(scorched & 31, 0);
    EXPECT_EQ(getPixel(sceneryView, 120, 405), scorched);
    EXPECT_GT(debrisCount, 1000);
    EXPECT_EQ(debris[0].kind, DebrisSpark);
}

TEST_F(DebrisHeapTest, BurnOutWithoutGroundUnderThePaddleDoesNothing) {
    for (int y = 380; y < 440; ++y) putPixel(collisionMap, 165, y, 0);
    ApplyPowerUp(PowerBurnOut);
    RunPowerUpUpdates(1);
    EXPECT_EQ(GroundIn(0, 330, kTop, 440), 330 * 40 - 40);
    EXPECT_EQ(debrisCount, 0);
    EXPECT_EQ(activePowerUpCount, 0);
}

TEST_F(DebrisHeapTest, DrainSinksTheHeapBySixRows) {
    for (int y = kTop; y < 432; ++y) putPixel(collisionMap, 50, y, 0);  // a column holding only 8 rows
    putPixel(collisionMap, 60, 439, 0);                                 // and one not touching the bottom
    ApplyPowerUp(PowerDrain);
    RunPowerUpUpdates(1);
    EXPECT_EQ(GroundIn(100, 101, 0, 440), 34);
    EXPECT_EQ(getPixel(collisionMap, 100, 405), 0);
    EXPECT_EQ(getPixel(collisionMap, 100, 406), kCyan);
    EXPECT_EQ(getPixel(playfieldImage, 100, 404), packColour(3, 3, 3));
    EXPECT_EQ(getPixel(playfieldImage, 100, 439) & 31, 0) << "recoloured down to the bottom";
    // Only rows above map height - 3 are cleared.
    EXPECT_EQ(GroundIn(50, 51, 0, 440), 3);
    EXPECT_EQ(GroundIn(60, 61, 0, 440), 39);
    EXPECT_EQ(activePowerUpCount, 0);
}
}  // namespace

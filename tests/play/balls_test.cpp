// Balls in a small test-built map: paths computed by hand from the tables, the
// paddle bounce at its centre and edges, the pit, and the ball table's guards.
#include <cstdlib>

#include <gtest/gtest.h>

#include "game/play/balls.h"
#include "game/play/debris.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/power_ups.h"
#include "game/play/tables.h"
#include "play/play_fixture.h"

namespace {
class BallsTest : public PlayFieldTest {};

int PixelX(int i) { return balls[i].x >> 10; }
int PixelY(int i) { return balls[i].y >> 10; }
}  // namespace

TEST(TablesTest, TruncatedEntriesAndBearings) {
    FillTrigTables();
    EXPECT_EQ(cosTable[0], 256);
    EXPECT_EQ(sinTable[90], 255);
    EXPECT_EQ(cosTable[180], -255);
    EXPECT_EQ(sinTable[270], -255);
    EXPECT_EQ(cosTable[270], 0);
    EXPECT_EQ(DirectionAngle(0, 0, 0, -5), 0);
    EXPECT_EQ(DirectionAngle(0, 0, 0, 5), 180);
    EXPECT_EQ(DirectionAngle(0, 0, 5, 0), 450);  // not wrapped
    EXPECT_EQ(DirectionAngle(0, 0, -5, 0), 630);
    EXPECT_EQ(DirectionAngle(0, 0, 5, -5), 405);
    int32_t bearing, distance;
    AngleAndDistance(0, 0, 3, 4, bearing, distance);
    EXPECT_EQ(distance, 5);
    EXPECT_EQ(bearing, 144);  // 540 - trunc(atan(3/4) * 57.3) - 360
    // Horizontal differences are taken on a ring of 750: 700 to the right is 50 to the left.
    AngleAndDistance(0, 0, 700, 0, bearing, distance);
    EXPECT_EQ(distance, 50);
    EXPECT_EQ(bearing, 270);
}

// Normalising leaves a ball served straight down or straight across 8 (of 1024
// pixels a tick) to the side; the nudge turns it within a few ticks, so it cannot
// shuttle for minutes between two flat walls.
TEST_F(BallsTest, TheNudgeTurnsABallRunningStraight) {
    const int32_t serves[2][2] = {{0, 512}, {-512, 0}};
    for (const auto& v : serves) {
        ballCount = 0;
        ASSERT_TRUE(AddBall(100, 100, v[0], v[1]));
        int32_t& side = v[0] == 0 ? balls[0].vx : balls[0].vy;
        EXPECT_EQ(side, 8);  // the table's 0, raised to the least component
        for (int t = 0; t < 8 && std::abs(side) <= 8; ++t) UpdateBalls();
        EXPECT_GE(std::abs(side), 40) << "turned by at least a degree";
        EXPECT_GE(std::abs(balls[0].vx) + std::abs(balls[0].vy), 3100);
    }
}

TEST_F(BallsTest, StraightUpIntoAWallComesStraightBack) {
    PaintMap(0, 0, 330, 10, kWallBlue);
    ASSERT_TRUE(AddBall(100, 30, 0, -512));
    ASSERT_EQ(balls[0].vy, -3088);
    for (int t = 0; t < 5; ++t) UpdateBalls();
    EXPECT_EQ(PixelY(0), 14);
    // The nudge turned it by -2 degrees on the first tick, the first draw being 41.
    EXPECT_EQ(balls[0].vx, (3100 * cosTable[268]) >> 8);
    EXPECT_EQ(balls[0].vy, -3088);
    UpdateBalls();  // the top probe reaches row 8
    EXPECT_EQ(balls[0].vx, (3100 * cosTable[91]) >> 8);  // the heading of the reflection, truncated
    EXPECT_EQ(balls[0].vy, 3087);
    EXPECT_EQ(balls[0].y, 15279);
    EXPECT_EQ(balls[0].x, 102400 + 6 * ((3100 * cosTable[268]) >> 8) - 97);  // and one step of the reflection
}

TEST_F(BallsTest, AboveTheFieldCountsAsSolidInABounce) {
    ASSERT_TRUE(AddBall(200, 2, 0, -512));  // an open map: nothing but the edge above
    BounceBallOffMap(0);
    EXPECT_EQ(balls[0].vy, 3087);
}

TEST_F(BallsTest, ACornerSendsTheBallBackOut) {
    PaintMap(0, 0, 330, 10, kWallBlue);
    PaintMap(0, 0, 10, 440, kWallBlue);
    ASSERT_TRUE(AddBall(30, 30, -512, -512));
    EXPECT_EQ(balls[0].vx, -2192);
    EXPECT_EQ(balls[0].vy, -2180);
    for (int t = 0; t < 7; ++t) UpdateBalls();
    EXPECT_EQ(PixelX(0), 15);
    UpdateBalls();
    EXPECT_EQ(balls[0].vx, 2300);
    EXPECT_EQ(balls[0].vy, 2070);
    EXPECT_EQ(balls[0].x, 15484);
    EXPECT_EQ(balls[0].y, 15350);
}

TEST_F(BallsTest, PaddleBounceDependsOnlyOnWhereTheBallMeetsIt) {
    paddleX = 165;
    paddleY = 400;
    paddleHalfWidth = 20;
    struct Case {
        int offset, halfWidth, velY, vx, vy, speed;
    };
    const Case cases[] = {
        {0, 20, 0, 8, -3088, 3100},         // centre: straight up
        {15, 20, 0, 2143, -2229, 3100},     // heading 315
        {9, 10, 0, 1356, -2786, 3100},      // the divisor is at least 20: heading 297
        {-7, 25, 0, -751, -3004, 3100},     // -5.6 truncates to -5: heading 255
        {0, 20, 0xFFFF9C, 8, -3188, 3200},  // only the low 16 bits of the paddle's velocity count
        {0, 20, 3000, 8, -2316, 2325},      // a paddle moving down slows the ball, to 3/4 at most
    };
    for (const Case& c : cases) {
        ballCount = 0;
        paddleHalfWidth = c.halfWidth;
        paddleVelY = c.velY;
        ASSERT_TRUE(AddBall(paddleX + c.offset, 396, 0, 512));
        balls[0].x += 512;  // mid-pixel: the nudge's turn keeps it in its column
        UpdateBalls();
        EXPECT_EQ(balls[0].speed, c.speed) << c.offset;
        EXPECT_EQ(balls[0].vx, c.vx) << c.offset;
        EXPECT_EQ(balls[0].vy, c.vy) << c.offset;
        EXPECT_EQ(PixelY(0), paddleY - 6) << c.offset;
        EXPECT_EQ(balls[0].y & 1023, 0);
    }
    // Beside the paddle the ball passes.
    ballCount = 0;
    paddleHalfWidth = 20;
    ASSERT_TRUE(AddBall(paddleX + 20, 396, 0, 512));
    balls[0].x += 512;
    UpdateBalls();
    EXPECT_GT(balls[0].vy, 0);
    // And so it does seven rows below the paddle line.
    ballCount = 0;
    ASSERT_TRUE(AddBall(paddleX, paddleY + 4, 0, 512));
    UpdateBalls();
    EXPECT_EQ(PixelY(0), paddleY + 7);
    EXPECT_GT(balls[0].vy, 0);
}

TEST_F(BallsTest, TheBallIsLostOnlyWhereGreenReachesTheBottom) {
    PaintMap(0, 439, 330, 1, kCyan);
    PaintMap(200, 300, 20, 5, kCyan);
    PaintMap(200, 380, 20, 1, kWallBlue);  // a floor under the second pool
    ASSERT_TRUE(AddBall(100, 434, 0, 512));
    ASSERT_TRUE(AddBall(210, 295, 0, 512));
    UpdateBalls();
    ASSERT_EQ(ballCount, 1);
    EXPECT_EQ(PixelX(0), 210);
    EXPECT_LT(balls[0].vy, 0);  // bounced off the pool with a floor
    EXPECT_EQ(debrisCount, 98);  // 7 x 7 pixels, two particles each
    EXPECT_EQ(debris[0].colour, 0xFFFF);
}

TEST_F(BallsTest, LeavingTheFieldUsesTheFixedSignAndTheScreenWidth) {
    ASSERT_TRUE(AddBall(0, 100, -512, 0));
    balls[0].x = 5;  // less than one pixel: moving left makes it negative
    ASSERT_TRUE(AddBall(600, 100, 512, 0));  // beyond the map but not the screen: kept
    ASSERT_TRUE(AddBall(640, 100, 512, 0));  // past 640: removed
    ASSERT_TRUE(AddBall(100, 200, 0, 512));
    const int32_t lastStart = balls[3].x;
    // Three pixels above the map's foot, heading down: a step of just over 3
    // pixels puts it on the row below the last one, and it leaves.
    ASSERT_TRUE(AddBall(150, collisionMap->height - 3, 0, 512));
    UpdateBalls();
    ASSERT_EQ(ballCount, 2);
    // The last balls took slot 0 and each moved once, in its own turn.
    EXPECT_EQ(balls[0].prevX, lastStart);
    EXPECT_EQ(PixelX(1), 603);
}

TEST_F(BallsTest, NudgeIndexStaysInsideTheTableAfterRemovals) {
    for (int i = 0; i < 100; ++i) ASSERT_TRUE(AddBall(100, 200, 0, 512));
    nudgeIndex = 60;
    ballCount = 10;
    balls[0].vx = 0;
    UpdateBalls();
    EXPECT_EQ(nudgeIndex, 0);
    // Turned by (rand() & 7) - 3 = -2 degrees, the first draw being 41: heading 88.
    EXPECT_EQ(balls[0].vx, (3100 * cosTable[88]) >> 8);
    for (int t = 0; t < 30; ++t) {
        UpdateBalls();
        EXPECT_LT(nudgeIndex, ballCount);
    }
}

TEST_F(BallsTest, TheTableStopsAtItsCap) {
    for (int i = 0; i < kMaxBalls; ++i) ASSERT_TRUE(AddBall(100, 100 + i % 50, 0, 512));
    const Ball last = balls[kMaxBalls - 1];
    EXPECT_FALSE(AddBall(5, 5, 512, 0));
    EXPECT_EQ(ballCount, kMaxBalls);
    EXPECT_EQ(balls[kMaxBalls - 1].x, last.x);
    EXPECT_EQ(balls[kMaxBalls - 1].vx, last.vx);
}

TEST_F(BallsTest, UnstickMovesABallOutOfAWall) {
    PaintMap(0, 0, 330, 10, kWallBlue);
    PaintMap(0, 0, 10, 440, kWallBlue);
    ASSERT_TRUE(AddBall(12, 11, 0, 512));  // in the top left corner
    UnstickBall(0);
    // All eight probes free: the top one at by - 3 >= 10, the left one at bx - 3 >= 10.
    EXPECT_GE(PixelY(0), 13);
    EXPECT_GE(PixelX(0), 13);
    EXPECT_EQ(balls[0].prevX, balls[0].x);
    EXPECT_EQ(balls[0].prevY, balls[0].y);
    // Buried 6 rows deep: only the late attempts, 7 or 8 pixels out, reach free space.
    PaintMap(0, 0, 330, 20, kWallBlue);
    ballCount = 0;
    ASSERT_TRUE(AddBall(100, 16, 0, 512));
    UnstickBall(0);
    EXPECT_GE(PixelY(0), 23);
}

namespace {
// The homing pull added one block at a time, each term rounding down on its own.
void ExpectHomingPull(int i, int32_t vx, int32_t vy, int c) {
    const int32_t bx = balls[i].x >> 10, by = balls[i].y >> 10;
    for (int j = 0; j < levelBlockCount; ++j) {
        const LevelBlock& blk = levelBlocks[j];
        if (blk.kind == 0) continue;
        vx += ((blk.x + blk.width / 2 - bx) * c) >> 2;
        vy += ((blk.y + blk.height / 2 - by) * c) >> 2;
    }
    ASSERT_TRUE(AddBall(0, 0, 0, 0));
    Ball& expected = balls[ballCount - 1];
    expected.speed = balls[i].speed;
    expected.vx = vx;
    expected.vy = vy;
    NormaliseBallVelocity(ballCount - 1);
    EXPECT_EQ(balls[i].vx, expected.vx) << "count " << c;
    EXPECT_EQ(balls[i].vy, expected.vy) << "count " << c;
    --ballCount;
}
}  // namespace

TEST_F(BallsTest, HomingPullsTowardEveryDestructibleBlockWithEachTermRoundedDown) {
    const int solid = AddShape(0, 20, 9, 9), wide = AddShape(0, 0, 7, 4), odd = AddShape(0, 10, 5, 3);
    // Centres on both sides of the ball and at every remainder modulo 4, so that
    // negative offsets round toward minus infinity.
    for (int n = 0; n < 37; ++n) PlaceBlock(13 + (n * 53) % 290, 12 + (n * 31) % 150, n % 3 == 0 ? odd : wide);
    PlaceBlock(150, 300, solid);  // kind 0 blocks do not pull
    for (int c : {1, 2, 3, 7, 20}) {
        ballCount = 0;
        ASSERT_TRUE(AddBall(161, 251, 300, -700));
        const Ball start = balls[0];
        powerUpCount[PowerHoming] = static_cast<int16_t>(c);
        UpdateBalls();
        ASSERT_EQ(balls[0].x, start.x + start.vx);  // moved freely; pulled from there
        ASSERT_EQ(balls[0].y, start.y + start.vy);
        ExpectHomingPull(0, start.vx, start.vy, c);
    }
    // Blocks mirrored about a ball almost at rest (just beyond the nudge's reach):
    // the offsets cancel and the rounding of each term is left, which then turns it.
    levelBlockCount = 0;
    for (int d : {7, 9, 12, 15, 21, 26}) {
        PlaceBlock(160 + d - 3, 250 + d + 5 - 2, wide);
        PlaceBlock(160 - d - 3, 250 - d - 5 - 2, wide);
    }
    for (int c : {1, 2, 3, 5}) {
        ballCount = 0;
        ASSERT_TRUE(AddBall(160, 250, 0, 0));
        balls[0].vx = 9;
        balls[0].vy = 9;
        powerUpCount[PowerHoming] = static_cast<int16_t>(c);
        UpdateBalls();
        ExpectHomingPull(0, 9, 9, c);
    }
}

TEST_F(BallsTest, ABlockBrokenByOneBallNoLongerPullsTheNextOne) {
    BuildWalls();
    AddShape(0, 20, 9, 9);  // kind 0, unbreakable, unused
    const int shape = AddShape(0, 0, 7, 4);
    PlaceBlock(100, 50, shape);
    for (int n = 0; n < 10; ++n) PlaceBlock(20 + 25 * n, 120, shape);
    powerUpCount[PowerHoming] = 3;
    ASSERT_TRUE(AddBall(103, 57, 8, -1400));   // its top probe reaches the first block
    ASSERT_TRUE(AddBall(200, 300, 500, 500));  // far from everything
    const Ball second = balls[1];
    UpdateBalls();
    ASSERT_EQ(levelBlockCount, 10);
    ASSERT_EQ(balls[1].x, second.x + second.vx);
    ExpectHomingPull(1, second.vx, second.vy, 3);
}

TEST_F(BallsTest, TheFireballGoesThroughBreakableBlocksAndBouncesOffSteel) {
    const int steel = AddShape(0, 0, 30, 10), brick = AddShape(0, 20, 30, 10);
    PlaceBlock(90, 40, steel);
    PlaceBlock(200, 40, brick);
    powerUpCount[PowerFireball] = 1;
    ASSERT_TRUE(AddBall(105, 62, 0, -512));  // under the steel
    ASSERT_TRUE(AddBall(215, 62, 0, -512));  // under the brick
    for (int t = 0; t < 8; ++t) UpdateBalls();
    ASSERT_EQ(levelBlockCount, 1);
    EXPECT_EQ(levelBlocks[0].kind, steel);
    EXPECT_GT(balls[0].vy, 0) << "turned back by the steel";
    EXPECT_LT(balls[1].vy, 0) << "on through the brick's place";
    EXPECT_LT(PixelY(1), 40);
}

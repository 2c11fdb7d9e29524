// The autoplayer's look-ahead: the ghost ball must move exactly as a real ball
// does, leave the field as it found it, and the block distances must go round
// walls.
#include <gtest/gtest.h>

#include <vector>

#include "game/play/autoplay_ghost.h"
#include "game/play/balls.h"
#include "game/play/level.h"
#include "play/play_fixture.h"

namespace {

class GhostTest : public PlayFieldTest {
protected:
    void SetUp() override {
        PlayFieldTest::SetUp();
        BuildWalls();
        PaintMap(0, 430, 330, 10, kWallBlue);  // a floor: the ball stays in the box
        steel = AddShape(0, 40, 40, 12);        // kind 0 never breaks
        brick = AddShape(0, 0, 30, 12);
    }

    static std::vector<uint16_t> MapPixels() {
        std::vector<uint16_t> pixels;
        for (int y = 0; y < collisionMap->height; ++y)
            for (int x = 0; x < collisionMap->width; ++x) pixels.push_back(getPixel(collisionMap, x, y));
        return pixels;
    }

    int steel = 0, brick = 0;
};

TEST_F(GhostTest, FollowsTheRealBallOffWallsAndSteel) {
    PlaceBlock(60, 200, steel);
    PlaceBlock(200, 120, steel);
    PlaceBlock(150, 300, steel);
    AddBall(100, 380, 1500, -2600);
    RefreshBlockDistances();
    const GhostRun run = RunGhost(balls[0], 2000, 600, GhostBlocks::Bounce);
    for (int t = 0; t < 600; ++t) UpdateBalls();
    ASSERT_EQ(ballCount, 1);
    EXPECT_EQ(run.end, GhostEnd::TimeOut);
    EXPECT_EQ(run.ball.x, balls[0].x);
    EXPECT_EQ(run.ball.y, balls[0].y);
    EXPECT_EQ(run.ball.vx, balls[0].vx);
    EXPECT_EQ(run.ball.vy, balls[0].vy);
}

TEST_F(GhostTest, StopsAtTheFirstBreakableBlockAndComesDownToThePaddleLine) {
    PlaceBlock(140, 100, brick);
    AddBall(155, 300, 0, -3000);
    RefreshBlockDistances();
    const GhostRun hit = RunGhost(balls[0], 400, 1000, GhostBlocks::Stop);
    EXPECT_EQ(hit.end, GhostEnd::Block);
    EXPECT_NEAR(hit.ball.y >> 10, 115, 4) << "it stops just under the brick";

    const GhostRun back = RunGhost(balls[0], 400, 1000, GhostBlocks::Bounce);
    EXPECT_EQ(back.end, GhostEnd::PaddleLine);
    EXPECT_GT(back.ball.y >> 10, 400 - 3);
    EXPECT_EQ(back.lastHit, hit.steps - 1) << "the brick is met once on the way";
}

TEST_F(GhostTest, BreakingBlocksLeavesTheFieldAsItWas) {
    for (int i = 0; i < 6; ++i) PlaceBlock(30 + 45 * i, 60, brick);
    PlaceBlock(100, 200, steel);
    AddBall(120, 380, 900, -3000);
    RefreshBlockDistances();
    const std::vector<uint16_t> before = MapPixels();
    const int32_t blocks = levelBlockCount;
    const GhostRun run = RunGhost(balls[0], 2000, 3000, GhostBlocks::Break);
    EXPECT_GT(run.lastHit, 0);
    EXPECT_EQ(levelBlockCount, blocks);
    EXPECT_TRUE(MapPixels() == before) << "every broken block is put back";

    // Breaking changes the path: the ghost goes on through where a brick was.
    const GhostRun bouncing = RunGhost(balls[0], 2000, 3000, GhostBlocks::Bounce);
    EXPECT_FALSE(bouncing.ball.x == run.ball.x && bouncing.ball.y == run.ball.y);
}

TEST_F(GhostTest, BlockDistancesGoRoundWallsAndStopAtSealedPockets) {
    PlaceBlock(150, 50, brick);
    // A wall under the brick with a gap at the left end only.
    PaintMap(40, 100, 280, 6, kWallBlue);
    // A sealed box on the right.
    PaintMap(250, 300, 40, 4, kWallBlue);
    PaintMap(250, 340, 40, 4, kWallBlue);
    PaintMap(250, 300, 4, 44, kWallBlue);
    PaintMap(286, 300, 4, 44, kWallBlue);
    RefreshBlockDistances();
    EXPECT_EQ(BlockDistance(160, 55), 0);
    EXPECT_EQ(BlockDistance(160, 70), 70 - 61);
    // Straight down through the wall would be 60 pixels; round the gap it is far more.
    EXPECT_GT(BlockDistance(160, 122), 200);
    EXPECT_EQ(BlockDistance(270, 320), kNoPath);
    EXPECT_EQ(BlockDistance(-1, 0), kNoPath);

    // Breaking the brick away leaves nothing to aim at.
    levelBlocks[0].kind = steel;
    CountIndestructible();
    RefreshBlockDistances();
    EXPECT_EQ(BlockDistance(160, 70), kNoPath);
}

}  // namespace

// Destroying blocks and what becomes of them: the map and the image, the score,
// the capsule, the particles, their settling into the scenery, the particle
// table when full, sparks and the explosion effects.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "game/play/blocks.h"
#include "game/play/debris.h"
#include "game/play/explosions.h"
#include "game/play/level.h"
#include "game/play/power_ups.h"
#include "play/play_fixture.h"

namespace {
class BlocksTest : public PlayFieldTest {
protected:
    // Runs the debris until every particle is gone, at most limit ticks.
    static void RunDebris(int limit) {
        for (int t = 0; t < limit && debrisCount > 0; ++t) UpdateDebris();
    }
};
}  // namespace

TEST_F(BlocksTest, DestroyingClearsExactlyTheShapeAndBurstsEveryPixelTwice) {
    const int kind0 = AddShape(0, 100, 6, 6);
    const int kind1 = AddShape(50, 100, 4, 3);
    putPixel(blockSetImage, 51, 101, 0);  // a transparent pixel inside the shape
    FillWith(sceneryView, packColour(3, 4, 5));
    PlaceBlock(200, 50, kind0);
    PlaceBlock(100, 50, kind1, 12);
    putPixel(collisionMap, 101, 51, kCyan);  // settled debris seen through the hole
    ComposePlayfield();
    EXPECT_EQ(getPixel(collisionMap, 100, 50), kBlockRed);
    EXPECT_EQ(getPixel(playfieldImage, 100, 50), kShapeColour);
    EXPECT_EQ(indestructibleCount, 1);

    DestroyBlock(1);
    EXPECT_EQ(score, 50);  // 4 pixels wide
    EXPECT_EQ(debrisCount, 22);
    EXPECT_EQ(debris[0].colour, kShapeColour);
    for (int u = 0; u < 4; ++u) {
        for (int v = 0; v < 3; ++v) {
            if (u == 1 && v == 1) continue;
            EXPECT_EQ(getPixel(collisionMap, 100 + u, 50 + v), 0);
            EXPECT_EQ(getPixel(playfieldImage, 100 + u, 50 + v), packColour(3, 4, 5));
        }
    }
    EXPECT_EQ(getPixel(collisionMap, 101, 51), kCyan);
    EXPECT_EQ(getPixel(collisionMap, 200, 50), kBlockRed);
    ASSERT_EQ(fallingPowerUpCount, 1);
    EXPECT_EQ(fallingPowerUps[0].type, 11);
    EXPECT_EQ(fallingPowerUps[0].x, 102 << 10);
    EXPECT_EQ(fallingPowerUps[0].y, 51 << 10);
    EXPECT_EQ(levelBlockCount, 1);
    EXPECT_TRUE(OnlyIndestructibleLeft());

    DestroyBlock(0);
    EXPECT_EQ(indestructibleCount, 0);
    DestroyBlock(0);  // out of range now
    EXPECT_EQ(levelBlockCount, 0);
}

TEST_F(BlocksTest, ScoreGoesByWidthAndBadPowerUpsCarryNothing) {
    EXPECT_EQ(BlockScore(4), 50);
    EXPECT_EQ(BlockScore(5), 50);
    EXPECT_EQ(BlockScore(6), 20);
    EXPECT_EQ(BlockScore(10), 20);
    EXPECT_EQ(BlockScore(11), 5);
    EXPECT_EQ(BlockScore(20), 5);
    EXPECT_EQ(BlockScore(21), 2);

    const int kind = AddShape(0, 100, 21, 2);
    PlaceBlock(50, 50, kind, 999);
    PlaceBlock(50, 80, kind, 23);
    EXPECT_EQ(levelBlocks[0].powerUp, 999);  // kept in the list as the file had it
    DestroyBlock(0);
    DestroyBlock(0);
    EXPECT_EQ(score, 4);
    EXPECT_EQ(fallingPowerUpCount, 0);
}

TEST_F(BlocksTest, AParticleLandsAndSettlesAsCyanScenery) {
    PaintMap(0, 200, 330, 1, kWallBlue);
    AddDebris(100, 190, 0, 0, DebrisSolid, kShapeColour);
    RunDebris(200);
    EXPECT_EQ(debrisCount, 0);
    EXPECT_EQ(getPixel(collisionMap, 100, 199), kCyan);
    EXPECT_EQ(getPixel(sceneryView, 100, 199), kShapeColour);
    EXPECT_EQ(getPixel(playfieldImage, 100, 199), kShapeColour);

    // The next one lands on the first and slides off to one side.
    AddDebris(100, 190, 0, 0, DebrisSolid, kShapeColour);
    RunDebris(200);
    EXPECT_EQ(getPixel(collisionMap, 100, 198), 0);
    EXPECT_TRUE(getPixel(collisionMap, 99, 199) == kCyan || getPixel(collisionMap, 101, 199) == kCyan);
}

TEST_F(BlocksTest, LandingTakesMostSidewaysSpeedAndUpwardHitsBounce) {
    PaintMap(0, 200, 330, 1, kWallBlue);
    AddDebris(100, 199, 1600, 600, DebrisSolid, 1);
    debris[0].y = (199 << 10) + 600;
    UpdateDebris();  // y passes into row 200
    EXPECT_EQ(debris[0].y, (199 << 10) + 600);
    EXPECT_EQ(debris[0].x, 100 << 10);
    EXPECT_EQ(debris[0].vx, 100);
    EXPECT_EQ(debris[0].vy, 512);

    PaintMap(0, 100, 330, 1, kWallBlue);
    AddDebris(50, 101, 0, -800, DebrisSolid, 1);
    UpdateDebris();
    EXPECT_EQ(debris[1].vy, 700);  // gravity first, then the reversal
    EXPECT_EQ(debris[1].y, 101 << 10);
}

TEST_F(BlocksTest, ParticlesPassBlocksAndSandAndLeaveThroughTheEdges) {
    PaintMap(0, 150, 330, 10, kBlockRed);
    PaintMap(0, 170, 330, 10, kSandGreen);
    AddDebris(100, 140, 0, 2000, DebrisSolid, 1);
    AddDebris(0, 50, -1, 0, DebrisSolid, 1);  // one unit left of 0 is pixel -1
    AddDebris(330, 50, 0, 0, DebrisSolid, 1);  // the map's width itself is still inside
    UpdateDebris();
    ASSERT_EQ(debrisCount, 2);
    for (int t = 0; t < 100; ++t) UpdateDebris();
    EXPECT_EQ(debrisCount, 0);  // fell out of the bottom: nothing written
    for (int x = 0; x < 330; ++x) EXPECT_EQ(getPixel(collisionMap, x, 439), 0);

    optDisableDebris = 1;
    PaintMap(0, 200, 330, 1, kWallBlue);
    AddDebris(100, 190, 0, 0, DebrisSolid, kShapeColour);
    RunDebris(200);
    EXPECT_EQ(debrisCount, 0);
    EXPECT_EQ(getPixel(collisionMap, 100, 199), 0);
}

TEST_F(BlocksTest, AFullTableReplacesARandomParticle) {
    for (int i = 0; i < debrisCapacity; ++i) AddDebris(i % 300, 10, 0, 0, DebrisSolid, 1);
    AddDebris(7, 7, 0, 0, DebrisSpark, 99);
    EXPECT_EQ(debrisCount, debrisCapacity);
    EXPECT_EQ(debris[debrisCapacity - 1].colour, 99);
    int sparks = 0;
    for (int i = 0; i < debrisCount; ++i) sparks += debris[i].kind == DebrisSpark;
    EXPECT_EQ(sparks, 1);
}

TEST_F(BlocksTest, SparksLiveSixteenToSeventyNineTicksAndDrawInsideTheScreen) {
    for (int i = 0; i < 400; ++i) {
        AddDebris(0, 439, -4000, 3000, DebrisSpark, 0xFFFF);   // off the left and bottom
        AddDebris(329, 0, 4000, -3000, DebrisSpark, 0xFFFF);
    }
    int age = 0;
    for (; debrisCount > 0 && age < 100; ++age) {
        UpdateDebris();
        if (age < 15) {
            EXPECT_EQ(debrisCount, 800) << age;
        }
        DrawDebris();
    }
    EXPECT_EQ(debrisCount, 0);
    EXPECT_LE(age, 79);
}

TEST_F(BlocksTest, ExplosionsAgeOutAndTheTableHoldsFifty) {
    for (int i = 0; i < 60; ++i) AddExplosion(i, i, i < 30 ? ExplosionBlast : ExplosionChomp);
    EXPECT_EQ(explosionCount, kMaxExplosions);
    for (int t = 1; t <= 21; ++t) UpdateExplosions();
    EXPECT_EQ(explosionCount, 50);
    UpdateExplosions();  // age 22: every blast goes
    EXPECT_EQ(explosionCount, 20);
    for (int t = 23; t <= 70; ++t) UpdateExplosions();
    EXPECT_EQ(explosionCount, 20);
    UpdateExplosions();
    EXPECT_EQ(explosionCount, 0);
}

TEST_F(BlocksTest, TheEditorPaletteWrapsFiftyPixelsFromTheRightEdge) {
    currentMode = ModeLevelEditor;
    AddShape(0, 0, 20, 10);
    AddShape(0, 20, 40, 10);
    AddShape(0, 40, 220, 10);  // from x 64 it would end at 64 + 220 + 2 = 286, past 330 - 50
    ComposePlayfield();
    EXPECT_EQ(getPixel(playfieldImage, 1, 421), kShapeColour) << "the first row at the bottom";
    EXPECT_EQ(getPixel(playfieldImage, 1, 398), kShapeColour) << "the wide shape starts a row 30 higher";
    EXPECT_EQ(getPixel(playfieldImage, 101, 421), 0);
}

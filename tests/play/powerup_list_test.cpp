// The capsules and the active list: dropping, falling, catching and losing
// capsules, the full tables, durations with and without Max Power-up, and slow
// motion's halving of the active list's updates.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "game/game_state.h"
#include "app/state_dump.h"
#include "game/play/blocks.h"
#include "game/play/debris.h"
#include "game/play/balls.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/play_tick.h"
#include "game/play/power_ups.h"
#include "play/play_fixture.h"
#include "play/powerup_test_support.h"

namespace {
class PowerUpListTest : public PlayFieldTest {};

TEST_F(PowerUpListTest, TheCapsuleTableHoldsFortyAndIgnoresUnknownTypes) {
    for (int n = 0; n < 45; ++n) DropPowerUp(100 + n, 50, n % kPowerUpTypes);
    EXPECT_EQ(fallingPowerUpCount, 40);
    EXPECT_EQ(fallingPowerUps[39].type, 39 % kPowerUpTypes);
    EXPECT_EQ(fallingPowerUps[39].x, 139 << 10);
    EXPECT_EQ(fallingPowerUps[39].prevY, 50 << 10);

    ResetPowerUps();
    DropPowerUp(100, 50, 22);
    DropPowerUp(100, 50, -1);
    EXPECT_EQ(fallingPowerUpCount, 0);
    ApplyPowerUp(22);
    ApplyPowerUp(-1);
    EXPECT_EQ(activePowerUpCount, 0);
    EXPECT_EQ(score, 0);
}

TEST_F(PowerUpListTest, ACapsuleFallsWithGravityAndIsCaughtOrLost) {
    paddleX = 100;
    paddleY = 200;
    DropPowerUp(125, 100, PowerWidePaddle);  // inside the paddle's reach: 25 < 18 + 8
    DropPowerUp(200, 100, PowerHoming);      // beside it: falls past
    UpdateFallingPowerUps();
    EXPECT_EQ(fallingPowerUps[0].y, (100 << 10) + 500);
    EXPECT_EQ(fallingPowerUps[0].vy, 530);
    EXPECT_EQ(fallingPowerUps[0].age, 1);
    EXPECT_EQ(fallingPowerUps[0].prevY, 100 << 10);
    int ticks = 1;
    while (fallingPowerUpCount == 2 && ticks < 200) {
        UpdateFallingPowerUps();
        ++ticks;
    }
    ASSERT_EQ(fallingPowerUpCount, 1);
    EXPECT_EQ(fallingPowerUps[0].type, PowerHoming);
    EXPECT_EQ(powerUpCount[PowerWidePaddle], 1);
    EXPECT_EQ(score, 50);
    // The one beside the paddle leaves through the bottom of the field.
    while (fallingPowerUpCount == 1 && ticks < 400) {
        UpdateFallingPowerUps();
        ++ticks;
    }
    EXPECT_EQ(fallingPowerUpCount, 0);
    EXPECT_EQ(powerUpCount[PowerHoming], 0);
    // Caught as low as 15 rows under the paddle line.
    DropPowerUp(100, 215, PowerFireball);
    UpdateFallingPowerUps();
    EXPECT_EQ(powerUpCount[PowerFireball], 1);
}

TEST_F(PowerUpListTest, CapsulesFallSlowerInSlowMotion) {
    slowMotionDivisor = 4;
    DropPowerUp(50, 50, PowerHoming);
    UpdateFallingPowerUps();
    EXPECT_EQ(fallingPowerUps[0].y, (50 << 10) + 125);
    EXPECT_EQ(fallingPowerUps[0].vy, 507);
}

TEST_F(PowerUpListTest, ATwentyFirstCatchScoresButHasNoEffect) {
    for (int n = 0; n < 20; ++n) ApplyPowerUp(PowerHoming);
    ApplyPowerUp(PowerWidePaddle);
    EXPECT_EQ(activePowerUpCount, 20);
    EXPECT_EQ(powerUpCount[PowerWidePaddle], 0);
    EXPECT_EQ(score, 2050);
}

TEST_F(PowerUpListTest, DurationsWithAndWithoutMaxPowerUp) {
    EXPECT_EQ(PowerUpDuration(PowerHoming), 300);
    EXPECT_EQ(PowerUpDuration(PowerSluggishPaddle), 2000);
    EXPECT_EQ(PowerUpDuration(PowerLowerZone), 2000);
    optMaxPowerUp = 1;
    EXPECT_EQ(PowerUpDuration(PowerHoming), 600);
    EXPECT_EQ(PowerUpDuration(PowerBallFountain), 510);
    EXPECT_EQ(PowerUpDuration(PowerSluggishPaddle), 2000);
    EXPECT_EQ(PowerUpDuration(PowerLowerZone), 2000);

    // Each entry expires on its own, when its ticks reach the duration.
    ApplyPowerUp(PowerHoming);
    RunPowerUpUpdates(100);
    ApplyPowerUp(PowerHoming);
    ApplyPowerUp(PowerSluggishPaddle);
    RunPowerUpUpdates(499);
    EXPECT_EQ(powerUpCount[PowerHoming], 2);
    RunPowerUpUpdates(1);
    EXPECT_EQ(powerUpCount[PowerHoming], 1);
    RunPowerUpUpdates(99);
    EXPECT_EQ(powerUpCount[PowerHoming], 1);
    RunPowerUpUpdates(1);
    EXPECT_EQ(powerUpCount[PowerHoming], 0);
    RunPowerUpUpdates(2000 - 601);
    EXPECT_EQ(powerUpCount[PowerSluggishPaddle], 1);
    RunPowerUpUpdates(1);
    EXPECT_EQ(powerUpCount[PowerSluggishPaddle], 0);
    EXPECT_EQ(activePowerUpCount, 0);

    // Max Power-up turned off part-way: an entry already past the shorter
    // duration ends at the next update rather than never.
    ApplyPowerUp(PowerHoming);
    RunPowerUpUpdates(400);
    optMaxPowerUp = 0;
    RunPowerUpUpdates(1);
    EXPECT_EQ(powerUpCount[PowerHoming], 0);
}

TEST_F(PowerUpListTest, ExtraLifeActsOnceAndTheServeClearsHarmfulTypesOnEasy) {
    lives = 3;
    ApplyPowerUp(PowerExtraLife);
    RunPowerUpUpdates(1);
    EXPECT_EQ(lives, 4);
    EXPECT_EQ(activePowerUpCount, 0);

    for (int type : {6, 10, 18, 16, 7, 14, 6, 5}) ApplyPowerUp(type);
    difficulty = 1;  // Easy
    ClearBadPowerUps();
    EXPECT_EQ(powerUpCount[6], 1);
    EXPECT_EQ(powerUpCount[14], 1) << "lose balls is harmful but acts at once";
    EXPECT_EQ(powerUpCount[5], 1);
    EXPECT_EQ(activePowerUpCount, 3);
    difficulty = 2;
    ClearBadPowerUps();
    EXPECT_EQ(powerUpCount[6], 1);
}

TEST_F(PowerUpListTest, SlowMotionHalvesTheActiveListsUpdates) {
    AddShape(0, 200, 5, 5);                           // kind 0, the indestructible one
    PlaceBlock(100, 50, AddShape(0, 100, 20, 10));  // a breakable block: the level goes on
    serveTimer = 100;  // nothing else moves; slow motion updates the list anyway
    paddleY = 400;
    paddleX = 165;
    ApplyPowerUp(PowerSlowMotion);
    ApplyPowerUp(PowerHoming);
    for (int t = 0; t < 40; ++t) {
        ++tickCounter;
        PlayTick();
    }
    EXPECT_EQ(slowMotionDivisor, 2);
    EXPECT_EQ(activePowerUps[FindActivePowerUp(PowerHoming)].ticks, 20);
    ApplyPowerUp(PowerSlowMotion);
    const int before = activePowerUps[FindActivePowerUp(PowerHoming)].ticks;
    for (int t = 0; t < 40; ++t) {
        ++tickCounter;
        PlayTick();
    }
    EXPECT_EQ(slowMotionDivisor, 4);
    EXPECT_EQ(activePowerUps[FindActivePowerUp(PowerHoming)].ticks - before, 20);
}
TEST_F(PowerUpListTest, TheStateDumpListsCapsulesActiveEntriesAndEachActiveType) {
    DropPowerUp(50, 50, PowerLasers);
    ApplyPowerUp(PowerWidePaddle);
    ApplyPowerUp(PowerWidePaddle);
    ApplyPowerUp(PowerReveal);
    std::istringstream in(StateDumpText());
    std::map<std::string, long long> values;
    std::string name;
    long long value;
    while (in >> name >> value) values[name] = value;
    EXPECT_EQ(values["capsules"], 1);
    EXPECT_EQ(values["active_powerups"], 3);
    EXPECT_EQ(values["powerup_5"], 2);
    EXPECT_EQ(values["powerup_19"], 1);
    EXPECT_EQ(values.count("powerup_11"), 0u) << "only active types get a line";
}

TEST_F(PowerUpListTest, ABlockWithAnUnknownTypeShowsNoMarkerAndDropsNothing) {
    AddShape(0, 200, 5, 5);
    const int kind = AddShape(0, 100, 20, 10);
    optSeePowerUps = 1;
    PlaceBlock(100, 50, kind, 40);  // type 39: past the table
    PlaceBlock(150, 50, kind, 1);
    DestroyBlock(0);
    DestroyBlock(0);
    ASSERT_EQ(fallingPowerUpCount, 1);
    EXPECT_EQ(fallingPowerUps[0].type, PowerHoming);
}

TEST_F(PowerUpListTest, LaserBeamsShimmerUpToTheFirstSolidPixelAndSparkThere) {
    paddleX = 165;
    paddleY = 400;
    paddleHalfWidth = 20;
    PaintMap(100, 100, 130, 10, kWallBlue);  // rows 100..109 over both beams
    FillWith(playfieldImage, packColour(4, 4, 4));
    ApplyPowerUp(PowerLasers);
    DrawPaddleEffects();
    ASSERT_EQ(debrisCount, 2);
    EXPECT_EQ(debris[0].x >> 10, 147);  // 165 - 20 + 2
    EXPECT_EQ(debris[1].x >> 10, 182);  // 165 + 20 - 3
    EXPECT_EQ(debris[0].y >> 10, 110);
    EXPECT_EQ(debris[0].kind, DebrisSpark);
    const int sx = 147 + 20;
    EXPECT_NE(getPixel(backSurface, sx, 110 + 20), 0) << "the free pixel under the wall shimmers";
    EXPECT_NE(getPixel(backSurface, sx, 398 + 20), 0);
    EXPECT_EQ(getPixel(backSurface, sx, 109 + 20), 0) << "the beam stops at the wall";
    EXPECT_EQ(getPixel(backSurface, sx + 1, 200 + 20), 0) << "one pair of beams for one entry";
}
}  // namespace

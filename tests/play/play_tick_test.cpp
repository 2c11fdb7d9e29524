// The play tick: the serve and its timing, lost balls and lives, the cash-in of
// a cleared level, steering and digging; and whole games on a test-built level,
// from the serve to the clear and from the serve to game over.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "game/game_state.h"
#include "app/state_dump.h"
#include "game/play/balls.h"
#include "game/play/block_set.h"
#include "game/play/blocks.h"
#include "game/play/debris.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/play_tick.h"
#include "game/play/power_ups.h"
#include "gfx/png_writer.h"
#include "play/play_fixture.h"
#include "app/events.h"
#include "shell/input.h"
#include "shell/paths.h"
#include "test_support.h"

namespace {
int32_t Tick() {
    ++tickCounter;
    return PlayTick();
}

std::map<std::string, long long> Dump() {
    std::map<std::string, long long> values;
    std::istringstream in(StateDumpText());
    std::string name;
    long long value;
    while (in >> name >> value) values[name] = value;
    return values;
}

class PlayTickTest : public PlayFieldTest {
protected:
    void SetUp() override {
        PlayFieldTest::SetUp();
        BuildWalls();
        PaintMap(0, 439, 330, 1, kCyan);
        CentrePaddle();
    }
};
}  // namespace

TEST_F(PlayTickTest, TheServeWaitsForTheTimerAndTheBallsWaitForTheServe) {
    AddShape(0, 200, 5, 5);  // kind 0, the indestructible one
    const int kind = AddShape(0, 100, 20, 10);
    PlaceBlock(100, 50, kind);
    serveTimer = -240;
    lives = 3;
    for (int t = 0; t < 5; ++t) {
        EXPECT_EQ(Tick(), ModePlay);
        EXPECT_EQ(ballCount, 0);
    }
    EXPECT_EQ(serveTimer, -250);
    Tick();
    ASSERT_EQ(ballCount, 1);
    EXPECT_EQ(serveTimer, 198);
    EXPECT_EQ(lives, 2);
    EXPECT_EQ(paddleX, 165);
    EXPECT_EQ(balls[0].y >> 10, 440 - 125 - 7);
    const int32_t y = balls[0].y;
    for (int t = 0; t < 98; ++t) Tick();
    EXPECT_EQ(serveTimer, 2);
    EXPECT_EQ(balls[0].y, y);  // still waiting
    Tick();
    EXPECT_EQ(serveTimer, 0);
    EXPECT_GT(balls[0].y, y);
}

TEST_F(PlayTickTest, LosingTheLastBallWithNoLivesEndsTheGame) {
    AddShape(0, 200, 5, 5);
    const int kind = AddShape(0, 100, 20, 10);
    PlaceBlock(100, 50, kind);
    lives = 0;
    serveTimer = -260;
    EXPECT_EQ(Tick(), ModeGameOver);
    EXPECT_EQ(ballCount, 0);

    // With unlimited lives the serve goes on and lives stay.
    optUnlimitedLives = 1;
    lives = 1;
    serveTimer = -260;
    EXPECT_EQ(Tick(), ModePlay);
    EXPECT_EQ(ballCount, 1);
    EXPECT_EQ(lives, 1);
}

TEST_F(PlayTickTest, OnlyIndestructibleBlocksLeftCashesInTheBalls) {
    PlaceBlock(100, 50, AddShape(0, 100, 20, 10));
    ASSERT_EQ(indestructibleCount, 1);
    serveTimer = -10;
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(AddBall(165, 200, 0, 512));
    // The level ends once the debris is gone, whatever balls are left: a falling
    // particle keeps it going while the balls are cashed in.
    AddDebris(165, 20, 0, 0, DebrisSolid, 1);
    std::vector<int32_t> gains;
    int32_t result = ModePlay;
    for (int t = 0; t < 400 && result == ModePlay; ++t) {
        const int32_t before = score;
        result = Tick();
        if (score != before) gains.push_back(score - before);
        if (t == 0) {
            EXPECT_EQ(serveTimer, -14) << "the cash-in takes 2 off the timer besides the tick's 2";
        }
    }
    EXPECT_EQ(gains, (std::vector<int32_t>{33, 50, 100}));
    EXPECT_EQ(result, ModeLevelComplete);
    EXPECT_EQ(ballCount, 0);
    EXPECT_EQ(debrisCount, 0);
    EXPECT_LE(serveTimer, -200);
}

TEST_F(PlayTickTest, AServeIntoSandRaisesThePaddleAndGrantsZoneRaises) {
    AddShape(0, 200, 5, 5);
    PlaceBlock(100, 50, AddShape(0, 100, 20, 10));
    PaintMap(10, 300, 310, 139, kSandGreen);  // sand from row 300 to the pit
    lives = 2;
    serveTimer = -260;
    Tick();
    ASSERT_EQ(ballCount, 1);
    // Row 299 is free under a paddle line at 295, and the paddle always rises
    // one row past its free test. On the way the zone top (440 - 108 = 332) is
    // reached twice: two raises of 20, 100 points each.
    EXPECT_EQ(paddleY, 294);
    EXPECT_EQ(powerUpCount[PowerRaiseZone], 2);
    EXPECT_EQ(score, 200);
    EXPECT_EQ(paddleTargetZoneHeight, 148);

    // With the active list full no raise is recorded: the serve still ends.
    ballCount = 0;
    ResetPowerUps();
    for (int i = 0; i < 20; ++i) ApplyPowerUp(PowerWidePaddle);
    serveTimer = -260;
    Tick();
    EXPECT_EQ(ballCount, 1);
    EXPECT_EQ(powerUpCount[PowerRaiseZone], 0);
}

TEST_F(PlayTickTest, AServeOnEasyRemovesOneOfEachHarmfulType) {
    AddShape(0, 200, 5, 5);
    PlaceBlock(100, 50, AddShape(0, 100, 20, 10));
    for (int type : {6, 6, 10, 18, 16, 7, 5}) ApplyPowerUp(type);
    serveTimer = -260;
    Tick();
    EXPECT_EQ(powerUpCount[6], 1);
    EXPECT_EQ(powerUpCount[10] + powerUpCount[18] + powerUpCount[16] + powerUpCount[7], 0);
    EXPECT_EQ(powerUpCount[5], 1);

    difficulty = 2;
    ballCount = 0;
    serveTimer = -260;
    Tick();
    EXPECT_EQ(powerUpCount[6], 1);
}

TEST_F(PlayTickTest, KeysSteerWithARampAndTheStepLimit) {
    serveTimer = 100;
    steerRight = 1;
    Tick();
    EXPECT_EQ(paddleX, 165);  // ramp 2: target 0 pixels away
    Tick();
    EXPECT_EQ(paddleFixedX, 165 * 1024 + 1 * 256 * 4);
    for (int t = 0; t < 20; ++t) Tick();
    const int32_t x = paddleFixedX;
    Tick();
    EXPECT_EQ(paddleFixedX - x, 5 * 256 * 4);  // never more than paddleMaxStep
    steerRight = 0;
    Tick();
    EXPECT_EQ(steerHoldRamp, 0);
    PaintMap(0, 439, 330, 1, 0);  // no pit row to stop the paddle first
    steerDown = 1;
    for (int t = 0; t < 60; ++t) Tick();
    EXPECT_EQ(paddleY, 440 - 8);  // the bottom limit
    // A step of four rows from two above the limit stops on it.
    steerDown = 0;
    steerByMouse = 1;
    paddleY = 440 - 8 - 2;
    paddleFixedY = paddleY << 10;
    mouseX = paddleX + 20;
    mouseY = paddleY + 4 + 20;
    Tick();
    EXPECT_EQ(paddleY, 440 - 8);
}

TEST_F(PlayTickTest, ThePaddleDigsUpIntoSandThatTouchesOnlyItsUpperRow) {
    PaintMap(10, 340, 310, 40, kSandGreen);  // rows 340..379
    paddleY = 377;                           // collision rows 380 and 381: free
    paddleFixedY = 377 << 10;
    serveTimer = 100;
    steerByMouse = 1;  // a pointer one row up: steps of a single row
    mouseX = 165 + 20;
    mouseY = 376 + 20;
    for (int t = 0; t < 60; ++t) Tick();
    EXPECT_EQ(paddleY, 376);
}

TEST_F(PlayTickTest, MeetingTheZoneTopStopsThePaddlesVerticalSpeed) {
    serveTimer = 100;
    const int32_t top = ZoneTop();
    // Left above the zone top (as when the zone shrinks): put back on it, with
    // no vertical speed left.
    paddleY = top - 2;
    paddleFixedY = paddleY << 10;
    paddleVelY = -2000;
    waitForButtonRelease = 1;  // and not steered this tick
    Tick();
    waitForButtonRelease = 0;
    EXPECT_EQ(paddleY, ZoneTop());  // the zone may have eased by a row
    EXPECT_EQ(paddleVelY, 0);
    // Steering down from above the zone top: put back on it first, then moved.
    steerByMouse = 1;
    mouseX = 165 + 20;
    paddleY = top - 3;
    paddleFixedY = paddleY << 10;
    mouseY = 20 + 430;
    Tick();
    EXPECT_GT(paddleY, ZoneTop());
    EXPECT_EQ(paddleVelY, 0);
}

TEST_F(PlayTickTest, ThePaddleDigsSandAndDebrisButNotWalls) {
    for (uint16_t ground : {kSandGreen, kCyan, kWallBlue}) {
        SCOPED_TRACE(ground);
        debrisCount = 0;
        clearSurface(collisionMap);
        BuildWalls();
        PaintMap(10, 395, 310, 44, ground);
        CentrePaddle();
        paddleY = 390;
        paddleFixedY = 390 << 10;
        serveTimer = 100;
        steerDown = 1;
        for (int t = 0; t < 40; ++t) Tick();
        steerDown = 0;
        if (ground == kWallBlue) {
            EXPECT_EQ(paddleY, 390);
            EXPECT_EQ(debrisCount, 0);
            EXPECT_EQ(getPixel(collisionMap, 165, 395), kWallBlue);
        } else {
            EXPECT_GT(paddleY, 390);
            EXPECT_GT(debrisCount, 0);
            EXPECT_EQ(getPixel(collisionMap, 165, 395), 0);
            for (int i = 0; i < debrisCount; ++i) EXPECT_EQ(debris[i].kind, DebrisSpark);
        }
    }
}

TEST_F(PlayTickTest, DiggingStopsLongAfterTheLastBall) {
    PaintMap(10, 395, 310, 44, kSandGreen);
    paddleY = 390;
    paddleFixedY = 390 << 10;
    serveTimer = 100;
    digAllowTimer = -299;  // the tick makes it -300
    steerDown = 1;
    for (int t = 0; t < 6; ++t) Tick();
    EXPECT_EQ(paddleY, 390);
    EXPECT_EQ(debrisCount, 0);
}

// A whole level, built by the test as files and loaded as a level start does.
class WholeGameTest : public PlayFieldTest {
protected:
    void SetUp() override {
        PlayFieldTest::SetUp();
        SetBaseFolder(dir.path);
        SetPlayerFolder(dataFolder);
        MakeFolders(dir.path + "Data");
        BuildWalls();
        ASSERT_TRUE(WriteRgb565Png(dir.path + "Data/scheme1.png", collisionMap->origin, 330, 440));
        ASSERT_TRUE(WriteRgb565Png(dir.path + "Data/scheme1v.png", sceneryView->origin, 330, 440));
        for (int x = 0; x < 100; ++x)
            for (int y = 0; y < 10; ++y) {
                putPixel(blockSetImage, 30 + x, 30 + y, packColour(20, 20, 0));
                if (x < 12 && y < 6) putPixel(blockSetImage, 30 + x, 60 + y, packColour(10, 10, 10));
            }
        for (int x = 9; x < 20; ++x)
            for (int y = 0; y < 11; ++y) putPixel(blockSetImage, x, y, packColour(5, 5, 20));  // the paddle
        ASSERT_TRUE(WriteRgb565Png(dir.path + "Data/blocks1.png", blockSetImage->origin, 330, 440));
        WriteText(dir.path + "Data/blocks1.txt", "kinds: [block,20,40,8,4] [block,20,20,67,7]");
        // Three wide blocks across the top and a small indestructible one.
        std::vector<uint8_t> level;
        auto add = [&level](int x, int y, int kind, int w, int h) {
            const uint8_t r[12] = {static_cast<uint8_t>(x), 0, static_cast<uint8_t>(y), 0, static_cast<uint8_t>(kind),
                                   static_cast<uint8_t>(w), static_cast<uint8_t>(h), 0, 0, 0, 0, 0};
            level.insert(level.end(), r, r + 12);
        };
        add(12, 40, 1, 100, 10);
        add(112, 40, 1, 100, 10);
        add(212, 40, 1, 100, 10);
        add(20, 120, 0, 12, 6);
        WriteFile(DataLevelPath(0), level);
        for (Surface** s : {&collisionMap, &sceneryView, &blockSetImage, &playfieldImage, &sceneryPristine})
            removeSurface(*s);
        currentLevel = 0;
        hintsEnabled = 0;
        lives = 1;
        PrepareLevelPlay();
    }
    // Each tick the mouse points at x; the paddle follows it along its line.
    int32_t TickWithMouseAt(int x) {
        steerByMouse = 1;
        mouseX = x + 20;
        mouseY = 440;
        return Tick();
    }
    TempDir dir;
};

TEST_F(WholeGameTest, FromTheServeToTheClear) {
    auto d = Dump();
    EXPECT_EQ(d["balls"], 1);
    EXPECT_EQ(d["blocks"], 4);
    EXPECT_EQ(d["indestructible"], 1);
    EXPECT_EQ(d["debris"], 0);
    EXPECT_EQ(d["paddle_x"], 165);
    EXPECT_EQ(d["paddle_y"], 420);
    EXPECT_EQ(d["paddle_half_width"], 18);
    EXPECT_EQ(d["zone_height"], 108);
    EXPECT_EQ(d["serve_timer"], 200);
    EXPECT_EQ(getPixel(collisionMap, 100, 439), kCyan);
    EXPECT_EQ(getPixel(collisionMap, 50, 45), kBlockRed);

    int32_t result = ModePlay;
    int ticks = 0;
    for (; ticks < 20000 && result == ModePlay; ++ticks) {
        const int target = ballCount > 0 ? (balls[0].x >> 10) : 165;
        result = TickWithMouseAt(target);
        if (levelBlockCount == 1 && ballCount == 1 && d["blocks"] != 1) {
            d = Dump();
            EXPECT_EQ(d["indestructible"], 1);
            EXPECT_GT(d["debris"], 0);
            EXPECT_EQ(d["score"], 6);  // three blocks 100 wide, 2 points each
        }
    }
    EXPECT_EQ(result, ModeLevelComplete) << ticks;
    d = Dump();
    EXPECT_EQ(d["blocks"], 1);
    EXPECT_EQ(d["balls"], 0);
    EXPECT_EQ(d["debris"], 0);
    EXPECT_EQ(d["score"], 106);  // and 100 for the one ball cashed in
    EXPECT_EQ(d["lives"], 1);
}

TEST_F(WholeGameTest, FromTheServeToGameOver) {
    int32_t result = ModePlay;
    int serves = 0;
    for (int t = 0; t < 20000 && result == ModePlay; ++t) {
        // The paddle keeps away from the ball.
        const int target = ballCount > 0 && (balls[0].x >> 10) < 165 ? 300 : 30;
        const int32_t ballsBefore = ballCount;
        result = TickWithMouseAt(target);
        if (ballsBefore == 0 && ballCount == 1) {
            ++serves;
            auto d = Dump();
            EXPECT_EQ(d["lives"], 0);
            EXPECT_EQ(d["serve_timer"], 198);
        }
    }
    EXPECT_EQ(result, ModeGameOver);
    EXPECT_EQ(serves, 1);
    auto d = Dump();
    EXPECT_EQ(d["balls"], 0);
    EXPECT_EQ(d["lives"], 0);
    EXPECT_EQ(d["blocks"], 4);
}

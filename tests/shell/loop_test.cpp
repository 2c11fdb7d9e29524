// The main loop driven by a fake counter: catch-up, frame cap, mode changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "app/loop.h"
#include "shell/platform.h"

namespace {
int64_t fakeNow = 0;
std::vector<std::string> calls;
int32_t switchOnUpdate = -1;  // an update returns this mode once when >= 0

int64_t FakeRead() { return fakeNow; }
int64_t FakeFrequency() { return 600; }  // 10 counts a tick

void Enter(int32_t m) { calls.push_back("enter " + std::to_string(m)); }
void Leave(int32_t m) { calls.push_back("leave " + std::to_string(m)); }
int32_t Update(int32_t m) {
    calls.push_back("update");
    if (switchOnUpdate >= 0) {
        int32_t next = switchOnUpdate;
        switchOnUpdate = -1;
        return next;
    }
    return m;
}
int32_t Draw(int32_t m) {
    calls.push_back("draw");
    return m;
}
void Present(int32_t) { calls.push_back("present"); }
void Drain() {}

const LoopRoutines fake = {Enter, Leave, Update, Draw, Present, Drain};

class LoopTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseHeadlessPlatform();
        platform.readCounter = FakeRead;
        platform.counterFrequency = FakeFrequency;
        fakeNow = 1000;
        calls.clear();
        switchOnUpdate = -1;
        ResetGameState();
        quitRequested = 0;
        previousMode = 0;
        presentStarted = 0;
        ASSERT_TRUE(StartLoopTiming());
        currentMode = ModeLogoSplash;
    }
    void TearDown() override { UseHeadlessPlatform(); }
    int Count(const std::string& what) { return static_cast<int>(std::count(calls.begin(), calls.end(), what)); }
};

TEST_F(LoopTest, FirstPassLeavesZeroEntersStartModeAndPresentsOnlyAfterADraw) {
    fakeNow += 5;  // not yet a whole tick
    RunLoopPass(fake);
    EXPECT_EQ(calls, (std::vector<std::string>{"leave 0", "enter 500"}));
    fakeNow += 6;  // past one tick interval
    calls.clear();
    RunLoopPass(fake);
    EXPECT_EQ(calls, (std::vector<std::string>{"update", "draw", "present"}));
    calls.clear();
    RunLoopPass(fake);  // nothing due, but presenting goes on every pass
    EXPECT_EQ(calls, (std::vector<std::string>{"present"}));
}

TEST_F(LoopTest, CatchUpIsLimitedToFourUpdatesAndTheBacklogDropped) {
    RunLoopPass(fake);
    calls.clear();
    fakeNow += 10 * 9;  // nine intervals late
    RunLoopPass(fake);
    EXPECT_EQ(Count("update"), 4);
    EXPECT_EQ(Count("draw"), 1);
    EXPECT_EQ(lastTickTime, fakeNow);  // a fresh reading, not 4 intervals on
    calls.clear();
    fakeNow += 5;
    RunLoopPass(fake);
    EXPECT_EQ(Count("update"), 0);
}

TEST_F(LoopTest, FramesAreCappedAtOnePerIntervalAndMissedFramesSkipped) {
    RunLoopPass(fake);
    fakeNow += 35;  // three and a half frames late
    calls.clear();
    RunLoopPass(fake);
    EXPECT_EQ(Count("draw"), 1);
    EXPECT_EQ(lastDrawTime, fakeNow);  // missed frames are skipped, not drawn later
    calls.clear();
    fakeNow += 3;
    RunLoopPass(fake);
    EXPECT_EQ(Count("draw"), 0);
}

TEST_F(LoopTest, AModeChangeEndsTheCatchUpRunAndSwitchesAtTheNextPass) {
    RunLoopPass(fake);
    calls.clear();
    int64_t tickBefore = lastTickTime;
    switchOnUpdate = ModeMainMenu;
    fakeNow += 10 * 3 + 1;
    RunLoopPass(fake);
    EXPECT_EQ(calls, (std::vector<std::string>{"update"}));  // no further update, no draw, nothing presented yet
    EXPECT_EQ(lastTickTime, tickBefore);                    // not advanced
    EXPECT_EQ(currentMode, ModeMainMenu);
    calls.clear();
    RunLoopPass(fake);
    // Leave the old mode, enter the new one, then catch up from the old tick time.
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0], "leave 500");
    EXPECT_EQ(calls[1], "enter 1");
    EXPECT_EQ(Count("update"), 3);
}

TEST_F(LoopTest, QuitEndsTheLoopAndLeavesTheCurrentMode) {
    static int passes;
    passes = 0;
    LoopRoutines quitting = fake;
    quitting.drain = [] {
        if (++passes == 3) quitRequested = 1;
    };
    platform.waitUntil = [](int64_t) { fakeNow += 11; };
    RunMainLoop(quitting);
    EXPECT_EQ(passes, 3);
    EXPECT_EQ(calls.back(), "leave 500");
}
}  // namespace

// Shipped levels played headless through the game's play tick: served on Easy,
// the paddle steered by a simple script that follows the ball.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "game/play/balls.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/play_tick.h"
#include "game/play/playfield.h"
#include "play/play_fixture.h"
#include "app/events.h"
#include "shell/paths.h"

namespace {

class ShippedLevelPlay : public PlayFieldTest {
protected:
    void SetUp() override {
        PlayFieldTest::SetUp();
        SetBaseFolder(ZAPBRIK_BUILD_DIR);
        for (Surface** s : {&collisionMap, &sceneryView, &blockSetImage, &playfieldImage, &sceneryPristine})
            removeSurface(*s);
        difficulty = 1;
        hintsEnabled = 0;
        lives = 3;
    }

    // Plays level L for up to `ticks` ticks with the mouse under the ball.
    // Returns the mode the play screen asked for last.
    int32_t Play(int level, int ticks) {
        currentLevel = level;
        PrepareLevelPlay();
        startBlocks = levelBlockCount;
        int32_t result = ModePlay;
        for (int t = 0; t < ticks && result == ModePlay; ++t) {
            steerByMouse = 1;
            mouseX = (ballCount > 0 ? balls[0].x >> 10 : 165) + playfieldLeft;
            mouseY = 440;
            ++tickCounter;
            result = PlayTick();
        }
        return result;
    }
    int startBlocks = 0;
};

}  // namespace

TEST_F(ShippedLevelPlay, LevelOneOnEasyIsServedAndKeptInPlayForAMinute) {
    currentLevel = 0;
    PrepareLevelPlay();
    EXPECT_EQ(ballCount, 1);
    EXPECT_EQ(levelBlockCount, 18);
    EXPECT_EQ(serveTimer, 200);
    // The serve countdown, then a minute of play.
    int32_t result = Play(0, 200 + 60 * 60);
    EXPECT_EQ(lives, 3) << "a ball was lost";
    EXPECT_LT(levelBlockCount, startBlocks);
    EXPECT_TRUE(result == ModePlay || result == ModeLevelComplete) << result;
}

TEST_F(ShippedLevelPlay, TheFirstLevelOfEveryWorldBreaksBlocks) {
    for (int level : {10, 20, 30, 40}) {
        Play(level, 200 + 30 * 60);
        EXPECT_LT(levelBlockCount, startBlocks) << "level " << level;
    }
}

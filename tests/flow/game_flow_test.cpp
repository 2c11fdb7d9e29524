// A whole game, run headless: new game, the chooser, play, pausing and resuming,
// losing every ball, game over, name entry and the table; and the end of the
// last level.
#include <gtest/gtest.h>

#include "flow_run.h"

namespace {
struct GameFlow : ScriptTest {
    void SetUp() override {
        run.PutPicture("choose.png", 330, 440);
        run.PutTestLevels(100);
    }
};

TEST_F(GameFlow, PlayPauseResumeLoseEveryBallAndEnterAName) {
    const int t = kMenuReadyTick;
    Click(t, 300, MenuItemScreenY(1));
    At(t + 5, "dump chooser");
    Click(t + 10, 30, 137);  // cell 0: level 1
    At(t + 130, "dump before_pause");
    At(t + 130, "key up Escape");
    At(t + 140, "dump paused");
    At(t + 140, "screenshot paused.png");
    Click(t + 150, 300, 68);  // item 0, 20 rows lower while a game is in progress
    At(t + 152, "dump resumed");
    At(t + 160, "key down Left");  // the paddle runs to the left wall: every ball is lost
    At(t + 3400, "dump game_over");
    At(t + 3400, "screenshot game_over.png");
    At(t + 3401, "key up Left");  // a direction key does not leave the screen
    At(t + 3405, "dump still");
    Click(t + 3410, 200, 200);
    At(t + 3415, "dump name_entry");
    At(t + 3420, "key down A");
    At(t + 3421, "key down N");
    At(t + 3422, "key down BSPACE");  // backspace
    At(t + 3423, "key down N");
    At(t + 3424, "key down N");
    Click(t + 3430, 20 + 14 + 25 * 1 + 5, 20 + 140 + 20 * 2 + 5);  // on-screen key: code 32 + 1 + 24 = '9'
    At(t + 3435, "dump typed");
    At(t + 3435, "screenshot name.png");
    At(t + 3440, "key up Enter");
    At(t + 3445, "dump table");
    At(t + 3445, "screenshot table.png");
    At(t + 3450, "quit");
    ASSERT_EQ(run.Run(s), 0);

    EXPECT_EQ(run.Value("chooser", "mode"), 109);
    EXPECT_EQ(run.Value("before_pause", "mode"), 110);
    EXPECT_EQ(run.Value("before_pause", "score"), 2) << "the block under the serve";
    EXPECT_EQ(run.Value("paused", "mode"), 1);
    EXPECT_EQ(run.Value("paused", "game_in_progress"), 1);
    EXPECT_EQ(run.Value("resumed", "mode"), 110);
    for (const char* f : {"ball0_x", "ball0_y", "balls", "lives", "score", "paddle_x"})
        EXPECT_EQ(run.Value("resumed", f), run.Value("before_pause", f)) << f;
    EXPECT_EQ(run.Value("game_over", "mode"), 115);
    EXPECT_EQ(run.Value("game_over", "lives"), 0);
    EXPECT_EQ(run.Value("game_over", "game_in_progress"), 0);
    EXPECT_EQ(run.Value("game_over", "high_score_rank"), 0);
    EXPECT_EQ(run.Value("still", "mode"), 115);
    EXPECT_EQ(run.Value("name_entry", "mode"), 51);
    EXPECT_EQ(run.Dump("typed")["player_name"], "ann9");
    EXPECT_EQ(run.Value("table", "mode"), 50);
    EXPECT_EQ(run.Value("table", "high_score_rank"), 0);
    EXPECT_EQ(ReadText(run.data + "Zapbrik1.dat"), "ann9...............2" + std::string(480, '.'));
}

TEST_F(GameFlow, CompletingTheLastLevelEndsTheGame) {
    // Settings that let the Easy chooser open level 100 (index 99).
    std::vector<uint8_t> settings(1636, 0);
    const uint8_t keys[5] = {0x26, 0x28, 0x25, 0x27, 0x1B};
    for (int i = 0; i < 5; ++i) settings[4 * i] = keys[i];
    settings[20] = 1;
    settings[24] = 255;
    settings[28] = 220;
    settings[32] = 0;
    settings[36 + 4 * 99] = 1;
    WriteFile(run.data + "settings.dat", settings);
    // The last level holds only the block right under the serve, so it clears.
    WriteFile(run.data + "level99.dat", {105, 0, 74, 1, 1, 120, 15, 0, 0, 0, 0, 0});
    const int t = kMenuReadyTick;
    Click(t, 300, MenuItemScreenY(1));
    Click(t + 10, 20 + 5 + 9 * 32 + 10, 20 + 111 + 9 * 32 + 10);
    At(t + 400, "dump end");
    At(t + 401, "quit");
    ASSERT_EQ(run.Run(s), 0);
    EXPECT_EQ(run.Value("end", "mode"), 115);
    EXPECT_EQ(run.Value("end", "level"), 100);
    EXPECT_EQ(run.Value("end", "levels_reachable"), 2) << "level 1 by the chooser, level 100 by its start";
}

TEST_F(GameFlow, ALockedLevelCannotBeChosen) {
    const int t = kMenuReadyTick;
    Click(t, 300, MenuItemScreenY(1));
    Click(t + 10, 20 + 5 + 3 * 32 + 10, 20 + 111 + 10);  // cell 3
    At(t + 20, "dump chooser");
    At(t + 400, "screenshot chooser.png");
    At(t + 401, "quit");
    ASSERT_EQ(run.Run(s), 0);
    EXPECT_EQ(run.Value("chooser", "mode"), 109);
}
}  // namespace

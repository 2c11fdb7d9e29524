// The window losing the focus: in play it does exactly what the Escape binding
// does (the same menu over the same frozen game, resumable where it stopped);
// on any other screen it changes nothing.
#include <gtest/gtest.h>

#include "flow_run.h"

namespace {
struct Focus : ScriptTest {
    void SetUp() override {
        run.PutPicture("choose.png", 330, 440);
        run.PutTestLevels(100);
    }
    // Into level 1, where `leave` (a script command) is given at tick t + 130; the
    // dumps and the screenshot of the menu over the game are named after prefix.
    void PlayThenLeave(const std::string& leave, const std::string& prefix) {
        const int t = kMenuReadyTick;
        Click(t, 300, MenuItemScreenY(1));
        Click(t + 10, 30, 137);  // cell 0: level 1
        At(t + 130, "dump " + prefix + "before");
        At(t + 130, leave);
        At(t + 140, "dump " + prefix + "menu");
        At(t + 140, "screenshot " + prefix + "menu.png");
        At(t + 145, "focus lost");  // in the menu: nothing happens
        At(t + 148, "dump " + prefix + "still");
        Click(t + 150, 300, 68);  // item 0, 20 rows lower while a game is in progress: resume
        At(t + 152, "dump " + prefix + "resumed");
    }
};

TEST_F(Focus, LosingTheFocusInPlayIsTheEscapeBinding) {
    PlayThenLeave("key up Escape", "esc_");
    At(kMenuReadyTick + 200, "quit");
    ASSERT_EQ(run.Run(s), 0);
    const auto escMenu = ReadFile(run.dir.path + "esc_menu.png");
    const auto escDumps = std::vector{run.Dump("esc_menu"), run.Dump("esc_resumed")};

    s.clear();
    PlayThenLeave("focus lost", "focus_");
    At(kMenuReadyTick + 200, "quit");
    ASSERT_EQ(run.Run(s), 0);

    EXPECT_EQ(run.Value("focus_before", "mode"), 110);
    EXPECT_EQ(run.Value("focus_menu", "mode"), 1);
    EXPECT_EQ(run.Value("focus_menu", "game_in_progress"), 1);
    EXPECT_EQ(run.Value("focus_still", "mode"), 1);
    EXPECT_EQ(run.Value("focus_resumed", "mode"), 110);
    for (const char* f : {"ball0_x", "ball0_y", "balls", "lives", "score", "paddle_x", "paddle_y"})
        EXPECT_EQ(run.Value("focus_resumed", f), run.Value("focus_before", f)) << f;
    // The same state and the same picture as after the Escape binding.
    EXPECT_EQ(run.Dump("focus_menu"), escDumps[0]);
    EXPECT_EQ(run.Dump("focus_resumed"), escDumps[1]);
    EXPECT_EQ(ReadFile(run.dir.path + "focus_menu.png"), escMenu) << "the menu over the frozen game differs";
}

TEST_F(Focus, LosingTheFocusOutsidePlayChangesNothing) {
    const int t = kMenuReadyTick;
    At(t, "dump menu");
    At(t, "focus lost");
    At(t + 1, "dump after");
    Click(t + 10, 300, MenuItemScreenY(1));
    At(t + 20, "focus lost");
    At(t + 21, "dump chooser");
    At(t + 30, "quit");
    ASSERT_EQ(run.Run(s), 0);
    EXPECT_EQ(run.Value("after", "mode"), run.Value("menu", "mode"));
    EXPECT_EQ(run.Value("after", "game_in_progress"), 0);
    EXPECT_EQ(run.Value("chooser", "mode"), 109);
}
}  // namespace

// The start-up splash screens and the main menu, run headless.
#include <gtest/gtest.h>

#include "flow_run.h"

namespace {
TEST(SplashFlow, TheSplashesPassOnTheirOwnIntoTheMenuAndAskForTrackZero) {
    FlowRun run;
    ASSERT_EQ(run.Run({"100 dump logo", "200 dump intro", std::to_string(kMenuReadyTick) + " dump menu",
                       "330 quit"}),
              0);
    EXPECT_EQ(run.Value("logo", "mode"), 500);
    EXPECT_EQ(run.Value("intro", "mode"), 501);
    EXPECT_EQ(run.Value("intro", "music_wanted"), -1);
    EXPECT_EQ(run.Value("menu", "mode"), 1);
    EXPECT_EQ(run.Value("menu", "music_wanted"), 0);
    EXPECT_EQ(ReadFile(run.data + "settings.dat").size(), 1636u) << "entering the menu saves the settings";
}

TEST(SplashFlow, ClicksInTheFirstThreeFramesOfASplashAreIgnored) {
    FlowRun run;
    // Ticks 1 and 2 are the logo's frames 1 and 2; tick 3 is frame 3.
    std::vector<std::string> s = {"1 mouse down left 10 10", "1 mouse up left 10 10",
                                  "2 mouse down left 10 10", "2 mouse up left 10 10", "2 dump early",
                                  "3 mouse up left 10 10",   "3 dump logo_clicked",
                                  // The intro is entered at tick 4: its frames 1 and 2 are ticks 4 and 5.
                                  "5 key up A",           "5 dump intro_early",
                                  "6 key up A",           "7 dump intro_clicked",
                                  "8 quit"};
    ASSERT_EQ(run.Run(s), 0);
    EXPECT_EQ(run.Value("early", "mode"), 500);
    EXPECT_EQ(run.Value("logo_clicked", "mode"), 501);
    EXPECT_EQ(run.Value("intro_early", "mode"), 501);
    EXPECT_EQ(run.Value("intro_early", "music_wanted"), 0) << "an early click still asks for the music";
    EXPECT_EQ(run.Value("intro_clicked", "mode"), 1);
}

TEST(MainMenu, ItemsFollowTheRowsAndEscapeLeadsToTheExitPicture) {
    FlowRun run;
    const int t = kMenuReadyTick;
    std::vector<std::string> s;
    auto add = [&s](const std::vector<std::string>& more) { s.insert(s.end(), more.begin(), more.end()); };
    add(ClickAt(t, 300, 40));  // y 0..66 is item 0: nothing without a game
    s.push_back(std::to_string(t + 5) + " dump item0");
    add(ClickAt(t + 10, 300, MenuItemScreenY(4)));
    s.push_back(std::to_string(t + 15) + " dump scores");
    s.push_back(std::to_string(t + 20) + " key up Space");  // any key leaves the table
    s.push_back(std::to_string(t + 25) + " dump back");
    s.push_back(std::to_string(t + 30) + " key up Escape");
    s.push_back(std::to_string(t + 35) + " dump exit");
    s.push_back(std::to_string(t + 40) + " key up A");  // the exit picture ends the program
    s.push_back(std::to_string(t + 200) + " dump never");
    ASSERT_EQ(run.Run(s), 0);
    EXPECT_EQ(run.Value("item0", "mode"), 1);
    EXPECT_EQ(run.Value("scores", "mode"), 50);
    EXPECT_EQ(run.Value("back", "mode"), 1);
    EXPECT_EQ(run.Value("exit", "mode"), 60);
    EXPECT_TRUE(ReadText(run.dir.path + "never").empty());
    EXPECT_EQ(ReadFile(run.data + "Zapbrik1.dat").size(), 500u) << "the table's file is created on first view";
}
}  // namespace

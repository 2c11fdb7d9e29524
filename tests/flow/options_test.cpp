// The options window, run headless: volumes, hints, difficulty (which ends the
// game in progress) and key rebinding that is saved and works after a restart.
#include <gtest/gtest.h>

#include "flow_run.h"

namespace {
// With a 208 x 308 window its top-left sits at panel (61, 66), screen (81, 86).
constexpr int kWinX = 81, kWinY = 86;

struct Options : ScriptTest {
    int t = kMenuReadyTick;
    void SetUp() override { run.PutPicture("optionsWin.png", 208, 308); }
    void Add(const std::vector<std::string>& more) { s.insert(s.end(), more.begin(), more.end()); }
    void OpenOptions() {
        Add(ClickAt(t, 300, MenuItemScreenY(2)));
        t += 10;
    }
};

TEST_F(Options, VolumeSlidersHintsAndDifficulty) {
    OpenOptions();
    // Effects track: rows 72..89 of the window; volume 2 x (x - 11).
    At(t, "mouse move " + std::to_string(kWinX + 11 + 50) + " " + std::to_string(kWinY + 80));
    At(t + 1, "mouse down left " + std::to_string(kWinX + 11 + 50) + " " + std::to_string(kWinY + 80));
    At(t + 2, "mouse move " + std::to_string(kWinX + 11 + 60) + " " + std::to_string(kWinY + 80));  // a drag
    At(t + 3, "mouse up left " + std::to_string(kWinX + 11 + 60) + " " + std::to_string(kWinY + 80));
    At(t + 5, "mouse down left " + std::to_string(kWinX + 11 + 40) + " " + std::to_string(kWinY + 110));
    At(t + 6, "mouse up left " + std::to_string(kWinX + 11 + 40) + " " + std::to_string(kWinY + 110));
    At(t + 8, "dump volumes");
    Add(ClickAt(t + 10, kWinX + 50, kWinY + 36));  // hints
    Add(ClickAt(t + 15, kWinX + 50, kWinY + 130));  // difficulty
    At(t + 20, "key up Escape");  // Escape does not leave the options
    At(t + 22, "dump changed");
    At(t + 24, "screenshot options.png");
    Add(ClickAt(t + 30, kWinX + 170, kWinY + 280));  // close
    At(t + 35, "dump closed");
    At(t + 36, "quit");
    ASSERT_EQ(run.Run(s), 0);
    EXPECT_EQ(run.Value("volumes", "effects_volume"), 120);
    EXPECT_EQ(run.Value("volumes", "music_volume"), 80);
    EXPECT_EQ(run.Value("changed", "hints_enabled"), 0);
    EXPECT_EQ(run.Value("changed", "difficulty"), 2);
    EXPECT_EQ(run.Value("changed", "mode"), 40);
    EXPECT_EQ(run.Value("closed", "mode"), 1);
    EXPECT_EQ(run.Value("closed", "capture_slot"), -1) << "the close button arms no key capture";
    std::vector<uint8_t> settings = ReadFile(run.data + "settings.dat");
    ASSERT_EQ(settings.size(), 1636u);
    EXPECT_EQ(settings[20], 2);
    EXPECT_EQ(settings[24], 120);
    EXPECT_EQ(settings[28], 80);
    EXPECT_EQ(settings[32], 0);
}

TEST_F(Options, ARebindingIsSavedAndWorksAfterARestart) {
    OpenOptions();
    // Font 1's line height is 12: control row 4 (Escape) is clicked at panel y
    // 210 + 6 x 17 + 15 - 12 .. + 25, so screen y 340 is inside it.
    Add(ClickAt(t, 100, 340));
    At(t + 4, "dump waiting");
    At(t + 6, "key down Q");
    At(t + 7, "key up Q");
    At(t + 9, "dump bound");
    Add(ClickAt(t + 10, kWinX + 170, kWinY + 280));
    At(t + 20, "quit");
    ASSERT_EQ(run.Run(s), 0);
    EXPECT_EQ(run.Value("waiting", "capture_slot"), 4);
    EXPECT_EQ(run.Value("bound", "key_escape"), 0x51);
    EXPECT_EQ(run.Value("bound", "capture_slot"), -1);

    // A second run reads the binding back: Q now leaves the high-score table
    // for the menu and, from the menu, leads to the exit picture; Escape does not.
    s.clear();
    t = kMenuReadyTick;
    At(t, "dump restarted");
    At(t + 2, "key up Escape");
    At(t + 4, "dump escape");
    At(t + 6, "key up Q");
    At(t + 8, "dump q");
    At(t + 30, "quit");
    ASSERT_EQ(run.Run(s), 0);
    EXPECT_EQ(run.Value("restarted", "key_escape"), 0x51);
    EXPECT_EQ(run.Value("escape", "mode"), 1);
    EXPECT_EQ(run.Value("q", "mode"), 60);
}

TEST_F(Options, ChangingTheDifficultyEndsTheGameInProgress) {
    run.PutPicture("choose.png", 330, 440);
    run.PutTestLevels(1);
    Add(ClickAt(t, 300, MenuItemScreenY(1)));  // new game: the chooser
    Add(ClickAt(t + 10, 25 + 5, 132 + 5));     // level 1 (cell 0)
    At(t + 30, "dump playing");
    At(t + 32, "key up Escape");
    At(t + 36, "dump paused");
    Add(ClickAt(t + 40, 300, MenuItemScreenY(2, 1)));
    Add(ClickAt(t + 50, kWinX + 50, kWinY + 130));
    At(t + 55, "dump ended");
    Add(ClickAt(t + 60, kWinX + 170, kWinY + 280));
    At(t + 70, "dump menu");
    At(t + 71, "screenshot menu.png");
    At(t + 72, "quit");
    ASSERT_EQ(run.Run(s), 0);
    EXPECT_EQ(run.Value("playing", "mode"), 110);
    EXPECT_EQ(run.Value("paused", "game_in_progress"), 1);
    EXPECT_EQ(run.Value("ended", "game_in_progress"), 0);
    EXPECT_EQ(run.Value("ended", "difficulty"), 2);
    EXPECT_EQ(run.Value("menu", "mode"), 1);
}
}  // namespace

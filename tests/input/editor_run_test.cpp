// The level editor run headless from the game: entered from the info page's
// hidden panel, a level built, saved on the way out, chosen and played; an empty
// level, the ends of the level steps and a save that fails.
#include <gtest/gtest.h>

#include <filesystem>

#include "flow/flow_run.h"

namespace {
struct EditorRun : ScriptTest {
    void SetUp() override {
        run.PutPicture("strider.png", 218, 2300);
        run.PutPicture("choose.png", 330, 440);
    }
    // Scrolls the info page to its end and opens the hidden panel; with the panel
    // scrolled there its option lines are at screen y 331 (Level Editor) and 367
    // (Unlock All Levels), at any x right of the lid.
    int OpenHiddenPanel() {
        const int t = kMenuReadyTick;
        Click(t, 300, MenuItemScreenY(3));
        At(t + 10, "key down Down");
        At(t + 200, "key up Down");
        Click(t + 270, 185, 20 + 330);
        return t + 280;
    }
    std::vector<uint8_t> Level(int level) { return ReadFile(run.data + "level" + std::to_string(level) + ".dat"); }
};

TEST_F(EditorRun, ALevelBuiltInTheEditorIsSavedChosenAndPlayed) {
    run.PutTestLevels(2);
    int t = OpenHiddenPanel();
    Click(t, 300, 367);  // Unlock All Levels
    Click(t + 5, 300, 331);
    At(t + 10, "dump entered");
    At(t + 12, "key up Up");  // on to level 1; level 0 is saved
    At(t + 15, "dump level1");
    // The second palette shape (120 x 15, held by its centre (60, 7)) painted
    // with its top-left at playfield (105, 200).
    Click(t + 20, 200, 447);
    At(t + 25, "mouse move 320 227");
    At(t + 27, "mouse down left 320 227");
    At(t + 28, "mouse up left 320 227");
    At(t + 30, "dump painted");
    At(t + 30, "screenshot editor.png");
    At(t + 32, "key up Escape");
    At(t + 34, "dump dropped");
    At(t + 36, "key up Escape");
    At(t + 40, "dump left");
    t += 50;
    Click(t, 300, MenuItemScreenY(1));
    Click(t + 10, 20 + 5 + 1 * 32 + 10, 20 + 111 + 10);  // cell 1
    At(t + 60, "dump playing");
    At(t + 61, "quit");
    ASSERT_EQ(run.Run(s), 0);
    EXPECT_EQ(run.Value("entered", "mode"), 200);
    EXPECT_EQ(run.Value("entered", "level"), 0);
    EXPECT_EQ(run.Value("entered", "editor_kind"), -1);
    EXPECT_EQ(run.Value("entered", "editor_powerup"), -1);
    EXPECT_EQ(run.Dump("entered")["level_blocks"], "105:330:1:0 105:40:1:0");
    EXPECT_EQ(run.Value("level1", "level"), 1);
    EXPECT_EQ(run.Value("painted", "editor_kind"), 1);
    EXPECT_EQ(run.Dump("painted")["level_blocks"], "105:330:1:0 105:40:1:0 105:200:1:0");
    EXPECT_EQ(run.Value("dropped", "mode"), 200);
    EXPECT_EQ(run.Value("dropped", "editor_kind"), -1);
    EXPECT_EQ(run.Value("left", "mode"), 1);
    EXPECT_EQ(Level(0).size(), 24u);
    const std::vector<uint8_t> saved = Level(1);
    ASSERT_EQ(saved.size(), 36u);
    EXPECT_EQ(std::vector<uint8_t>(saved.begin() + 24, saved.begin() + 30), (std::vector<uint8_t>{105, 0, 200, 0, 1, 120}));
    EXPECT_EQ(run.Value("playing", "mode"), 110);
    EXPECT_EQ(run.Value("playing", "level"), 1);
    EXPECT_EQ(run.Value("playing", "blocks"), 3);
}

TEST_F(EditorRun, AnEmptyLevelTheEndsOfTheLevelStepsAndAFailedSave) {
    run.PutTestLevels(100);
    WriteFile(run.data + "level0.dat", {});
    std::filesystem::remove(run.data + "level2.dat");
    std::filesystem::create_directories(run.data + "level2.dat");  // cannot be written
    int t = OpenHiddenPanel();
    Click(t, 300, 331);
    At(t + 5, "dump empty");
    At(t + 6, "key up Left");  // tightening an empty level does nothing
    At(t + 7, "key up Down");  // no level before the first
    At(t + 8, "dump first");
    for (int i = 0; i < 99; ++i) At(t + 10 + i, "key up Up");
    At(t + 110, "dump last");
    At(t + 111, "key up Up");  // no level after the last
    At(t + 112, "dump still_last");
    At(t + 113, "quit");
    std::string err;
    ASSERT_EQ(run.Run(s, &err), 0) << err;
    EXPECT_EQ(run.Value("empty", "mode"), 200);
    EXPECT_EQ(run.Value("empty", "blocks"), 0);
    EXPECT_EQ(run.Value("first", "level"), 0);
    EXPECT_EQ(run.Value("last", "level"), 99);
    EXPECT_EQ(run.Value("still_last", "level"), 99);
    EXPECT_EQ(run.Value("still_last", "blocks"), 2);
    EXPECT_NE(err.find("ERROR: Unable to save level."), std::string::npos) << err;
    EXPECT_TRUE(std::filesystem::is_directory(run.data + "level2.dat"));
    EXPECT_EQ(Level(3).size(), 24u) << "the steps went on past the failed save";
}
}  // namespace

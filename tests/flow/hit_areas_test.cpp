// Where clicks land: menu rows, chooser cells and the key names the options show.
#include <gtest/gtest.h>

#include "game/flow/choose_level.h"
#include "game/game_state.h"
#include "game/flow/main_menu.h"
#include "app/events.h"

namespace {
TEST(HitAreas, MenuRowsTruncateTowardsZero) {
    gameInProgress = 0;
    EXPECT_EQ(MenuItemAt(0), 0);   // -30 / 37
    EXPECT_EQ(MenuItemAt(66), 0);
    EXPECT_EQ(MenuItemAt(67), 1);
    EXPECT_EQ(MenuItemAt(215), 5);
    EXPECT_EQ(MenuItemAt(252), 6);
    gameInProgress = 1;
    EXPECT_EQ(MenuItemAt(14), 0);  // -36 / 37
    EXPECT_EQ(MenuItemAt(86), 0);
    EXPECT_EQ(MenuItemAt(87), 1);
    gameInProgress = 0;
}

TEST(HitAreas, ChooserCellsStartLeftOfAndAboveTheSheet) {
    EXPECT_EQ(ChooserCellAt(0, 80), 0) << "x 0..4 and y 80..110 still count as the first column and row";
    EXPECT_EQ(ChooserCellAt(5 + 32 * 9 + 31, 111 + 32 * 9 + 31), 99);
    EXPECT_EQ(ChooserCellAt(5 + 320, 120), -1);
    EXPECT_EQ(ChooserCellAt(100, 111 + 320), -1);
    EXPECT_EQ(ChooserCellAt(100, 79), -1);
}

TEST(HitAreas, ChosenLevelsFollowTheProgressRowOfTheDifficulty) {
    ResetGameState();
    levelProgress[1][7] = 1;
    difficulty = 2;
    EXPECT_TRUE(LevelMayBeChosen(7));
    EXPECT_FALSE(LevelMayBeChosen(8));
    difficulty = 9;  // from a hand-edited settings file: the Easy row
    EXPECT_FALSE(LevelMayBeChosen(7));
    optUnlockAllLevels = 1;
    EXPECT_TRUE(LevelMayBeChosen(99));
    ResetGameState();
}

TEST(HitAreas, KeyNamesOfAnyStoredCodeFit) {
    EXPECT_EQ(KeyName(0x5C), "[0x5c]");
    EXPECT_EQ(KeyName(0x5), "[0x 5]");
    EXPECT_EQ(KeyName(-1), "[0xffffffff]");
    EXPECT_EQ(KeyName(INT32_MIN), "[0x80000000]");
}
}  // namespace

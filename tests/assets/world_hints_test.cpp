// Hint files: the tag syntax and the box's line wrapping as the game reads them,
// and the shipped hints.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "worlds/hint_checks.h"
#include "worlds/world_data.h"

namespace {
bool Mentions(const std::vector<std::string>& problems, const std::string& what) {
    for (const std::string& p : problems)
        if (p.find(what) != std::string::npos) return true;
    return false;
}
}  // namespace

TEST(HintChecks, AWellFormedHintPasses) {
    EXPECT_TRUE(CheckHint("[show|11][width|180][hint|^aaALasers!^aaa Two beams fire up.]\n").empty());
}

TEST(HintChecks, BrokenFilesAreCaught) {
    EXPECT_TRUE(Mentions(CheckHint("[hint|one\r\ntwo]"), "carriage return"));
    EXPECT_TRUE(Mentions(CheckHint("[Hint|text]"), "unknown tag Hint"));
    EXPECT_TRUE(Mentions(CheckHint("[show|3|4][hint|text]"), "3 fields"));
    EXPECT_TRUE(Mentions(CheckHint("[show|22][hint|text]"), "no icon"));
    EXPECT_TRUE(Mentions(CheckHint("[show|5]"), "no hint text"));
    EXPECT_TRUE(Mentions(CheckHint("[hint|text"), "not closed"));
    EXPECT_TRUE(Mentions(CheckHint("[hint|a [b] c]"), "'['"));
    EXPECT_TRUE(Mentions(CheckHint("[hint|colour ^aa]"), "colour code"));
    EXPECT_TRUE(Mentions(CheckHint("[hint|" + std::string(13, '\n') + "]"), "wraps to 14 lines"));
}

TEST(HintChecks, LinesWrapAsTheHintBoxWrapsThem) {
    // 31 characters fit a 200-wide box; the 32nd reaches x 190 and moves on.
    EXPECT_EQ(HintLineCount(std::string(31, 'x'), false, 200), 1);
    EXPECT_EQ(HintLineCount(std::string(33, 'x'), false, 200), 2);
    // A word that would cross the edge starts the next line.
    EXPECT_EQ(HintLineCount("aaaaaaaaaaaaaaaaaaaaaaaaa bbbbbbbb", false, 200), 2);
    // Colour codes take no room.
    EXPECT_EQ(HintLineCount("^aaA" + std::string(31, 'x'), false, 200), 1);
    // Beside the icon the first lines start at x 27, so fewer characters fit.
    EXPECT_EQ(HintLineCount(std::string(28, 'x'), false, 200), 1);
    EXPECT_EQ(HintLineCount(std::string(27, 'x'), true, 200), 1);
    EXPECT_EQ(HintLineCount(std::string(28, 'x'), true, 200), 2);
    // A narrower box wraps sooner.
    EXPECT_EQ(HintLineCount(std::string(20, 'x'), false, 120), 2);
}

TEST(ShippedHints, EveryHintIsSoundAndEveryNewThingHasOne) {
    std::vector<LevelSource> levels;
    std::string error;
    ASSERT_TRUE(ReadLevelSources(ZAPBRIK_ASSET_SOURCES "/levels", levels, error)) << error;
    for (int level : LevelsNeedingHints(levels))
        EXPECT_TRUE(std::filesystem::exists(ZAPBRIK_ASSET_SOURCES "/hints/hint" + std::to_string(level) + ".txt"))
            << "level " << level;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(ZAPBRIK_ASSET_SOURCES "/hints")) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        std::vector<std::string> problems = CheckHint(text.str());
        EXPECT_TRUE(problems.empty()) << entry.path() << ": " << problems.front();
        ++files;
    }
    EXPECT_GE(files, 20);
}

TEST(ShippedHints, LevelsNeedingHintsFollowWhatIsNew) {
    std::vector<LevelSource> levels(30);
    for (int i = 0; i < 30; ++i) levels[i].number = i;
    levels[0].blocks = {{0, 0, 1, -1}};
    levels[24].blocks = {{0, 0, 1, -1}, {0, 0, 7, -1}};  // a new shape
    levels[25].blocks = {{0, 0, 7, -1}};                 // nothing new
    levels[26].blocks = {{0, 0, 1, 11}};                 // a new power-up
    std::vector<int> need = LevelsNeedingHints(levels);
    std::vector<int> expected;
    for (int i = 0; i < 20; ++i) expected.push_back(i);
    expected.push_back(24);
    expected.push_back(26);
    EXPECT_EQ(need, expected);
}

// High-score files: ranking at the borders, the file round trip and damaged files.
#include "game/flow/high_score_table.h"

#include <gtest/gtest.h>

#include <cstring>

#include "shell/paths.h"
#include "test_support.h"

namespace {
struct HighScores : ::testing::Test {
    TempDir dir;
    void SetUp() override {
        SetBaseFolder(dir.path);
        SetPlayerFolder(dir.path + "Data/");
        std::string data = dir.path + "Data";
        ASSERT_EQ(std::system(("mkdir -p " + data).c_str()), 0);
    }
    void TearDown() override {
        SetPlayerFolder("");
    }
    std::string Row(int r) { return std::string(highScoreTable + 20 * r, 20); }
};

TEST_F(HighScores, AMissingFileIsCreatedAsDotsAndAnyPositiveScoreTakesRowZero) {
    EXPECT_EQ(HighScoreRank(1, 2), 0);
    EXPECT_EQ(ReadText(dir.path + "Data/Zapbrik2.dat"), std::string(500, '.'));
    EXPECT_EQ(HighScoreRank(0, 2), 25) << "0 is not less than an empty row's 0";
}

TEST_F(HighScores, InsertWritesTheRowAndPushesTheRestDown) {
    InsertHighScore("ANN", 1234, 1);
    EXPECT_EQ(ReadText(dir.path + "Data/Zapbrik1.dat").substr(0, 20), "ANN.............1234");
    InsertHighScore("BOB", 5000, 1);
    InsertHighScore("CY.D", 1234, 1);  // equal scores go below the stored one
    LoadHighScores(1);
    EXPECT_EQ(Row(0), "BOB.............5000");
    EXPECT_EQ(Row(1), "ANN.............1234");
    EXPECT_EQ(Row(2), "CY.D............1234");
    HighScoreRowText shown = HighScoreRowTexts(2);
    EXPECT_STREQ(shown.name, "CY D      ");
    EXPECT_STREQ(shown.score, "   1234");
    EXPECT_EQ(ReadText(dir.path + "Data/Zapbrik1.dat").size(), 500u);
}

TEST_F(HighScores, AFullTableDropsItsLastRowAndRefusesEqualScores) {
    for (int i = 0; i < 25; ++i) InsertHighScore("SAME", 100, 3);
    EXPECT_EQ(HighScoreRank(100, 3), 25);
    EXPECT_EQ(HighScoreRank(101, 3), 0);
    InsertHighScore("LAST", 100, 3);  // no place: nothing written
    LoadHighScores(3);
    for (int r = 0; r < 25; ++r) EXPECT_EQ(Row(r).substr(0, 4), "SAME");
    InsertHighScore("TOP", 101, 3);
    LoadHighScores(3);
    EXPECT_EQ(Row(0).substr(0, 4), "TOP.");
    EXPECT_EQ(Row(24).substr(0, 4), "SAME");
    EXPECT_EQ(HighScoreRank(99, 3), 25) << "last place is taken only by a better score";
}

TEST_F(HighScores, LongNamesAndLargeOrNegativeScoresStayInsideTheRow) {
    InsertHighScore("ABCDEFGHIJKLMNOP", 123456789, 4);
    LoadHighScores(4);
    EXPECT_EQ(Row(0), "ABCDEFGHIJ..12345678") << "only the first 8 characters of the score";
    EXPECT_EQ(HighScoreRank(-5, 4), 25) << "empty rows count as 0";
    std::string old;
    for (int i = 0; i < 25; ++i) old += "OLD.............-100";
    WriteText(dir.path + "Data/Zapbrik4.dat", old);
    InsertHighScore("NEG", -5, 4);
    LoadHighScores(4);
    EXPECT_EQ(Row(0), "NEG...............-5");
    EXPECT_EQ(HighScoreRowScore(0), -5);
    EXPECT_EQ(HighScoreRowScore(1), -100);
}

TEST_F(HighScores, TrailingLineEndsAreKeptAndBadFilesAreMovedAsideWhole) {
    std::string path = dir.path + "Data/Zapbrik1.dat";
    std::string good = "ANN.............1234" + std::string(480, '.');
    for (const std::string& edited : {good + "\n", good + "\r\n \t\n"}) {
        WriteText(path, edited);
        LoadHighScores(1);
        EXPECT_EQ(Row(0), "ANN.............1234");
    }
    const std::vector<std::string> bad = {good.substr(0, 499), good + ".", good + "\nX", std::string(""),
                                          "ANN.............12x4" + std::string(480, '.'),
                                          std::string("AN\0..............123", 20) + std::string(480, '.')};
    for (size_t i = 0; i < bad.size(); ++i) {
        WriteText(path, bad[i]);
        LoadHighScores(1);
        EXPECT_EQ(std::string(highScoreTable, 504), std::string(504, '.')) << i;
        EXPECT_EQ(HighScoreRank(1, 1), 0);
        // Each damaged file is kept under its own name; none is written over.
        EXPECT_EQ(ReadText(path + ".damaged" + (i == 0 ? "" : "." + std::to_string(i + 1))), bad[i]) << i;
        EXPECT_EQ(ReadText(path), std::string(500, '.'));
    }
}

TEST_F(HighScores, AByteFFIsANameCharacterAndTenDigitsAreClamped) {
    std::string path = dir.path + "Data/Zapbrik1.dat";
    WriteText(path, "\xff" "NN.............1234" "ZED.......9999999999" + std::string(460, '.'));
    LoadHighScores(1);
    EXPECT_EQ(static_cast<unsigned char>(highScoreTable[0]), 0xFF);
    EXPECT_EQ(HighScoreRowScore(0), 1234);
    EXPECT_EQ(HighScoreRowScore(1), INT32_MAX);
    EXPECT_EQ(HighScoreRank(2000000000, 1), 0);
    EXPECT_EQ(HighScoreRank(1235, 1), 0);
    EXPECT_EQ(HighScoreRank(1234, 1), 2) << "below the clamped row and the equal one";
}
}  // namespace

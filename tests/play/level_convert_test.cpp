// The conversion of old level files and the chooser's thumbnails.
#include <gtest/gtest.h>

#include <filesystem>

#include "game/play/block_set.h"
#include "game/play/level.h"
#include "game/play/level_convert.h"
#include "game/play/level_thumbnail.h"
#include "gfx/png_writer.h"
#include "play/play_fixture.h"
#include "shell/paths.h"
#include "test_support.h"

namespace {
std::vector<uint8_t> Record(int x, int y, int kind, int w, int h, int powerUp) {
    return {static_cast<uint8_t>(x), static_cast<uint8_t>(x >> 8), static_cast<uint8_t>(y), static_cast<uint8_t>(y >> 8),
            static_cast<uint8_t>(kind), static_cast<uint8_t>(w), static_cast<uint8_t>(h), 9, 9, 9,
            static_cast<uint8_t>(powerUp), 0};
}

class ConvertTest : public PlayFieldTest {
protected:
    void SetUp() override {
        PlayFieldTest::SetUp();
        SetBaseFolder(dir.path);
        SetPlayerFolder(dataFolder);
        MakeFolders(dir.path + "Data");
    }
    void WriteLevel(int level, std::initializer_list<std::vector<uint8_t>> records) {
        std::vector<uint8_t> bytes;
        for (const auto& r : records) bytes.insert(bytes.end(), r.begin(), r.end());
        WriteFile(DataLevelPath(level), bytes);
    }
    TempDir dir;
};
}  // namespace

TEST_F(ConvertTest, RescalesDropsLowRecordsAndSortsStably) {
    WriteLevel(12, {
                       Record(20, 100, 1, 200, 10, 1),  // width 300 keeps its low 8 bits
                       Record(4, 10, 1, 20, 10, 2),     // x 6 - 15 wraps in 16 bits
                       Record(20, 267, 1, 2, 2, 3),     // y 400: kept
                       Record(20, 268, 1, 2, 2, 4),     // y 402: removed
                       Record(20, 100, 0, 200, 10, 5),  // same key as the first
                   });
    ConvertLegacyLevel(12);
    ASSERT_EQ(levelBlockCount, 4);
    EXPECT_EQ(levelBlocks[0].powerUp, 2);
    EXPECT_EQ(levelBlocks[0].x, 65527);
    EXPECT_EQ(levelBlocks[0].y, 15);
    EXPECT_EQ(levelBlocks[0].width, 30);
    EXPECT_EQ(levelBlocks[0].height, 15);
    EXPECT_EQ(levelBlocks[1].powerUp, 1);
    EXPECT_EQ(levelBlocks[1].width, 300 - 256);
    EXPECT_EQ(levelBlocks[2].powerUp, 5);
    EXPECT_EQ(levelBlocks[3].y, 400);
    EXPECT_EQ(indestructibleCount, 1);
}

TEST_F(ConvertTest, TheModeBacksUpSavesEveryLevelAndReportsAFailedSave) {
    WriteLevel(3, {Record(20, 100, 1, 20, 10, 0)});
    std::string err;
    EXPECT_EQ(RunGameBinary("--headless --convert-levels --data " + dir.path, &err), 0) << err;
    std::vector<uint8_t> converted = Record(15, 150, 1, 30, 15, 0);
    converted[7] = converted[8] = converted[9] = 0;  // reserved bytes are written as 0
    EXPECT_EQ(ReadFile(DataLevelPath(3)), converted);
    EXPECT_TRUE(std::filesystem::exists(DataLevelPath(99)));
    // The one file there was is kept as it was, in a dated folder beside it.
    std::vector<std::string> backups;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path + "Data"))
        if (entry.path().filename().string().starts_with("levels-before-conversion-")) backups.push_back(entry.path());
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(ReadFile(backups[0] + "/level3.dat"), Record(20, 100, 1, 20, 10, 0));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(backups[0]), {}), 1);

    std::filesystem::remove(DataLevelPath(7));
    MakeFolders(DataLevelPath(7) + "/in-the-way");
    EXPECT_EQ(RunGameBinary("--headless --convert-levels --data " + dir.path, &err), 1);
    EXPECT_NE(err.find("level 7 could not be saved"), std::string::npos) << err;
}

TEST_F(ConvertTest, ThumbnailsBlendBlocksAtTheirCellAndShrinkThem) {
    removeSurface(blockSetImage);
    Surface* picture = createSurface(330, 440);
    for (int x = 3; x < 9; ++x)
        for (int y = 3; y < 9; ++y) putPixel(picture, x, y, packColour(20, 10, 0));
    ASSERT_TRUE(WriteRgb565Png(dir.path + "Data/blocks3.png", picture->origin, 330, 440));
    removeSurface(picture);
    WriteText(dir.path + "Data/blocks3.txt", "[block,2,2,4,4]");
    WriteLevel(23, {Record(0, 0, 0, 6, 6, 0), Record(100, 400, 0, 6, 6, 0)});
    levelChooserSheet = createSurface(320, 320);

    BuildLevelThumbnail(23);  // set 3, variant 3: (r, g, b) becomes (b, r, g)
    // Nine blends at alpha 80 give (0, 19, 9); the two halvings divide by four.
    EXPECT_EQ(getPixel(levelChooserSheet, 96, 64), packColour(0, 4, 2));
    EXPECT_EQ(getPixel(levelChooserSheet, 97, 64), 0);
    EXPECT_EQ(blockSetImage, nullptr);
    EXPECT_EQ(levelBlockCount, 0);

    // Without a level file the cell keeps what it showed.
    putPixel(levelChooserSheet, 128, 64, 0x1234);
    BuildLevelThumbnail(24);
    EXPECT_EQ(getPixel(levelChooserSheet, 128, 64), 0x1234);
    EXPECT_EQ(blockSetImage, nullptr);
    removeSurface(levelChooserSheet);
}

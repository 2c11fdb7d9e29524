// Block-set and level files: the parser's limits and widths, the level file's
// record count, the prunes at load, set and variant of a level number, saving,
// and files that are broken or hostile.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <random>
#include <vector>

#include "game/game_state.h"
#include "game/play/balls.h"
#include "game/play/block_set.h"
#include "game/play/blocks.h"
#include "game/play/level.h"
#include "gfx/assets.h"
#include "gfx/png_writer.h"
#include "play/play_fixture.h"
#include "shell/paths.h"
#include "test_support.h"

namespace {
std::vector<uint8_t> Record(int x, int y, int kind, int w, int h, int powerUp, uint8_t reserved = 0) {
    return {static_cast<uint8_t>(x), static_cast<uint8_t>(x >> 8), static_cast<uint8_t>(y), static_cast<uint8_t>(y >> 8),
            static_cast<uint8_t>(kind), static_cast<uint8_t>(w), static_cast<uint8_t>(h), reserved, reserved, reserved,
            static_cast<uint8_t>(powerUp), static_cast<uint8_t>(powerUp >> 8)};
}

std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

void Parse(const std::string& text) {
    blockDescCount = 0;
    std::memset(blockDescs, 0, sizeof blockDescs);
    ParseBlockSet(text.data(), static_cast<long>(text.size()));
}

void WritePicture(const std::string& path, const Surface* s) {
    ASSERT_TRUE(WriteRgb565Png(path, s->origin, s->width, s->height));
}

class LevelFilesTest : public PlayFieldTest {
protected:
    void SetUp() override {
        PlayFieldTest::SetUp();
        SetBaseFolder(dir.path);
        SetPlayerFolder(dataFolder);
        MakeFolders(dir.path + "Data");
    }
    TempDir dir;
};
}  // namespace

TEST(BlockSetTest, ConvertsTwoThirdUnitsWithTheirWidths) {
    Parse("[block,10,20,85,40][block,0,0,86,1]");
    ASSERT_EQ(blockDescCount, 2);
    EXPECT_EQ(blockDescs[0].srcX, 15);
    EXPECT_EQ(blockDescs[0].srcY, 30);
    EXPECT_EQ(blockDescs[0].width, 127);  // 255 / 2
    EXPECT_EQ(blockDescs[0].height, 60);
    EXPECT_EQ(blockDescs[1].width, 1);  // 258 wraps to 2 before the halving
    EXPECT_EQ(blockDescs[1].height, 1);

    // Positions wrap in 16 bits: 50000 * 3 = 150000 = 18928 mod 65536.
    Parse("[block,50000,-2,2,2]");
    EXPECT_EQ(blockDescs[0].srcX, 9464);
    EXPECT_EQ(blockDescs[0].srcY, 32765);
}

TEST(BlockSetTest, AcceptsOnlyExactFiveFieldBlockRecords) {
    Parse("[Block,0,0,10,10][block,0,0,10][ block,0,0,10,10][block,0,0,10,10,1]");
    EXPECT_EQ(blockDescCount, 0);
    Parse("a,b,c] ,, [block,2,4,6,8] x,y,z ][block, 7,+8,  9x,abc]");
    ASSERT_EQ(blockDescCount, 2);
    EXPECT_EQ(blockDescs[0].srcX, 3);
    EXPECT_EQ(blockDescs[0].srcY, 6);
    EXPECT_EQ(blockDescs[0].width, 9);
    EXPECT_EQ(blockDescs[0].height, 12);
    // atoi rules: blanks and a sign are read, trailing text stops the number, no digits read 0.
    EXPECT_EQ(blockDescs[1].srcX, 10);
    EXPECT_EQ(blockDescs[1].srcY, 12);
    EXPECT_EQ(blockDescs[1].width, 13);
    EXPECT_EQ(blockDescs[1].height, 0);

    std::string many;
    for (int i = 0; i < 120; ++i) many += "[block,2,2,2,2]";
    Parse(many);
    EXPECT_EQ(blockDescCount, kMaxBlockDescs);
}

TEST(BlockSetTest, HugeFieldsSaturateAndKeepTheirWidths) {
    const std::string forty(40, '9');
    Parse("[block," + forty + "," + forty + "5555," + forty + ",-" + forty + "]");
    ASSERT_EQ(blockDescCount, 1);
    // 2147483647 * 3 taken in 16 and 8 bits, then halved.
    EXPECT_EQ(blockDescs[0].srcX, 32766);
    EXPECT_EQ(blockDescs[0].srcY, 32766);  // characters past 40 are dropped
    EXPECT_EQ(blockDescs[0].width, 126);
    EXPECT_EQ(blockDescs[0].height, 0);  // -2147483648 * 3 is 0 in 8 bits
}

TEST(BlockSetTest, UnknownKindsReadTheEmptyDescription) {
    Parse("[block,2,2,2,2]");
    EXPECT_EQ(BlockDescOf(0).width, 3);
    for (int kind : {1, 99, 100, 200, 255}) {
        const BlockDesc& d = BlockDescOf(kind);
        EXPECT_EQ(d.srcX + d.srcY + d.width + d.height, 0) << kind;
    }
}

TEST_F(LevelFilesTest, MissingBlockSetClearsTheWholeTable) {
    Parse("[block,2,2,2,2][block,4,4,4,4]");
    LoadBlockSet(3);
    EXPECT_EQ(blockDescCount, 0);
    EXPECT_EQ(blockDescs[1].width, 0);
}

TEST_F(LevelFilesTest, RecordCountIsTheSizeOverTwelveAndAtMostAThousand) {
    WriteFile(DataLevelPath(4), Join({Record(1, 2, 3, 4, 5, 6), Record(7, 8, 9, 10, 11, 12), {0xAA}}));
    ASSERT_TRUE(ReadLevelFile(4));
    ASSERT_EQ(levelBlockCount, 2);
    EXPECT_EQ(levelBlocks[1].x, 7);
    EXPECT_EQ(levelBlocks[1].powerUp, 12);

    std::vector<uint8_t> big;
    for (int i = 0; i < 1001; ++i) {
        auto r = Record(i, 0, 0, 1, 1, 0);
        big.insert(big.end(), r.begin(), r.end());
    }
    ASSERT_EQ(big.size(), 12012u);
    WriteFile(DataLevelPath(5), big);
    ASSERT_TRUE(ReadLevelFile(5));
    EXPECT_EQ(levelBlockCount, kMaxLevelBlocks);
    EXPECT_EQ(levelBlocks[999].x, 999);

    EXPECT_FALSE(ReadLevelFile(6));
    EXPECT_EQ(levelBlockCount, 0);
}

TEST_F(LevelFilesTest, PrunesAtTheDepthLimitAndOverScenery) {
    PaintMap(100, 200, 1, 1, kWallBlue);
    WriteFile(DataLevelPath(0), Join({
                                    Record(10, 380, 1, 5, 5, 0),   // y = H - 60: kept
                                    Record(20, 381, 1, 5, 5, 0),   // one lower: removed
                                    Record(96, 150, 1, 5, 5, 0),   // wall 40 + 10 rows below: kept
                                    Record(96, 156, 1, 5, 5, 0),   // wall 40 rows below its last row
                                    Record(100, 200, 0, 1, 1, 0),  // on the wall
                                    Record(328, 10, 0, 10, 10, 0), // partly outside: outside is free
                                }));
    ASSERT_TRUE(ReadLevelFile(0));
    PruneByDepth();
    PruneByScenery();
    CountIndestructible();
    ASSERT_EQ(levelBlockCount, 3);
    std::vector<int> xs;
    for (int i = 0; i < levelBlockCount; ++i) xs.push_back(levelBlocks[i].x);
    std::sort(xs.begin(), xs.end());
    EXPECT_EQ(xs, (std::vector<int>{10, 96, 328}));
    EXPECT_EQ(indestructibleCount, 1);
}

TEST(LevelNumberTest, ChoosesSetAndVariant) {
    EXPECT_EQ(PictureSetOf(37), 4);
    EXPECT_EQ(ColourVariantOf(37), 2);
    EXPECT_EQ(PictureSetOf(63), 2);
    EXPECT_EQ(ColourVariantOf(63), 3);
    EXPECT_EQ(PictureSetOf(59), 1);
    EXPECT_EQ(PictureSetOf(99), 5);

    Surface* s = createSurface(5, 1);
    const uint16_t c = packColour(1, 2, 3);
    for (int v = 0; v < 5; ++v) putPixel(s, v, 0, c);
    const uint16_t expected[5] = {packColour(1, 2, 3), packColour(1, 3, 2), packColour(2, 1, 3), packColour(3, 1, 2),
                                  packColour(3, 2, 1)};
    for (int v = 0; v < 5; ++v) {
        putPixel(s, 0, 0, c);
        ApplyColourVariant(s, v);
        EXPECT_EQ(getPixel(s, 0, 0), expected[v]) << v;
    }
    removeSurface(s);
}

TEST_F(LevelFilesTest, LoadLevelUsesTheSetAndVariantOfTheLevel) {
    // Level 37: set 4, variant 2 (red and green swap in the scenery and blocks only).
    FillWith(sceneryView, packColour(10, 20, 5));
    clearSurface(collisionMap);
    PaintMap(0, 430, 330, 10, kWallBlue);
    clearSurface(blockSetImage);
    putPixel(blockSetImage, 3, 3, packColour(4, 8, 12));
    WritePicture(dir.path + "Data/scheme4.png", collisionMap);
    FillWith(sceneryView, packColour(10, 20, 5));
    WritePicture(dir.path + "Data/scheme4v.png", sceneryView);
    WritePicture(dir.path + "Data/blocks4.png", blockSetImage);
    WriteText(dir.path + "Data/blocks4.txt", "[block,2,2,2,2]");
    WriteFile(DataLevelPath(37), Join({Record(50, 50, 0, 3, 3, 0), Record(60, 400, 0, 3, 3, 0)}));
    for (Surface** s : {&collisionMap, &sceneryView, &blockSetImage}) removeSurface(*s);
    ballCount = 7;

    EXPECT_EQ(LoadLevel(37), 1);
    EXPECT_EQ(musicWanted, 38 % 6);
    EXPECT_EQ(getPixel(sceneryView, 5, 5), packColour(20, 10, 5));
    EXPECT_EQ(getPixel(workSurface, 5, 5), packColour(20, 10, 5));
    EXPECT_EQ(getPixel(collisionMap, 5, 435), kWallBlue - 1);  // 255 loads as 30
    EXPECT_EQ(getPixel(blockSetImage, 3, 3), packColour(8, 4, 12));
    EXPECT_EQ(blockDescCount, 1);
    EXPECT_EQ(levelBlockCount, 1);
    EXPECT_EQ(indestructibleCount, 1);
    EXPECT_EQ(ballCount, 0);
}

TEST_F(LevelFilesTest, SaveAndReloadKeepTheListWithReservedBytesZero) {
    WriteFile(DataLevelPath(9), Join({Record(1, 2, 0, 4, 5, 0, 0x77), Record(30, 40, 2, 6, 7, 22, 0x55),
                                      Record(31, 41, 1, 8, 9, 3, 0x11)}));
    ASSERT_TRUE(ReadLevelFile(9));
    std::vector<LevelBlock> before(levelBlocks, levelBlocks + levelBlockCount);
    ASSERT_TRUE(SaveLevel(9));
    const std::vector<uint8_t> bytes = ReadFile(DataLevelPath(9));
    ASSERT_EQ(bytes.size(), 36u);
    for (int r = 0; r < 3; ++r)
        for (int k = 7; k < 10; ++k) EXPECT_EQ(bytes[r * 12 + k], 0) << r;
    ASSERT_TRUE(ReadLevelFile(9));
    ASSERT_EQ(levelBlockCount, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(levelBlocks[i].x, before[i].x);
        EXPECT_EQ(levelBlocks[i].y, before[i].y);
        EXPECT_EQ(levelBlocks[i].kind, before[i].kind);
        EXPECT_EQ(levelBlocks[i].width, before[i].width);
        EXPECT_EQ(levelBlocks[i].powerUp, before[i].powerUp);
    }
    // A shorter list replaces the file whole, and no temporary file is left.
    levelBlockCount = 1;
    ASSERT_TRUE(SaveLevel(9));
    EXPECT_EQ(ReadFile(DataLevelPath(9)).size(), 12u);
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path + "Data")) files += e.is_regular_file();
    EXPECT_EQ(files, 1);

    WriteText(dir.path + "blocker", "a file where the player's folder should be");
    SetPlayerFolder(dir.path + "blocker/zapbrik");
    EXPECT_FALSE(SaveLevel(9));
}

TEST_F(LevelFilesTest, ThePlayersOwnLevelComesFirstAndSavesGoThere) {
    const std::string player = dir.path + "player/";
    SetPlayerFolder(player);
    WriteFile(DataLevelPath(2), Record(1, 1, 0, 1, 1, 0));
    ASSERT_TRUE(ReadLevelFile(2));
    EXPECT_EQ(levelBlocks[0].x, 1);
    levelBlocks[0].x = 77;
    ASSERT_TRUE(SaveLevel(2));
    EXPECT_EQ(ReadFile(DataLevelPath(2))[0], 1);  // the shipped level stays
    EXPECT_EQ(ReadFile(player + "level2.dat")[0], 77);
    ASSERT_TRUE(ReadLevelFile(2));
    EXPECT_EQ(levelBlocks[0].x, 77);
}

TEST_F(LevelFilesTest, RemovalMovesTheLastRecordAndFindTakesTheLowerIndex) {
    Parse("[block,0,0,20,10]");
    AddLevelBlock(10, 10, 0, 5);
    AddLevelBlock(20, 12, 0, 0);
    AddLevelBlock(100, 100, 0, 0);
    AddLevelBlock(1, 1, 1, 0);    // no such kind: refused
    AddLevelBlock(1, 1, 200, 0);  // refused
    ASSERT_EQ(levelBlockCount, 3);
    EXPECT_EQ(levelBlocks[0].width, 30);
    EXPECT_EQ(levelBlocks[0].height, 15);
    EXPECT_EQ(levelBlocks[0].powerUp, 5);
    EXPECT_EQ(FindBlockAt(25, 15), 0);   // covered by both
    EXPECT_EQ(FindBlockAt(40, 15), 1);   // x < 10 + 30 fails for block 0
    EXPECT_EQ(FindBlockAt(39, 24), 0);
    EXPECT_EQ(FindBlockAt(39, 25), 1);
    EXPECT_EQ(FindBlockAt(9, 10), -1);
    RemoveLevelBlock(0);
    RemoveLevelBlock(5);
    RemoveLevelBlock(-1);
    ASSERT_EQ(levelBlockCount, 2);
    EXPECT_EQ(levelBlocks[0].x, 100);
    EXPECT_EQ(levelBlocks[0].powerUp, 0);
}

TEST_F(LevelFilesTest, UnloadFreesWhatExistsAndReportsWhatIsMissing) {
    levelBlockCount = 3;
    ASSERT_TRUE(UnloadLevel());
    EXPECT_EQ(levelBlockCount, 0);
    EXPECT_EQ(collisionMap, nullptr);
    EXPECT_EQ(blockSetImage, nullptr);

    collisionMap = createSurface(4, 4);
    blockSetImage = createSurface(4, 4);
    EXPECT_FALSE(UnloadLevel());
    EXPECT_EQ(collisionMap, nullptr);
    EXPECT_EQ(blockSetImage, nullptr);  // freed even though sceneryView was missing
}

// Random and truncated files of both kinds load to some list, and every routine
// that walks the list stays inside its tables and surfaces.
TEST_F(LevelFilesTest, RandomFilesNeverReadOutsideATable) {
    std::mt19937 gen(7);
    PaintMap(0, 300, 330, 20, kWallBlue);
    for (int round = 0; round < 40; ++round) {
        std::string text;
        const int length = static_cast<int>(gen() % 400);
        for (int i = 0; i < length; ++i) text += "[],block0123456789- x"[gen() % 21];
        if (round % 4 == 0) text = "[block,4,4,80,80][block,9,9,85,85][block,-9,0,4,";
        Parse(text);
        std::vector<uint8_t> bytes(gen() % 2000);
        for (auto& b : bytes) b = static_cast<uint8_t>(gen());
        WriteFile(DataLevelPath(1), bytes);
        ASSERT_TRUE(ReadLevelFile(1));
        ASSERT_EQ(levelBlockCount, static_cast<int>(bytes.size() / 12));
        PruneByDepth();
        PruneByScenery();
        CountIndestructible();
        ComposePlayfield();
        while (levelBlockCount > 0) DestroyBlock(static_cast<int>(gen() % levelBlockCount));
        EXPECT_EQ(indestructibleCount, 0);
    }
}

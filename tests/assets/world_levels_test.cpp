// The level compiler and the rules every level keeps: the source syntax, the
// records it compiles to, the checks against a world, and the shipped levels,
// read back from the build's Data/ through the game's own loaders.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "shell/paths.h"
#include "test_support.h"
#include "worlds/block_shapes.h"
#include "worlds/game_load_checks.h"
#include "worlds/level_checks.h"
#include "worlds/level_source.h"
#include "worlds/world_data.h"

namespace {

std::vector<LevelSource> Parse(const std::string& text, std::string* error = nullptr) {
    std::vector<LevelSource> levels;
    std::string message;
    bool ok = ParseLevelSource(text, "test.lvl", levels, message);
    if (error) *error = ok ? "" : message;
    return levels;
}

LevelSource One(const std::string& text) {
    std::vector<LevelSource> levels = Parse(text);
    EXPECT_EQ(levels.size(), 1u);
    return levels.empty() ? LevelSource{} : levels[0];
}

constexpr uint16_t kBlue = 30, kGreen = 30 << 6;

// A world with 10-pixel walls on the left, top and right, a heap of sand in the
// bottom-left corner, and every shape a solid rectangle.
WorldView OpenWorld() {
    WorldView world;
    world.width = 330;
    world.height = 440;
    world.map.assign(330 * 440, 0);
    for (int y = 0; y < 440; ++y)
        for (int x = 0; x < 330; ++x) {
            if (x < 10 || x >= 320 || y < 10) world.map[y * 330 + x] = kBlue;
            else if (x < 60 && y >= 380) world.map[y * 330 + x] = kGreen;
        }
    for (const BlockShape& shape : kBlockShapes)
        world.shapes.push_back({shape.width, shape.height,
                                std::vector<uint8_t>(static_cast<size_t>(shape.width) * shape.height, 1)});
    return world;
}

bool Mentions(const std::vector<std::string>& problems, const std::string& what) {
    return std::any_of(problems.begin(), problems.end(),
                       [&](const std::string& p) { return p.find(what) != std::string::npos; });
}

}  // namespace

TEST(LevelSource, GridsKeysAndPlacesBecomeBlocks) {
    LevelSource level = One(
        "# a comment\n"
        "key W brick wide\n"
        "level 3 \"Test\"  # trailing comment\n"
        "grid 15 40 30 15\n"
        "  =#W\n"
        "  .-=\n"
        "end\n"
        "place gem 100 200 lasers\n");
    EXPECT_EQ(level.number, 3);
    EXPECT_EQ(level.title, "Test");
    ASSERT_EQ(level.blocks.size(), 5u);
    const int expected[5][4] = {{15, 40, 1, -1}, {45, 40, 0, -1}, {75, 40, 1, 5}, {75, 55, 1, -1}, {100, 200, 7, 11}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(level.blocks[i].x, expected[i][0]) << i;
        EXPECT_EQ(level.blocks[i].y, expected[i][1]) << i;
        EXPECT_EQ(level.blocks[i].kind, expected[i][2]) << i;
        EXPECT_EQ(level.blocks[i].powerUp, expected[i][3]) << i;
    }
}

TEST(LevelSource, AKeyInsideALevelStaysInThatLevel) {
    std::string error;
    std::vector<LevelSource> levels =
        Parse("level 1 \"A\"\nkey Z gem life\ngrid 0 0 30 30\nZ\nend\nlevel 2 \"B\"\ngrid 0 0 30 30\nZ\nend\n", &error);
    EXPECT_NE(error.find("test.lvl:8"), std::string::npos) << error;
    EXPECT_NE(error.find("unknown symbol 'Z'"), std::string::npos) << error;
}

TEST(LevelSource, MistakesNameTheirLine) {
    std::string error;
    Parse("level 1 \"A\"\nplace brick 1 2 flying\n", &error);
    EXPECT_EQ(error, "test.lvl:2: unknown power-up flying");
    Parse("level 1 \"A\"\ngrid 0 0 30 15\n==\n", &error);
    EXPECT_NE(error.find("grid without end"), std::string::npos);
    Parse("level 100 \"A\"\n", &error);
    EXPECT_EQ(error, "test.lvl:1: bad level number");
    Parse("level 4 untitled\n", &error);
    EXPECT_NE(error.find("title"), std::string::npos);
    Parse("grid 0 0 30 15\nend\n", &error);
    EXPECT_NE(error.find("outside a level"), std::string::npos);
    Parse("level 1 \"A\"\nplace boulder 1 2\n", &error);
    EXPECT_NE(error.find("unknown shape boulder"), std::string::npos);
}

TEST(LevelSource, CompilesToTwelveByteLittleEndianRecords) {
    LevelSource level = One("level 0 \"A\"\nplace brick 60 45 lasers\nplace steel 300 258\n");
    const std::vector<uint8_t> expected = {0x3C, 0, 0x2D, 0, 1, 30, 15, 0, 0, 0, 12, 0,
                                           0x2C, 1, 0x02, 1, 0, 30, 15, 0, 0, 0, 0,  0};
    EXPECT_EQ(CompileLevel(level), expected);
}

TEST(BlockShapes, EverySizeAndPlaceSurvivesTheSetFileUnits) {
    for (int k = 0; k < kBlockShapeCount; ++k) {
        BlockPlace at = BlockShapePlace(k);
        for (int pixels : {kBlockShapes[k].width, kBlockShapes[k].height, at.x, at.y})
            EXPECT_EQ(ToSetUnits(pixels) * 3 / 2, pixels) << "shape " << k;
        EXPECT_LE(ToSetUnits(kBlockShapes[k].width), 85);
    }
}

TEST(LevelChecks, ASoundLevelPasses) {
    LevelSource level = One("level 0 \"A\"\ngrid 15 40 30 15\n#=========\n==========\nend\n");
    EXPECT_TRUE(CheckLevel(OpenWorld(), level).empty());
}

TEST(LevelChecks, BlocksThePrunesWouldDropAreCaught) {
    WorldView world = OpenWorld();
    // Too deep; inside the left wall; 30 rows above the sand heap.
    for (const char* place : {"place brick 240 381", "place brick 5 100", "place brick 20 340"}) {
        LevelSource level = One(std::string("level 0 \"A\"\nplace brick 150 40\n") + place + "\n");
        std::vector<std::string> problems = CheckLevel(world, level);
        EXPECT_FALSE(problems.empty()) << place;
        EXPECT_TRUE(Mentions(problems, "block 1")) << place;
    }
    EXPECT_TRUE(CheckLevel(world, One("level 0 \"A\"\nplace brick 240 380\n")).empty());
    EXPECT_TRUE(CheckLevel(world, One("level 0 \"A\"\nplace brick 20 325\n")).empty());
}

TEST(LevelChecks, OverlapsEmptyLevelsAndABlockedServeAreCaught) {
    WorldView world = OpenWorld();
    EXPECT_TRUE(Mentions(CheckLevel(world, One("level 0 \"A\"\nplace brick 100 40\nplace tile 120 50\n")), "overlaps"));
    EXPECT_TRUE(Mentions(CheckLevel(world, One("level 0 \"A\"\nplace steel 100 40\n")), "no destructible"));
    EXPECT_TRUE(Mentions(CheckLevel(world, One("level 0 \"A\"\nplace brick 150 290\n")), "serve area"));
    world.map[300 * 330 + 150] = kBlue;
    EXPECT_TRUE(Mentions(CheckLevel(world, One("level 0 \"A\"\nplace brick 150 40\n")), "serve area is not free"));
}

TEST(LevelChecks, SteelThatSealsABrickInMakesItUnreachable) {
    WorldView world = OpenWorld();
    // A brick in a steel box: nothing gets in.
    LevelSource boxed = One("level 0 \"A\"\ngrid 100 40 30 15\n###\n#=#\n###\nend\nplace brick 200 40\n");
    std::vector<int> unreachable = UnreachableBlocks(world, boxed);
    ASSERT_EQ(unreachable.size(), 1u);
    EXPECT_EQ(boxed.blocks[unreachable[0]].x, 130);
    // With a brick instead of the bottom steel, the ball breaks in.
    LevelSource door = One("level 0 \"A\"\ngrid 100 40 30 15\n###\n#=#\n#=#\nend\n");
    EXPECT_TRUE(UnreachableBlocks(world, door).empty());
}

TEST(LevelChecks, AGapNarrowerThanTheBallSealsAShelf) {
    // A wall from side to side under a brick, with one gap of 6 or of 15 pixels.
    auto shelf = [](int gap) {
        WorldView world = OpenWorld();
        for (int y = 60; y < 75; ++y)
            for (int x = 10; x < 320; ++x)
                if (x < 160 || x >= 160 + gap) world.map[y * 330 + x] = kBlue;
        return world;
    };
    LevelSource level = One("level 0 \"A\"\nplace brick 150 20\n");
    EXPECT_EQ(UnreachableBlocks(shelf(6), level).size(), 1u);
    EXPECT_TRUE(UnreachableBlocks(shelf(15), level).empty());
}

class ShippedLevels : public ::testing::Test {
protected:
    void SetUp() override {
        SetBaseFolder(ZAPBRIK_BUILD_DIR);
        std::string error;
        ASSERT_TRUE(ReadLevelSources(ZAPBRIK_ASSET_SOURCES "/levels", levels, error)) << error;
    }
    std::vector<LevelSource> levels;
};

TEST_F(ShippedLevels, EveryLevelKeepsTheRulesAndLoadsWhole) {
    WorldView views[5];
    for (int world = 1; world <= 5; ++world) LoadWorldView(world, views[world - 1]);
    for (const LevelSource& level : levels) {
        std::vector<std::string> problems = CheckLevel(views[WorldOfLevel(level.number) - 1], level);
        for (const std::string& p : CheckLevelLoads(level)) problems.push_back(p);
        EXPECT_TRUE(problems.empty()) << "level " << level.number << ": " << problems.front();
    }
}

TEST_F(ShippedLevels, AllThumbnailsBuild) { EXPECT_TRUE(EmptyThumbnails("").empty()); }

TEST_F(ShippedLevels, BlockSetsReadBackAsDesigned) {
    for (int world = 1; world <= 5; ++world) {
        std::vector<std::string> problems = CheckBlockSetLoads(world);
        EXPECT_TRUE(problems.empty()) << "set " << world << ": " << problems.front();
    }
}

TEST_F(ShippedLevels, CollisionMapsHoldOnlyWallsSandAndSpaceAndAreClosed) {
    for (int world = 1; world <= 5; ++world) {
        WorldView view;
        LoadWorldView(world, view);
        ASSERT_EQ(view.width, 330);
        ASSERT_EQ(view.height, 440);
        int strays = 0, openSides = 0, floorWalls = 0;
        for (int y = 0; y < 440; ++y)
            for (int x = 0; x < 330; ++x) {
                // Pure blue is a wall and pure green sand, whatever the gamma.
                uint16_t p = view.at(x, y);
                bool wall = p != 0 && (p & ~31) == 0, sand = p != 0 && (p & ~(31 << 6)) == 0;
                strays += !(p == 0 || wall || sand);
                // Walls at least 8 thick on the left, top and right.
                openSides += (x < 8 || x >= 322 || y < 8) && !wall;
                floorWalls += y == 439 && x >= 15 && x < 315 && wall;
            }
        EXPECT_EQ(strays, 0) << "set " << world;
        EXPECT_EQ(openSides, 0) << "set " << world;
        EXPECT_EQ(floorWalls, 0) << "set " << world;
    }
}

TEST_F(ShippedLevels, TheSecondRoundOfEachWorldHoldsMoreSteel) {
    for (int world = 0; world < 5; ++world) {
        int first = 0, second = 0;
        for (int i = 0; i < 10; ++i) {
            for (const PlacedBlock& b : levels[world * 10 + i].blocks) first += b.kind == 0;
            for (const PlacedBlock& b : levels[50 + world * 10 + i].blocks) second += b.kind == 0;
        }
        EXPECT_GT(second, first) << "world " << world + 1;
    }
}

// The load check on files the test writes beside a copy of the shipped set 1.
class LoadCheck : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir.path + "Data");
        for (const char* name : {"scheme1.png", "scheme1v.png", "blocks1.png", "blocks1.txt"})
            std::filesystem::copy_file(std::string(ZAPBRIK_BUILD_DIR) + "/Data/" + name, dir.path + "Data/" + name);
        SetBaseFolder(dir.path);
    }
    void TearDown() override { SetBaseFolder(ZAPBRIK_BUILD_DIR); }
    std::vector<std::string> Check(const LevelSource& level) {
        std::vector<uint8_t> bytes = CompileLevel(level);
        WriteFile(dir.path + "Data/level0.dat", bytes);
        return CheckLevelLoads(level);
    }
    TempDir dir;
};

TEST_F(LoadCheck, ASoundLevelLoadsWhole) {
    EXPECT_TRUE(Check(One("level 0 \"A\"\nplace brick 100 40\nplace steel 200 40\n")).empty());
}

TEST_F(LoadCheck, BlocksThePrunesDropAreCounted) {
    // One inside the left wall, one below the depth limit.
    std::vector<std::string> problems =
        Check(One("level 0 \"A\"\nplace brick 100 40\nplace brick 2 40\nplace brick 150 390\n"));
    EXPECT_TRUE(Mentions(problems, "2 blocks lost to the prunes"));
}

TEST_F(LoadCheck, ALoggedWarningIsAProblem) {
    std::string text = "level 0 \"A\"\n";
    for (int i = 0; i < 1001; ++i)
        text += "place pebble " + std::to_string(20 + (i % 40) * 7) + " " + std::to_string(30 + (i / 40) * 8) + "\n";
    EXPECT_TRUE(Mentions(Check(One(text)), "warning"));
}

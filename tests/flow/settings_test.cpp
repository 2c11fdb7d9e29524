#include "game/flow/settings.h"

#include <gtest/gtest.h>

#include "flow/data_folder_test.h"
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "game/game_state.h"
#include "shell/log.h"
#include "shell/paths.h"
#include "sound/mixer.h"
#include "test_support.h"

namespace {
int32_t At(const std::vector<uint8_t>& b, size_t offset) {
    return static_cast<int32_t>(b[offset] | b[offset + 1] << 8 | b[offset + 2] << 16 |
                                static_cast<uint32_t>(b[offset + 3]) << 24);
}
void PutAt(std::vector<uint8_t>& b, size_t offset, int32_t value) {
    for (int i = 0; i < 4; ++i) b[offset + i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
}

class SettingsTest : public DataFolderTest {
protected:
    std::string SettingsPath() { return dir.path + "Data/settings.dat"; }
    std::string Log() { return ReadText(dir.path + "log.txt"); }

    // A valid record: what SaveSettings writes for the default state.
    std::vector<uint8_t> DefaultRecord() {
        EXPECT_EQ(SaveSettings(), 1);
        return ReadFile(SettingsPath());
    }
};
}  // namespace

TEST_F(SettingsTest, DefaultsAreTheArrowKeysEasyHintsOnAndLoudEffects) {
    EXPECT_EQ(keyBindings[BindUp], 0x26);
    EXPECT_EQ(keyBindings[BindEscape], 0x1B);
    EXPECT_EQ(difficulty, 1);
    EXPECT_EQ(hintsEnabled, 1);
    EXPECT_EQ(getVolume(0), 255);
    EXPECT_EQ(getVolume(1), 220);
    EXPECT_EQ(musicVolume, 220);
}

TEST_F(SettingsTest, SaveWritesTheLittleEndianRecordAndLoadRestoresIt) {
    keyBindings[BindLeft] = 0x41;
    difficulty = 3;
    hintsEnabled = 0;
    setVolume(0, 100);
    setVolume(1, 17);
    levelProgress[0][0] = 1;
    levelProgress[2][57] = 1;
    levelProgress[3][99] = -2;
    ASSERT_EQ(SaveSettings(), 1);

    const std::vector<uint8_t> b = ReadFile(SettingsPath());
    ASSERT_EQ(b.size(), 1636u);
    EXPECT_EQ(At(b, 0), 0x26);
    EXPECT_EQ(At(b, 8), 0x41);
    EXPECT_EQ(At(b, 16), 0x1B);
    EXPECT_EQ(At(b, 20), 3);
    EXPECT_EQ(At(b, 24), 100);
    EXPECT_EQ(At(b, 28), 17);
    EXPECT_EQ(At(b, 32), 0);
    EXPECT_EQ(At(b, 36), 1);
    EXPECT_EQ(At(b, 36 + 4 * (200 + 57)), 1);
    EXPECT_EQ(At(b, 1632), -2);
    EXPECT_EQ(b[1632], 0xFE);

    ResetGameState();
    SetDefaultSettings();
    ASSERT_EQ(LoadSettings(), 1);
    EXPECT_EQ(keyBindings[BindLeft], 0x41);
    EXPECT_EQ(difficulty, 3);
    EXPECT_EQ(hintsEnabled, 0);
    EXPECT_EQ(getVolume(0), 100);
    EXPECT_EQ(getVolume(1), 17);
    EXPECT_EQ(musicVolume, 17);
    EXPECT_EQ(levelProgress[0][0], 1);
    EXPECT_EQ(levelProgress[2][57], 1);
    EXPECT_EQ(levelProgress[3][99], -2);
    EXPECT_EQ(levelProgress[1][0], 0);
}

TEST_F(SettingsTest, FilesOfAnotherSizeAreIgnoredWhole) {
    std::vector<uint8_t> record = DefaultRecord();
    PutAt(record, 20, 4);
    for (size_t size : {1635u, 1637u, 0u}) {
        SCOPED_TRACE(size);
        std::vector<uint8_t> bytes = record;
        bytes.resize(size, 0);
        WriteFile(SettingsPath(), bytes);
        OpenLogFile(dir.path + "log.txt");
        EXPECT_EQ(LoadSettings(), 0);
        EXPECT_EQ(difficulty, 1);
        EXPECT_NE(Log().find("[WARNING] Settings size mismatch.  Loading defaults.\n"), std::string::npos);
    }
}

TEST_F(SettingsTest, MissingFileIsNotASizeMismatch) {
    EXPECT_EQ(LoadSettings(), 0);
    EXPECT_EQ(Log().find("mismatch"), std::string::npos);
}

TEST_F(SettingsTest, StoredValuesAreBroughtIntoRange) {
    std::vector<uint8_t> record = DefaultRecord();
    PutAt(record, 20, 9);    // difficulty
    PutAt(record, 24, 300);  // effects volume
    PutAt(record, 28, -40);  // music volume
    PutAt(record, 32, 7);    // hints: any non-zero is on
    PutAt(record, 12, 0x1234);  // key codes are kept as they are
    WriteFile(SettingsPath(), record);
    ASSERT_EQ(LoadSettings(), 1);
    EXPECT_EQ(difficulty, 1);
    EXPECT_NE(Log().find("[WARNING]"), std::string::npos);
    EXPECT_EQ(getVolume(0), 255);
    EXPECT_EQ(getVolume(1), 0);
    EXPECT_EQ(musicVolume, 0);
    EXPECT_EQ(hintsEnabled, 1);
    EXPECT_EQ(keyBindings[BindRight], 0x1234);
}

// A save that cannot be completed (here: the file size limit stops the write
// part-way) leaves the previous file exactly as it was and reports failure.
TEST_F(SettingsTest, FailedSaveKeepsTheOldFileByteForByte) {
    difficulty = 2;
    ASSERT_EQ(SaveSettings(), 1);
    const std::vector<uint8_t> before = ReadFile(SettingsPath());

    difficulty = 4;
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int result = SaveSettings();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadFile(SettingsPath()), before);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path + "Data")) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1);  // no temporary file left behind
}

TEST_F(SettingsTest, PlayersCopyComesFirstAndSavesGoThere) {
    std::vector<uint8_t> shipped = DefaultRecord();  // now in Data/
    SetPlayerFolder(dir.path + "player");
    PutAt(shipped, 20, 2);
    WriteFile(SettingsPath(), shipped);
    ASSERT_EQ(LoadSettings(), 1);
    EXPECT_EQ(difficulty, 2);
    difficulty = 3;
    ASSERT_EQ(SaveSettings(), 1);
    EXPECT_EQ(At(ReadFile(dir.path + "player/settings.dat"), 20), 3);
    EXPECT_EQ(At(ReadFile(SettingsPath()), 20), 2);  // the shipped file is never written
    difficulty = 1;
    ASSERT_EQ(LoadSettings(), 1);
    EXPECT_EQ(difficulty, 3);
}

TEST_F(SettingsTest, SaveWhereNoFolderCanBeMadeFails) {
    WriteText(dir.path + "file", "");
    SetPlayerFolder(dir.path + "file/below");
    EXPECT_EQ(SaveSettings(), 0);
}

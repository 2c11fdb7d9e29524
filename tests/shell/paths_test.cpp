// Where files are looked for and written: the player's folder first, then the
// shipped Data/.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include "shell/paths.h"
#include "test_support.h"

namespace {
struct PathsTest : ::testing::Test {
    TempDir dir;
    std::string saved = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    void SetUp() override {
        SetBaseFolder(dir.path + "game");
        MakeFolders(dir.path + "game/Data");
        setenv("XDG_DATA_HOME", (dir.path + "xdg").c_str(), 1);
        SetPlayerFolder("");
    }
    void TearDown() override {
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
        SetBaseFolder(".");
    }
};

TEST_F(PathsTest, ThePlayersCopyShadowsTheShippedFile) {
    EXPECT_EQ(PlayerFolder(), dir.path + "xdg/zapbrik/");
    WriteText(dir.path + "game/Data/level3.dat", "shipped");
    EXPECT_EQ(PlayerFileForReading("level3.dat"), dir.path + "game/Data/level3.dat");
    std::string own = PlayerFileForWriting("level3.dat");  // makes the folder on first use
    EXPECT_EQ(own, dir.path + "xdg/zapbrik/level3.dat");
    WriteText(own, "edited");
    EXPECT_EQ(ReadText(PlayerFileForReading("level3.dat")), "edited");
    EXPECT_EQ(ReadText(dir.path + "game/Data/level3.dat"), "shipped");  // never written to
}

TEST_F(PathsTest, DataOptionKeepsEverythingInOneFolderAndDefaultsUseHome) {
    SetPlayerFolder(dataFolder);
    EXPECT_EQ(PlayerFileForWriting("settings.dat"), dir.path + "game/Data/settings.dat");
    SetPlayerFolder("");
    unsetenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(PlayerFolder(), std::string(home) + "/.local/share/zapbrik/");
    setenv("XDG_DATA_HOME", "relative/is/ignored", 1);
    EXPECT_EQ(PlayerFolder(), std::string(home) + "/.local/share/zapbrik/");
}

TEST_F(PathsTest, ScreenshotsGoToThePicturesFolderTheDesktopNames) {
    const std::string savedHome = std::getenv("HOME");
    setenv("HOME", (dir.path + "home").c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("XDG_PICTURES_DIR");
    EXPECT_EQ(ScreenshotFolder(), dir.path + "home/Pictures/Zapbrik/");
    MakeFolders(dir.path + "home/.config");
    WriteText(dir.path + "home/.config/user-dirs.dirs", "# written by the desktop\nXDG_DESKTOP_DIR=\"$HOME/Desk\"\n"
                                                         "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
    EXPECT_EQ(ScreenshotFolder(), dir.path + "home/Bilder/Zapbrik/");
    setenv("XDG_PICTURES_DIR", "/elsewhere", 1);
    EXPECT_EQ(ScreenshotFolder(), "/elsewhere/Zapbrik/") << "the environment comes first";
    unsetenv("XDG_PICTURES_DIR");
    setenv("HOME", savedHome.c_str(), 1);
}

TEST_F(PathsTest, AnUnwritablePlayerFolderStillGivesAPath) {
    WriteText(dir.path + "blocker", "a file where the folder should be");
    SetPlayerFolder(dir.path + "blocker/zapbrik");
    EXPECT_EQ(PlayerFileForWriting("settings.dat"), dir.path + "blocker/zapbrik/settings.dat");
    EXPECT_FALSE(MakeFolders(dir.path + "blocker/zapbrik"));
    SetPlayerFolder("");
}
TEST_F(PathsTest, TheShippedFilesAreFoundBesideTheExecutableOrInItsShareFolder) {
    MakeFolders(dir.path + "prefix/bin");
    EXPECT_EQ(BaseFolderBeside(dir.path + "prefix/bin"), dir.path + "prefix/bin/") << "nothing anywhere";
    MakeFolders(dir.path + "prefix/share/zapbrik/Data");
    EXPECT_EQ(BaseFolderBeside(dir.path + "prefix/bin/"), dir.path + "prefix/bin/../share/zapbrik/") << "installed";
    MakeFolders(dir.path + "prefix/bin/Data");
    EXPECT_EQ(BaseFolderBeside(dir.path + "prefix/bin"), dir.path + "prefix/bin/") << "a build: Data/ beside it wins";
    MakeFolders(dir.path + "usr/games");
    MakeFolders(dir.path + "usr/share/games/zapbrik/Data");
    EXPECT_EQ(BaseFolderBeside(dir.path + "usr/games"), dir.path + "usr/games/../share/games/zapbrik/")
        << "installed among the games";
    WriteText(dir.path + "odd/Data", "a file, not a folder");
    EXPECT_EQ(BaseFolderBeside(dir.path + "odd"), dir.path + "odd/");
}
}  // namespace

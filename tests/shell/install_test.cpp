// The installed game: `cmake --install` into a temporary prefix puts every file
// where the desktop looks for it, the desktop entry and the AppStream file
// validate, and the game started from some other folder finds its shipped files
// beside its executable while writing the player's files only to XDG_DATA_HOME.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "game/game_state.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {
int Shell(const std::string& command) {
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Every file under folder with its size and modification time.
std::map<std::string, std::string> Listing(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        std::string facts = entry.is_regular_file() ? std::to_string(entry.file_size()) : "folder";
        facts += " " + std::to_string(entry.last_write_time().time_since_epoch().count());
        files[entry.path().string()] = facts;
    }
    return files;
}

// One install shared by the tests of this file: installing copies the whole of
// Data/ and Sound/, so it is done once.
struct Installed : ::testing::Test {
    static TempDir* root;
    static std::string prefix;
    static void SetUpTestSuite() {
        root = new TempDir;
        prefix = root->path + "prefix";
        ASSERT_EQ(Shell(std::string(ZAPBRIK_CMAKE) + " --install " + ZAPBRIK_BUILD_DIR + " --prefix " + prefix +
                        " > " + root->path + "install.log"),
                  0)
            << ReadText(root->path + "install.log");
    }
    static void TearDownTestSuite() {
        delete root;
        root = nullptr;
    }

    TempDir run;
    // Starts the installed game headless from run/elsewhere with a fresh HOME and
    // the given XDG_DATA_HOME; returns the exit status, stderr in err.
    int Start(const std::string& xdgData, const std::string& script, std::string& err,
              const std::string& options = "") {
        fs::create_directories(run.path + "elsewhere");
        fs::create_directories(run.path + "home");
        WriteText(run.path + "script.txt", script);
        const std::string command = "cd " + run.path + "elsewhere && env HOME=" + run.path + "home XDG_DATA_HOME=" +
                                    xdgData + " XDG_STATE_HOME=" + run.path + "state XDG_PICTURES_DIR=" + run.path +
                                    "pictures " + prefix + "/bin/zapbrik --headless --verbose --ticks 400 --script " +
                                    run.path + "script.txt " + options + " 2> " + run.path + "stderr.txt";
        const int code = Shell(command);
        err = ReadText(run.path + "stderr.txt");
        return code;
    }
};
TempDir* Installed::root = nullptr;
std::string Installed::prefix;

// Clicks through both splash screens to the main menu, which saves the settings.
const char* const kToTheMenu =
    "120 mouse down left 320 240\n121 mouse up left 320 240\n"
    "200 mouse down left 320 240\n201 mouse up left 320 240\n";

TEST_F(Installed, EveryFileIsWhereTheDesktopLooksForIt) {
    for (const char* file : {"bin/zapbrik", "share/zapbrik/Data/titleBack.png", "share/zapbrik/Data/level1.dat",
                             "share/applications/org.zapbrik.Zapbrik.desktop",
                             "share/metainfo/org.zapbrik.Zapbrik.metainfo.xml", "share/man/man6/zapbrik.6",
                             "share/icons/hicolor/scalable/apps/org.zapbrik.Zapbrik.svg"})
        EXPECT_TRUE(fs::is_regular_file(prefix + "/" + file)) << file;
    for (int size : {32, 48, 64, 128, 256}) {
        const std::string icon = prefix + "/share/icons/hicolor/" + std::to_string(size) + "x" +
                                 std::to_string(size) + "/apps/org.zapbrik.Zapbrik.png";
        std::vector<uint8_t> png = ReadFile(icon);
        ASSERT_GT(png.size(), 24u) << icon;
        // The IHDR width and height, then 8-bit RGBA (colour type 6).
        EXPECT_EQ((png[16] << 24 | png[17] << 16 | png[18] << 8 | png[19]), size) << icon;
        EXPECT_EQ((png[20] << 24 | png[21] << 16 | png[22] << 8 | png[23]), size) << icon;
        EXPECT_EQ(png[25], 6) << icon;
    }
    EXPECT_FALSE(fs::is_empty(prefix + "/share/zapbrik/Sound"));
    // A player's files left in the build's Data/ by a run with --data are not shipped.
    for (const char* players : {"settings.dat", "Zapbrik1.dat", "Zapbrik4.dat"})
        EXPECT_FALSE(fs::exists(prefix + "/share/zapbrik/Data/" + players)) << players;
    EXPECT_EQ(fs::status(prefix + "/bin/zapbrik").permissions() & fs::perms::owner_exec, fs::perms::owner_exec);
}

TEST_F(Installed, DesktopEntryAndAppStreamFileValidate) {
    const std::string log = root->path + "validate.log";
    EXPECT_EQ(Shell("desktop-file-validate " + prefix + "/share/applications/org.zapbrik.Zapbrik.desktop > " + log +
                    " 2>&1"),
              0)
        << ReadText(log);
    EXPECT_EQ(Shell("appstreamcli validate --no-net " + prefix + "/share/metainfo/org.zapbrik.Zapbrik.metainfo.xml > " +
                    log + " 2>&1"),
              0)
        << ReadText(log);
    const std::string entry = ReadText(prefix + "/share/applications/org.zapbrik.Zapbrik.desktop");
    EXPECT_NE(entry.find("\nExec=zapbrik\n"), std::string::npos);
    EXPECT_NE(entry.find("\nIcon=org.zapbrik.Zapbrik\n"), std::string::npos);
    EXPECT_NE(entry.find("\nCategories=Game;ArcadeGame;\n"), std::string::npos);
}

TEST_F(Installed, AppStreamFileListsTheScreenshotsOnlyWhenTheirAddressIsGiven) {
    const std::string installed = ReadText(prefix + "/share/metainfo/org.zapbrik.Zapbrik.metainfo.xml");
    EXPECT_EQ(installed.find("<screenshot"), std::string::npos);
    EXPECT_EQ(installed.find("http"), std::string::npos);
    const std::string made = root->path + "with-screenshots.metainfo.xml", log = root->path + "metainfo.log";
    ASSERT_EQ(Shell(std::string(ZAPBRIK_CMAKE) + " -DZAPBRIK_SCREENSHOTS_URL=https://example.com/zapbrik/ " +
                    "-DZAPBRIK_METAINFO_OUT=" + made + " -P " + ZAPBRIK_METAINFO_SCRIPT + " > " + log + " 2>&1"),
              0)
        << ReadText(log);
    EXPECT_EQ(Shell("appstreamcli validate --no-net " + made + " > " + log + " 2>&1"), 0) << ReadText(log);
    const std::string text = ReadText(made);
    for (const char* picture : {"play", "world", "menu", "choose-level", "options"}) {
        EXPECT_NE(text.find(std::string("<image>https://example.com/zapbrik/") + picture + ".png</image>"),
                  std::string::npos)
            << picture;
        EXPECT_TRUE(fs::exists(std::string(ZAPBRIK_ASSET_SOURCES) + "/../docs/screenshots/" + picture + ".png"))
            << picture;
    }
}

TEST_F(Installed, StartedElsewhereItFindsItsDataAndWritesOnlyToThePlayersFolder) {
    const auto before = Listing(prefix);
    std::string err;
    ASSERT_EQ(Start(run.path + "xdg", std::string(kToTheMenu) + "350 dump " + run.path + "menu.txt\n", err), 0)
        << err;
    EXPECT_EQ(err.find("[message box]"), std::string::npos) << err;  // no "File Not Found"
    EXPECT_EQ(ReadText(run.path + "menu.txt").rfind(ModeLine(ModeMainMenu), 0), 0u) << "reached the main menu";
    EXPECT_TRUE(fs::is_regular_file(run.path + "xdg/zapbrik/settings.dat"));
    EXPECT_EQ(Listing(prefix), before) << "the installed files were written to";
    EXPECT_TRUE(fs::is_empty(run.path + "elsewhere")) << "the working folder was written to";
}

TEST_F(Installed, AnUnusablePlayersFolderGivesAWarningAndTheGameRuns) {
    WriteText(run.path + "not-a-folder", "a file where the player's folder would be made");
    std::string err;
    ASSERT_EQ(Start(run.path + "not-a-folder", std::string(kToTheMenu) + "350 dump " + run.path + "menu.txt\n", err), 0)
        << err;
    EXPECT_NE(err.find("[WARNING] Unable to make the folder " + run.path + "not-a-folder/zapbrik/"),
              std::string::npos)
        << err;
    EXPECT_EQ(ReadText(run.path + "menu.txt").rfind(ModeLine(ModeMainMenu), 0), 0u) << "the game went on";
}
TEST_F(Installed, ConvertedLevelsGoToThePlayersFolderAndAreReadFromThere) {
    const auto before = Listing(prefix);
    std::string err;
    ASSERT_EQ(Start(run.path + "xdg", "", err, "--convert-levels"), 0) << err;
    EXPECT_EQ(Listing(prefix), before) << "the installed files were written to";
    for (int level : {0, 1, 99}) {
        const std::string own = run.path + "xdg/zapbrik/level" + std::to_string(level) + ".dat";
        ASSERT_TRUE(fs::is_regular_file(own)) << own;
    }
    // The player's copy of level 1 now shadows the shipped one: an overlong copy
    // is what the game reads, and it says so.
    WriteText(run.path + "xdg/zapbrik/level1.dat", std::string(1 << 20, '\0'));
    ASSERT_EQ(Start(run.path + "xdg", "", err, "--convert-levels"), 0) << err;
    EXPECT_NE(err.find("level1.dat is longer than"), std::string::npos) << err;
    EXPECT_EQ(err.find("level2.dat is longer than"), std::string::npos) << err;
}
}  // namespace

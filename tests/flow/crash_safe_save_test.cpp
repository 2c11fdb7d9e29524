// Saves survive the worst: the process killed part-way through a save, a disk
// that is full, and a data folder the game may not write to.
#include <gtest/gtest.h>

#include "flow/data_folder_test.h"
#include <pwd.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>

#include "flow_run.h"
#include "game/game_state.h"
#include "game/flow/high_score_table.h"
#include "game/flow/settings.h"
#include "game/play/level.h"
#include "shell/log.h"
#include "shell/paths.h"
#include "test_support.h"

namespace {
constexpr int kKillsPerSave = 200;

class CrashSafeSave : public DataFolderTest {
protected:

    // Forks a child that saves in a loop, kills it with SIGKILL at a random moment
    // and hands the file on disk to check, kKillsPerSave times. The child saves
    // version i % 2 on its i-th save; the caller has saved version 0 beforehand.
    // Returns how many kills found the file as it was before any save of the
    // child (the first save still under way) and how many found a later one.
    std::pair<int, int> KillDuringSaves(const std::string& path, const std::function<void(int)>& save,
                                        const std::function<bool(const std::vector<uint8_t>&, bool&)>& whole) {
        std::mt19937 random(14);
        int first = 0, later = 0;
        for (int kill = 0; kill < kKillsPerSave; ++kill) {
            int ready[2];
            if (pipe(ready) != 0) ADD_FAILURE() << "pipe";
            const pid_t child = fork();
            if (child == 0) {
                close(ready[0]);
                if (write(ready[1], "r", 1) != 1) _exit(3);
                for (int i = 1;; ++i) save(i);
            }
            close(ready[1]);
            char byte;
            EXPECT_EQ(read(ready[0], &byte, 1), 1);
            close(ready[0]);
            usleep(random() % 3000);
            ::kill(child, SIGKILL);
            int status = 0;
            waitpid(child, &status, 0);
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
            bool old = false;
            const std::vector<uint8_t> bytes = ReadFile(path);
            EXPECT_TRUE(whole(bytes, old)) << "kill " << kill << " left " << bytes.size() << " bytes";
            (old ? first : later)++;
            save(0);  // the next round starts from the old version again
        }
        EXPECT_GT(later, 0) << "no kill came after a save had finished: the child never saved";
        return {first, later};
    }
};

void SettingsVersion(int i) {
    difficulty = i % 2 ? 3 : 1;
    for (int d = 0; d < kDifficulties; ++d)
        for (int l = 0; l < levelCount; ++l) levelProgress[d][l] = i % 2;
    if (SaveSettings() != 1) _exit(4);
}

void LevelVersion(int i) {
    // 900 blocks against 400 of another pattern: the new file is twice the old.
    levelBlockCount = i % 2 ? 900 : 400;
    for (int k = 0; k < levelBlockCount; ++k)
        levelBlocks[k] = LevelBlock{static_cast<uint16_t>(k), static_cast<uint16_t>(i % 2), 1, 10, 5, {}, 0};
    if (!SaveLevel(7)) _exit(4);
}
}  // namespace

TEST_F(CrashSafeSave, KilledSettingsSaveLeavesTheOldOrTheNewRecord) {
    SettingsVersion(1);
    const std::vector<uint8_t> newer = ReadFile(dir.path + "Data/settings.dat");
    SettingsVersion(0);
    const std::vector<uint8_t> older = ReadFile(dir.path + "Data/settings.dat");
    ASSERT_NE(older, newer);
    auto [old, later] = KillDuringSaves(dir.path + "Data/settings.dat", SettingsVersion,
                                        [&](const std::vector<uint8_t>& bytes, bool& isOld) {
                                            isOld = bytes == older;
                                            return isOld || bytes == newer;
                                        });
    std::printf("settings: %d kills, %d found the old record, %d a new save\n", kKillsPerSave, old, later);
}

TEST_F(CrashSafeSave, KilledLevelSaveLeavesTheOldOrTheNewLevel) {
    LevelVersion(1);
    const std::vector<uint8_t> newer = ReadFile(dir.path + "Data/level7.dat");
    LevelVersion(0);
    const std::vector<uint8_t> older = ReadFile(dir.path + "Data/level7.dat");
    ASSERT_EQ(newer.size(), 900u * 12);
    auto [old, later] = KillDuringSaves(dir.path + "Data/level7.dat", LevelVersion,
                                        [&](const std::vector<uint8_t>& bytes, bool& isOld) {
                                            isOld = bytes == older;
                                            return isOld || bytes == newer;
                                        });
    std::printf("level: %d kills, %d found the old file, %d a new save\n", kKillsPerSave, old, later);
}

TEST_F(CrashSafeSave, KilledHighScoreSaveLeavesAWholeTable) {
    // Every save puts a higher score on top, so a whole table is rows of
    // consecutive scores from the top down, then the rows of dots.
    auto save = [](int i) {
        if (i == 0) {
            std::remove((dataFolder + HighScoreFileName(2)).c_str());
            LoadHighScores(2);  // a fresh table of dots
        } else if (!InsertHighScore("KILL", 1000 + i, 2)) {
            _exit(4);
        }
    };
    save(0);
    auto [old, later] =
        KillDuringSaves(dir.path + "Data/" + HighScoreFileName(2), save, [](const std::vector<uint8_t>& bytes, bool& isOld) {
            if (bytes.size() != static_cast<size_t>(kHighScoreFileChars)) return false;
            std::memcpy(highScoreTable, bytes.data(), bytes.size());
            isOld = bytes == std::vector<uint8_t>(bytes.size(), '.');
            int32_t top = HighScoreRowScore(0);
            for (int row = 0; row < kHighScoreRows; ++row) {
                const bool dots = std::string(highScoreTable + row * 20, 20) == std::string(20, '.');
                const bool entry = std::string(highScoreTable + row * 20, 12) == "KILL........" &&
                                   HighScoreRowScore(row) == top - row;
                if (!dots && !entry) return false;
            }
            return true;
        });
    std::printf("high scores: %d kills, %d found the old table, %d a new save\n", kKillsPerSave, old, later);
}

TEST_F(CrashSafeSave, FullDiskFailsEverySaveAndKeepsTheOldFiles) {
    SettingsVersion(0);
    LevelVersion(0);
    ASSERT_TRUE(InsertHighScore("OLD", 500, 1));
    const std::vector<uint8_t> settings = ReadFile(dir.path + "Data/settings.dat");
    const std::vector<uint8_t> level = ReadFile(dir.path + "Data/level7.dat");
    const std::vector<uint8_t> scores = ReadFile(dir.path + "Data/" + HighScoreFileName(1));

    // In a child, so the file size limit stays there.
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small{};
        getrlimit(RLIMIT_FSIZE, &small);
        small.rlim_cur = 100;
        if (setrlimit(RLIMIT_FSIZE, &small) != 0) _exit(5);
        difficulty = 2;
        int failures = SaveSettings() == 0;
        levelBlockCount = 20;  // 240 bytes
        failures += !SaveLevel(7);
        failures += !InsertHighScore("NEW", 900, 1);
        _exit(failures);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3) << "every save reports its failure";
    EXPECT_EQ(ReadFile(dir.path + "Data/settings.dat"), settings);
    EXPECT_EQ(ReadFile(dir.path + "Data/level7.dat"), level);
    EXPECT_EQ(ReadFile(dir.path + "Data/" + HighScoreFileName(1)), scores);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path + "Data")) files += entry.is_regular_file();
    EXPECT_EQ(files, 3) << "no temporary file is left behind";
}

namespace {
// Runs the game binary with the arguments, as "nobody" when we are root, so the
// folder's read-only bits count; returns the exit status, stderr in err.
int RunAsUnprivileged(const std::vector<std::string>& arguments, const passwd* nobody, const std::string& errPath) {
    const pid_t child = fork();
    if (child == 0) {
        if (getuid() == 0 && (setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0)) _exit(90);
        if (!freopen(errPath.c_str(), "w", stderr)) _exit(91);
        std::vector<char*> argv{const_cast<char*>(ZAPBRIK_BINARY)};
        for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(ZAPBRIK_BINARY, argv.data());
        _exit(92);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void SetTreeMode(const std::string& root, bool writable) {
    using std::filesystem::perms;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        if (!entry.is_symlink())
            std::filesystem::permissions(entry.path(), entry.is_directory() ? perms(writable ? 0777 : 0555)
                                                                           : perms(writable ? 0666 : 0444));
    std::filesystem::permissions(root, writable ? perms(0700) : perms(0555));
}
}  // namespace

// A data folder the player may not write: the settings and high scores cannot
// be saved, the game says so and plays on.
TEST(ReadOnlyDataFolder, GameWarnsAndPlaysOn) {
    const passwd* nobody = getpwnam("nobody");
    if (getuid() == 0 && !nobody) GTEST_SKIP() << "no unprivileged user to run as";
    FlowRun run;
    run.PutPicture("choose.png", 330, 440);
    run.PutTestLevels(1);
    TempDir out;  // where the run may write: its dump, log and stderr
    std::filesystem::permissions(out.path, std::filesystem::perms::all);
    std::string script;
    // The level chooser, then its first level.
    for (const std::string& line : ClickAt(kMenuReadyTick, 300, MenuItemScreenY(1))) script += line + "\n";
    for (const std::string& line : ClickAt(kMenuReadyTick + 10, 30, 137)) script += line + "\n";
    script += std::to_string(kMenuReadyTick + 130) + " dump " + out.path + "play.txt\n";
    script += std::to_string(kMenuReadyTick + 140) + " quit\n";
    WriteText(out.path + "script.txt", script);
    SetTreeMode(run.dir.path, false);
    setenv("XDG_STATE_HOME", out.path.c_str(), 1);
    const int status = RunAsUnprivileged({"--headless", "--verbose", "--script", out.path + "script.txt", "--data",
                                          run.dir.path},
                                         nobody, out.path + "stderr.txt");
    unsetenv("XDG_STATE_HOME");
    SetTreeMode(run.dir.path, true);
    const std::string err = ReadText(out.path + "stderr.txt");
    EXPECT_EQ(status, 0) << err;
    EXPECT_NE(err.find("Unable to save settings"), std::string::npos) << err;
    EXPECT_NE(ReadText(out.path + "play.txt").find(ModeLine(ModePlay)), std::string::npos) << "the game went on to play";
}

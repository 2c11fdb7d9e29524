// The game in progress kept across the end of the program: resumed by a new
// run, it goes on tick for tick as the game that was never interrupted.
#include <gtest/gtest.h>

#include <filesystem>

#include "flow_run.h"

namespace {
constexpr int kPause = kMenuReadyTick + 400, kResume = kPause + 20;
// The restarted run resumes 64 ticks earlier on its own clock, so the steps
// that go by the clock's low bits fall on the same ticks of play.
constexpr int kShift = 64;
constexpr int kDumps = 150;

// The program's clock, the music and the chooser's thumbnails are the
// program's, not the game's: the restarted program has its own. The state
// fingerprint folds in the clock, so it is left out too; every field it covers
// is compared on its own.
bool GameField(const std::string& field) {
    return field != "tick" && field != "state_hash" && field != "thumb_index" && field.rfind("music_", 0) != 0;
}

struct KeptGame : ScriptTest {
    // Resume from the menu at `at`, steer a little, and dump every tick.
    void ResumeAndPlay(int at) {
        Click(at, 300, MenuItemScreenY(0, 1));
        At(at + 30, "key down Left");
        At(at + 70, "key up Left");
        At(at + 90, "key down Right");
        At(at + 130, "key up Right");
        for (int i = 0; i < kDumps; ++i) At(at + 3 + i, "dump d" + std::to_string(i));
        At(at + 3 + kDumps, "quit");
    }
};

TEST_F(KeptGame, AGameKeptWhenTheProgramEndsGoesOnExactlyWhenResumed) {
    Click(kMenuReadyTick, 300, MenuItemScreenY(1));
    Click(kMenuReadyTick + 10, 30, 137);        // level 1
    Click(kMenuReadyTick + 60, 200, 300);       // the hint goes: the ball is served sooner
    At(kPause, "key up Escape");
    const std::vector<std::string> paused = s;

    ResumeAndPlay(kResume);
    ASSERT_EQ(run.Run(s), 0);
    std::vector<std::map<std::string, std::string>> uninterrupted;
    for (int i = 0; i < kDumps; ++i) uninterrupted.push_back(run.Dump("d" + std::to_string(i)));
    ASSERT_EQ(uninterrupted.back()["mode"], "110");
    std::filesystem::remove(run.data + "resume.dat");

    // The same game, but the program ends where the first run resumed it.
    s = paused;
    At(kResume, "mouse move 300 68");
    At(kResume + 2, "quit");
    ASSERT_EQ(run.Run(s), 0);
    std::vector<uint8_t> kept = ReadFile(run.data + "resume.dat");
    ASSERT_FALSE(kept.empty());

    s.clear();
    At(kResume - kShift - 5, "dump menu");
    ResumeAndPlay(kResume - kShift);
    ASSERT_EQ(run.Run(s), 0);
    EXPECT_EQ(run.Value("menu", "game_in_progress"), 1);
    for (int i = 0; i < kDumps; ++i) {
        const auto resumed = run.Dump("d" + std::to_string(i));
        for (const auto& [field, value] : uninterrupted[i]) {
            if (!GameField(field)) continue;
            ASSERT_EQ(resumed.at(field), value) << "tick " << i << " " << field;
        }
    }

    // A damaged file is ignored: the menu offers no game, and nothing fails.
    kept[kept.size() / 2] ^= 1;
    WriteFile(run.data + "resume.dat", kept);
    s.clear();
    At(kMenuReadyTick, "dump damaged");
    At(kMenuReadyTick + 1, "quit");
    ASSERT_EQ(run.Run(s), 0);
    EXPECT_EQ(run.Value("damaged", "game_in_progress"), 0);
    EXPECT_FALSE(std::filesystem::exists(run.data + "resume.dat")) << "no game was in progress at the end";
}
}  // namespace

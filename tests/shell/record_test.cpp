// Recording a session and playing it back: the replay reaches the same state and
// the same picture bit for bit. Also the --fps readout, which must change nothing
// but its own corner, and the autoplayer's single-level runs from the command line.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/fps_readout.h"
#include "game/game_state.h"
#include "test_support.h"

namespace {
namespace fs = std::filesystem;

// A base folder of its own for one run: links to the generated files, so that
// the settings a run saves cannot reach the next run.

// Past the splashes, a right click on the menu, a new game on the first level,
// then steering by keys (with Shift held) and by the pointer, and the window's
// focus lost.
const char* kSession =
    "120 mouse down left 320 240\n121 mouse up left 320 240\n"
    "200 mouse down left 320 240\n201 mouse up left 320 240\n"
    "250 mouse down right 200 200\n251 mouse up right 200 200\n"
    "300 mouse down left 300 85\n301 mouse up left 300 85\n"
    "480 mouse down left 41 148\n481 mouse up left 41 148\n"
    "700 key down Right\n745 key up Right\n"
    "750 key down Shift\n752 key down Left\n790 key up Left\n791 key up Shift\n"
    "800 mouse move 120 420\n830 mouse move 260 400\n"
    "1000 mouse move 90 430\n1040 key down Up\n1100 key up Up\n1120 focus lost\n";

TEST(Record, ARecordedSessionReplaysToTheSameStateAndPicture) {
    TempDir dir;
    const std::string checks = "1150 dump " + dir.path + "%s.txt\n1150 screenshot " + dir.path + "%s.png\n";
    auto withChecks = [&](const std::string& run) {
        std::string text = checks;
        for (size_t at; (at = text.find("%s")) != std::string::npos;) text.replace(at, 2, run);
        return text;
    };
    WriteText(dir.path + "session.txt", std::string(kSession) + withChecks("live") + "1200 quit\n");
    ASSERT_EQ(RunGameBinary("--headless --data " + GameFolder(dir, "a") + " --script " + dir.path +
                            "session.txt --record " + dir.path + "recording.txt"),
              0);
    const std::string recording = ReadText(dir.path + "recording.txt");
    for (const char* line : {"\n700 key down 0x27\n", "\n800 mouse move 120 420\n", "\n250 mouse down right 200 200\n",
                             "\n1120 focus lost\n", "\n1200 quit\n"})
        EXPECT_NE(recording.find(line), std::string::npos) << line << " missing from\n" << recording;

    // The replay writes its own recording too: it must come out the same.
    WriteText(dir.path + "replay.txt", recording + withChecks("replayed"));
    ASSERT_EQ(RunGameBinary("--headless --data " + GameFolder(dir, "b") + " --script " + dir.path +
                            "replay.txt --record " + dir.path + "again.txt"),
              0);
    const std::string live = ReadText(dir.path + "live.txt");
    // Losing the focus during play leaves it for the menu.
    EXPECT_EQ(live.rfind(ModeLine(ModeMainMenu), 0), 0u) << "the session should end on the menu:\n" << live;
    EXPECT_EQ(live, ReadText(dir.path + "replayed.txt"));
    const auto picture = ReadFile(dir.path + "live.png");
    ASSERT_FALSE(picture.empty());
    EXPECT_EQ(picture, ReadFile(dir.path + "replayed.png"));
    EXPECT_EQ(recording, ReadText(dir.path + "again.txt"));
}

TEST(Record, AnUnwritableRecordingIsRefused) {
    std::string err;
    EXPECT_EQ(RunGameBinary("--headless --ticks 5 --record /nonexistent/folder/r.txt", &err), 2);
    EXPECT_NE(err.find("recording"), std::string::npos) << err;
}

TEST(Fps, TheReadoutChangesOnlyItsCorner) {
    TempDir dir;
    for (const char* run : {"plain", "fps"}) {
        WriteText(dir.path + run + ".txt", std::string("90 screenshot ") + dir.path + run + ".png\n90 dump " +
                                               dir.path + run + ".dump\n91 quit\n");
        const std::string option = std::string(run) == "fps" ? " --fps" : "";
        ASSERT_EQ(RunGameBinary("--headless" + option + " --data " + GameFolder(dir, run) + " --script " + dir.path +
                                run + ".txt"),
                  0);
    }
    EXPECT_EQ(ReadText(dir.path + "plain.dump"), ReadText(dir.path + "fps.dump"));
    EXPECT_NE(ReadFile(dir.path + "plain.png"), ReadFile(dir.path + "fps.png"));
}

TEST(Fps, ReadoutText) {
    // One frame every 1/60 s of a 60,000-count clock, a frame drawn in 200 counts.
    EXPECT_EQ(FpsReadoutText(1000, 200, 100, 60000), "60 fps frame 3.33 ms tick 1.67 ms");
    EXPECT_EQ(FpsReadoutText(0, 0, 0, 60000), "0 fps frame 0.00 ms tick 0.00 ms");
    EXPECT_EQ(FpsReadoutText(1000, 200, 100, 0), "-- fps");
}

TEST(AutoplayRun, PlaysTheFirstLevelAloneAndReportsIt) {
    TempDir dir;
    ASSERT_EQ(RunGameBinary("--headless --autoplay --level 1 --difficulty 1 --ticks 30000 --data " +
                            GameFolder(dir, "g") + " > " + dir.path + "out.txt"),
              0);
    const std::string out = ReadText(dir.path + "out.txt");
    EXPECT_EQ(out.rfind("level 1 difficulty 1 result cleared ticks ", 0), 0u) << out;
    EXPECT_NE(out.find(" balls_lost "), std::string::npos) << out;
}

TEST(AutoplayRun, TheOptionsAreChecked) {
    std::string err;
    EXPECT_EQ(RunGameBinary("--headless --level 3", &err), 2);
    EXPECT_NE(err.find("--level needs --autoplay"), std::string::npos) << err;
    EXPECT_EQ(RunGameBinary("--headless --autoplay --level 101", &err), 2);
    EXPECT_EQ(RunGameBinary("--headless --autoplay --level 1 --difficulty 5", &err), 2);
}
}  // namespace

// Headless runs of the real game: a script's screenshots and dumps, the tick
// limit, and that the same script gives the same bytes every time.
#include <gtest/gtest.h>

#include <chrono>

#include "test_support.h"

namespace {
const std::string kData = std::string(" --data ") + ZAPBRIK_BUILD_DIR;

TEST(Headless, ScreenshotAndDumpAtATick) {
    TempDir dir;
    WriteText(dir.path + "s.txt", "10 screenshot " + dir.path + "shot.png\n10 dump " + dir.path + "state.txt\n");
    ASSERT_EQ(RunGameBinary("--headless --ticks 30 --script " + dir.path + "s.txt" + kData), 0);
    std::string dump = ReadText(dir.path + "state.txt");
    EXPECT_NE(dump.find("mode "), std::string::npos);
    EXPECT_NE(dump.find("\ntick 10\n"), std::string::npos) << dump;
    std::vector<uint8_t> png = ReadFile(dir.path + "shot.png");
    ASSERT_GT(png.size(), 24u);
    // PNG signature, then the IHDR width and height: 640 x 480.
    EXPECT_EQ(png[1], 'P');
    EXPECT_EQ((png[16] << 24 | png[17] << 16 | png[18] << 8 | png[19]), 640);
    EXPECT_EQ((png[20] << 24 | png[21] << 16 | png[22] << 8 | png[23]), 480);
}

TEST(Headless, TickLimitEndsTheRunQuickly) {
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(RunGameBinary("--headless --ticks 300" + kData), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST(Headless, TheSameScriptGivesTheSameBytes) {
    TempDir dir;
    std::string script;
    for (const char* run : {"a", "b"}) {
        std::string out = dir.path + run;
        script = "5 mouse move 320 240\n"
                 "8 mouse down left 320 240\n"
                 "9 mouse up left 320 240\n"
                 "40 key down Right\n"
                 "60 key up Right\n"
                 "100 screenshot " + out + "1.png\n"
                 "100 dump " + out + "1.txt\n"
                 "700 mouse down left 100 100\n"
                 "702 mouse up left 100 100\n"
                 "900 screenshot " + out + "2.png\n"
                 "900 dump " + out + "2.txt\n"
                 "901 quit\n";
        WriteText(dir.path + run + ".txt", script);
        ASSERT_EQ(RunGameBinary("--headless --script " + dir.path + run + ".txt" + kData), 0);
    }
    for (const char* file : {"1.png", "1.txt", "2.png", "2.txt"}) {
        std::vector<uint8_t> a = ReadFile(dir.path + "a" + file), b = ReadFile(dir.path + "b" + file);
        ASSERT_FALSE(a.empty()) << file;
        EXPECT_EQ(a, b) << file;
    }
    EXPECT_NE(ReadText(dir.path + "a2.txt").find("\ntick 900\n"), std::string::npos);
}
TEST(Headless, VerboseRunsShowTheDebugConsole) {
    TempDir dir;
    for (const char* run : {"quiet", "verbose"}) {
        WriteText(dir.path + run + ".txt", std::string("5 screenshot ") + dir.path + run + ".png\n6 quit\n");
        std::string options = std::string(run) == "verbose" ? " --verbose" : "";
        ASSERT_EQ(RunGameBinary("--headless" + options + " --script " + dir.path + run + ".txt" + kData), 0);
    }
    // The log's lines ("Mode 0 --> 500", the start-up report) are drawn only when recorded.
    EXPECT_NE(ReadFile(dir.path + "quiet.png"), ReadFile(dir.path + "verbose.png"));
}
}  // namespace

// The debug console: wrapping at 30 columns, scrolling and verbosity.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "shell/log.h"
#include "test_support.h"

namespace {
std::string Line(int i) { return std::string(consoleLines[i], strnlen(consoleLines[i], kConsoleColumns)); }

struct ConsoleTest : ::testing::Test {
    void SetUp() override {
        ResetConsole();
        logVerbosity = 1;
    }
    void TearDown() override {
        logVerbosity = 0;
        ResetConsole();
    }
};

TEST_F(ConsoleTest, NothingIsRecordedAtVerbosityZero) {
    logVerbosity = 0;
    LogMessage(1, "hello\n");
    EXPECT_EQ(Line(0), "");
    EXPECT_EQ(consoleColumn, 0);
}

TEST_F(ConsoleTest, LongTextWrapsAtThirtyColumns) {
    LogMessageColour(1, std::string(45, 'x'), ColourRed);
    EXPECT_EQ(Line(1), std::string(30, 'x'));
    EXPECT_EQ(Line(0), std::string(15, 'x'));
    EXPECT_EQ(consoleColours[0][0], ColourRed);
}

TEST_F(ConsoleTest, NewlineOnAFullLineLeavesAnEmptyLine) {
    LogMessage(1, std::string(30, 'a') + "\n");
    LogMessage(1, "b");
    EXPECT_EQ(Line(2), std::string(30, 'a'));
    EXPECT_EQ(Line(1), "");
    EXPECT_EQ(Line(0), "b");
}

TEST_F(ConsoleTest, TheOldestLineFallsOff) {
    for (int i = 0; i <= kConsoleLines; ++i) LogMessage(1, StrFormat("line %d\n", i));
    EXPECT_EQ(Line(1), "line 100");
    EXPECT_EQ(Line(kConsoleLines - 1), "line 2");
}
}  // namespace

// A second copy of the game must not empty the log the running copy writes.
TEST(LogFile, ALogAnotherCopyHoldsIsLeftWhole) {
    TempDir dir;
    const std::string path = dir.path + "zapbrik.log";
    WriteText(path, "the running copy's lines\n");
    const int other = open(path.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_EQ(flock(other, LOCK_EX | LOCK_NB), 0);
    EXPECT_FALSE(OpenLogFile(path));
    LogMessage(1, "from the second copy\n");
    EXPECT_EQ(ReadText(path), "the running copy's lines\n");
    close(other);
    EXPECT_TRUE(OpenLogFile(path));
    LogMessage(1, "mine\n");
    EXPECT_EQ(ReadText(path), "mine\n");
    OpenLogFile("/dev/null");
}

// Script files: parsing, errors with their line numbers, and the order commands run in.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "app/events.h"
#include "app/script.h"
#include "test_support.h"

namespace {
TEST(Script, ParsesEveryCommand) {
    std::vector<ScriptCommand> c;
    std::string error;
    ASSERT_TRUE(ParseScript("# a comment line\n"
                            "120 key down Right   # right\n"
                            "\n"
                            "150 key up 39\n"
                            "200 mouse move 300 250\n"
                            "210 mouse down left 300 250\n"
                            "216 mouse up right 1 2\n"
                            "300 screenshot shot.png\n"
                            "300 dump state.txt\n"
                            "400 focus lost\n"
                            "900 quit\n",
                            c, error))
        << error;
    ASSERT_EQ(c.size(), 9u);
    EXPECT_EQ(c[0].kind, ScriptCommand::KeyDown);
    EXPECT_EQ(c[0].code, 0x27u);
    EXPECT_EQ(c[0].line, 2);
    EXPECT_EQ(c[1].code, 39u);
    EXPECT_EQ(c[2].kind, ScriptCommand::MouseMove);
    EXPECT_EQ(c[2].x, 300);
    EXPECT_EQ(c[4].kind, ScriptCommand::MouseUp);
    EXPECT_EQ(c[4].code, 1u);
    EXPECT_EQ(c[6].path, "state.txt");
    EXPECT_EQ(c[7].kind, ScriptCommand::FocusLost);
    EXPECT_EQ(c[8].tick, 900u);
}

TEST(Script, ErrorsNameTheirLine) {
    struct Bad {
        const char* text;
        const char* error;
    } cases[] = {
        {"10 key down Right\nx key up 1\n", "2: bad tick"},
        {"10 jump\n", "1: unknown command"},
        {"10 key sideways 1\n", "1: key needs down or up"},
        {"10 key down 0x1FF\n", "1: bad key code"},
        {"\n\n10 mouse down middle 1 2\n", "3: mouse button"},
        {"10 mouse move 1\n", "1: wrong number of fields"},
        {"10 quit now\n", "1: wrong number of fields"},
        {"10 focus gained\n", "1: focus needs lost"},
        {"10 focus\n", "1: wrong number of fields"},
        {"10\n", "1: missing command"},
    };
    for (const Bad& b : cases) {
        std::vector<ScriptCommand> c;
        std::string error;
        EXPECT_FALSE(ParseScript(b.text, c, error)) << b.text;
        EXPECT_EQ(error.rfind(b.error, 0), 0u) << error;
    }
}

TEST(Script, TheGameReportsAScriptErrorWithExitCodeTwo) {
    TempDir dir;
    WriteText(dir.path + "bad.txt", "10 dump a.txt\n20 explode\n");
    std::string err;
    EXPECT_EQ(RunGameBinary("--headless --script " + dir.path + "bad.txt", &err), 2);
    EXPECT_NE(err.find("bad.txt:2: unknown command"), std::string::npos) << err;
    EXPECT_EQ(RunGameBinary("--headless --ticks 0", &err), 2);
    EXPECT_EQ(RunGameBinary("--bogus", &err), 2);
}
}  // namespace

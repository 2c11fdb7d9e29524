// Scripted headless runs of the game for the flow tests: a private base folder
// with its own copy of the built Data/ (and links to the sounds), so settings,
// high scores and test pictures are written there, not into the build; a
// script; and the state dumps read back.
#pragma once
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "test_support.h"
#include "game/layout.h"

struct FlowRun {
    FlowRun();
    TempDir dir;
    std::string data;  // dir.path + "Data/"

    // Runs the game with the script lines; "dump NAME" in a line writes dir/NAME.
    // Returns the exit status.
    int Run(const std::vector<std::string>& lines, std::string* err = nullptr);
    // The dump written under that name, as name -> value.
    std::map<std::string, std::string> Dump(const std::string& name);
    long Value(const std::string& dump, const std::string& field);
    // Puts a plain grey picture of that size in place of the built one, so a
    // test's hit positions do not depend on the art.
    void PutPicture(const std::string& name, int width, int height);
    // A small picture set 1 and levels 0..count-1 for it: walls on three sides,
    // an open pit, and two wide breakable blocks in each level: one right under
    // the serve (the first ball scores at once) and one sealed in a pocket of
    // wall high up, so the level goes on until the balls are lost. Level 1 has
    // no hint.
    void PutTestLevels(int count);
};

// The screen positions and tick at which the splash screens have passed on their
// own, and a click on main-menu item i without a game in progress.
constexpr int kMenuReadyTick = 320;
inline int MenuItemScreenY(int item, int inProgress = 0) {
    return layout::MenuItemY(item, inProgress) + layout::kMenuTextCentreRow;
}
// Three script lines: move, press and release the left button at (x, y) from tick t.
std::vector<std::string> ClickAt(int tick, int x, int y);

// A test that writes one script line by line and then runs it.
struct ScriptTest : ::testing::Test {
    FlowRun run;
    std::vector<std::string> s;
    void At(int tick, const std::string& command) { s.push_back(std::to_string(tick) + " " + command); }
    void Click(int tick, int x, int y) {
        for (auto& l : ClickAt(tick, x, y)) s.push_back(l);
    }
};

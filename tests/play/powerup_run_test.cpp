// A headless game on a level built by the test: the block under the serve
// carries a homing capsule, the paddle waits under it and catches it, and the
// state dumps show the power-up active and, some 300 updates later, expired.
#include <gtest/gtest.h>

#include "flow/flow_run.h"

namespace {
TEST(PowerUpRun, ACaughtCapsuleIsActiveAndThenExpires) {
    FlowRun run;
    run.PutPicture("choose.png", 330, 440);
    run.PutTestLevels(1);
    // The block right under the serve now carries power-up 0 (stored as 0 + 1).
    WriteFile(run.data + "level0.dat", {105, 0, 74, 1, 1, 120, 15, 0, 0, 0, 1, 0,  //
                                        105, 0, 40, 0, 1, 120, 15, 0, 0, 0, 0, 0});
    std::vector<std::string> s;
    const int t = kMenuReadyTick;
    for (auto& l : ClickAt(t, 300, MenuItemScreenY(1))) s.push_back(l);
    for (auto& l : ClickAt(t + 10, 30, 137)) s.push_back(l);
    const int first = t + 20, step = 10, dumps = 100;
    for (int k = 0; k < dumps; ++k) s.push_back(std::to_string(first + step * k) + " dump d" + std::to_string(k));
    s.push_back(std::to_string(first + step * dumps) + " quit");
    ASSERT_EQ(run.Run(s), 0);

    int fell = -1, caught = -1, expired = -1;
    for (int k = 0; k < dumps; ++k) {
        auto d = run.Dump("d" + std::to_string(k));
        if (fell < 0 && d["capsules"] == "1") fell = k;
        if (caught < 0 && d.count("powerup_0") && d["powerup_0"] == "1") caught = k;
        if (caught >= 0 && expired < 0 && !d.count("powerup_0")) expired = k;
    }
    ASSERT_GE(fell, 0) << "the block under the serve is broken and drops its capsule";
    ASSERT_GT(caught, fell) << "the paddle catches it";
    EXPECT_EQ(run.Value("d" + std::to_string(caught), "active_powerups"), 1);
    EXPECT_EQ(run.Value("d" + std::to_string(caught), "capsules"), 0);
    // Homing lasts 300 updates; a lost ball's serve may pause them for a while.
    ASSERT_GT(expired, caught);
    EXPECT_GE((expired - caught) * step, 300 - step);
    EXPECT_EQ(run.Value("d" + std::to_string(expired), "active_powerups"), 0);
}
}  // namespace

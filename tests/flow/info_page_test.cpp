// The information page, run headless: scrolling by keys and arrows, the hidden
// panel's switch and its toggles.
#include <gtest/gtest.h>

#include "flow_run.h"

namespace {
TEST(InfoPage, ScrollsToItsEndOpensThePanelAndTogglesOptions) {
    FlowRun run;
    run.PutPicture("strider.png", 218, 2300);  // scrolls 0 .. 2300 + 20 - 440 = 1880
    int t = kMenuReadyTick;
    std::vector<std::string> s = ClickAt(t, 300, MenuItemScreenY(3));
    auto at = [&s](int tick, const std::string& c) { s.push_back(std::to_string(tick) + " " + c); };
    at(t + 10, "key down Down");
    at(t + 30, "dump scrolling");
    at(t + 200, "key up Down");
    at(t + 260, "dump bottom");
    // The lid at page y 2173 is at panel y 2173 - 1880 = 293 when scrolled to the end.
    for (auto& l : ClickAt(t + 270, 185, 20 + 330)) s.push_back(l);
    at(t + 275, "dump opening");
    at(t + 450, "dump open");
    at(t + 450, "screenshot info_open.png");
    // Option lines: base = 2194 - 1880 = 314 (panel); Unlimited Lives 330..340,
    // Fat Paddle 356..365, Disable Debris 395..404.
    for (auto& l : ClickAt(t + 460, 185, 20 + 335)) s.push_back(l);
    for (auto& l : ClickAt(t + 465, 185, 20 + 360)) s.push_back(l);
    for (auto& l : ClickAt(t + 470, 185, 20 + 400)) s.push_back(l);
    for (auto& l : ClickAt(t + 475, 185, 20 + 400)) s.push_back(l);
    at(t + 480, "dump toggled");
    for (auto& l : ClickAt(t + 485, 300, 100)) s.push_back(l);  // elsewhere while open: nothing
    at(t + 490, "dump stays");
    for (auto& l : ClickAt(t + 495, 20, 20 + 10)) s.push_back(l);  // the upper arrow
    at(t + 500, "dump arrow");
    at(t + 510, "key up Escape");
    at(t + 515, "dump menu");
    at(t + 516, "quit");
    ASSERT_EQ(run.Run(s), 0);
    EXPECT_EQ(run.Value("scrolling", "mode"), 70);
    EXPECT_GT(run.Value("scrolling", "scroll_pos"), 0);
    EXPECT_EQ(run.Value("scrolling", "scroll_speed"), 20);
    EXPECT_EQ(run.Value("bottom", "scroll_pos"), 1880);
    EXPECT_EQ(run.Value("bottom", "scroll_speed"), 0);
    EXPECT_EQ(run.Value("opening", "panel_open"), 1);
    EXPECT_EQ(run.Value("open", "panel_anim"), 150);
    EXPECT_EQ(run.Value("toggled", "opt_unlimited_lives"), 1);
    EXPECT_EQ(run.Value("toggled", "opt_fat_paddle"), 40);
    EXPECT_EQ(run.Value("toggled", "opt_disable_debris"), 0) << "toggled twice";
    EXPECT_EQ(run.Value("toggled", "opt_unlock_all_levels"), 0);
    EXPECT_EQ(run.Value("stays", "mode"), 70);
    EXPECT_LT(run.Value("arrow", "scroll_speed"), -30);
    EXPECT_EQ(run.Value("menu", "mode"), 1);
}

TEST(InfoPage, AClickWhileThePanelIsClosedReturnsToTheMenu) {
    FlowRun run;
    run.PutPicture("strider.png", 218, 2300);
    std::vector<std::string> s = ClickAt(kMenuReadyTick, 300, MenuItemScreenY(3));
    for (auto& l : ClickAt(kMenuReadyTick + 10, 200, 200)) s.push_back(l);
    s.push_back(std::to_string(kMenuReadyTick + 15) + " dump after");
    s.push_back(std::to_string(kMenuReadyTick + 16) + " quit");
    ASSERT_EQ(run.Run(s), 0);
    EXPECT_EQ(run.Value("after", "mode"), 1);
    EXPECT_EQ(run.Value("after", "panel_open"), 0);
}
}  // namespace

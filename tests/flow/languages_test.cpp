// The game in each of its languages: the same game as in English, step for step,
// with the language's own pictures.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "shell/language.h"
#include "test_support.h"

namespace {
// The menu, the information page, the level chooser and the first level with
// its hint: a dump and a screenshot at each.
std::string Tour(const std::string& out) {
    std::string script = "120 mouse down left 320 240\n121 mouse up left 320 240\n"
                         "200 mouse down left 320 240\n201 mouse up left 320 240\n";
    auto stop = [&](int tick, const char* name) {
        script += std::to_string(tick) + " dump " + out + name + ".txt\n";
        script += std::to_string(tick) + " screenshot " + out + name + ".png\n";
    };
    stop(300, "menu");
    script += "310 mouse down left 300 159\n311 mouse up left 300 159\n";
    stop(400, "info");
    script += "410 key down Escape\n411 key up Escape\n470 mouse down left 300 85\n471 mouse up left 300 85\n";
    stop(600, "chooser");
    script += "610 mouse down left 41 148\n611 mouse up left 41 148\n";
    stop(700, "play");
    return script + "701 quit\n";
}

TEST(Languages, EachPlaysAsEnglishWithItsOwnPictures) {
    TempDir dir;
    const char* const stops[] = {"menu", "info", "chooser", "play"};
    for (const std::string& language : Languages()) {
        const std::string out = dir.path + language + "-";
        WriteText(out + "tour.txt", Tour(out));
        std::string log;
        ASSERT_EQ(RunGameBinary("--headless --verbose --lang " + language + " --script " + out + "tour.txt --data " +
                                    GameFolder(dir, language),
                                &log),
                  0);
        EXPECT_EQ(log.find("copy of"), std::string::npos) << language << " fell back to English:\n" << log;
        EXPECT_EQ(log.find("No texts for language"), std::string::npos) << log;
        for (const char* stop : stops) {
            const std::string dump = ReadText(out + stop + ".txt");
            ASSERT_FALSE(dump.empty()) << language << " " << stop;
            EXPECT_EQ(dump, ReadText(dir.path + "en-" + stop + ".txt")) << language << " " << stop;
            if (language != kSourceLanguage) {
                EXPECT_NE(ReadFile(out + stop + ".png"), ReadFile(dir.path + "en-" + stop + ".png")) << language << " " << stop;
            }
        }
    }
    // The tour reached each screen.
    const std::pair<const char*, int> modes[] = {
        {"menu", ModeMainMenu}, {"info", ModeInfoPage}, {"chooser", ModeChooseLevel}, {"play", ModePlay}};
    for (const auto& [stop, mode] : modes)
        EXPECT_EQ(ReadText(dir.path + "en-" + stop + ".txt").rfind("mode " + std::to_string(mode) + "\n", 0), 0u) << stop;
}
}  // namespace

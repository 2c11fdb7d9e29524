// Start-up with nothing in the data folders: every picture becomes a placeholder,
// every sample slot stays empty, the settings fall back to their defaults, and the
// game still reaches its first screen.
#include <gtest/gtest.h>

#include <filesystem>

#include "game/game_state.h"
#include "app/load_assets.h"
#include "gfx/assets.h"
#include "gfx/font.h"
#include "shell/log.h"
#include "shell/paths.h"
#include "shell/platform.h"
#include "sound/mixer.h"
#include "test_support.h"

namespace {
size_t Find(const std::string& text, const std::string& what) {
    const size_t at = text.find(what);
    EXPECT_NE(at, std::string::npos) << what;
    return at;
}
}  // namespace

TEST(StartupAssets, EmptyFoldersGivePlaceholdersAndDefaults) {
    TempDir dir;
    SetBaseFolder(dir.path);
    SetPlayerFolder(dataFolder);
    OpenLogFile(dir.path + "log.txt");
    UseHeadlessPlatform();
    platform.messageBox = [](const char*, const char*, MessageButtons) { return static_cast<int>(AnswerOk); };
    ResetGameState();
    for (Font*& f : fonts) {
        delete f;
        f = nullptr;
    }
    titleBackPicture = spritesSheet = iconsSheet = powerUpsSheet = bgPicture = workSurface = nullptr;
    for (int id = 0; id < kSoundSlots; ++id) unloadSound(id);
    setGamma(128);

    loadAssets();

    EXPECT_EQ(currentMode, ModeLogoSplash);
    EXPECT_EQ(getGamma(), 128);
    EXPECT_STREQ(musicTrackNames[5], "spacemonkey.raw");
    EXPECT_EQ(musicWanted, -1);
    EXPECT_EQ(difficulty, 1);
    EXPECT_EQ(getVolume(0), 255);
    EXPECT_EQ(getVolume(1), 220);
    for (int id = 0; id < kSoundSlots; ++id) EXPECT_EQ(sounds[id].data, nullptr) << id;
    for (Surface* s : {titleBackPicture, spritesSheet, iconsSheet, powerUpsSheet, bgPicture}) {
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->width, 5);
        EXPECT_EQ(s->height, 5);
    }
    for (Surface* s : bgVariants) {
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->width, 5);
    }
    ASSERT_NE(workSurface, nullptr);
    EXPECT_EQ(workSurface->width, 330);
    EXPECT_EQ(workSurface->height, 440);
    for (Font* f : fonts) {
        ASSERT_NE(f, nullptr);
        ASSERT_NE(f->picture, nullptr);  // the placeholder, which has no glyphs
        EXPECT_EQ(f->glyphWidth['A'], 0);
    }
    const std::string log = ReadText(dir.path + "log.txt");
    EXPECT_NE(log.find("[WARNING] Unable to load settings. Setting defaults.\n"), std::string::npos);
    OpenLogFile("/dev/null");
    SetPlayerFolder("");
}

TEST(StartupAssets, HeadlessRunWithEmptyDataReachesTheFirstModeInOrder) {
    TempDir dir;
    WriteText(dir.path + "s.txt", "2 dump " + dir.path + "state.txt\n");
    std::string err;
    ASSERT_EQ(RunGameBinary("--headless --verbose --ticks 5 --data " + dir.path + " --script " + dir.path + "s.txt",
                            &err),
              0)
        << err;
    EXPECT_NE(ReadText(dir.path + "state.txt").find(ModeLine(ModeLogoSplash)), std::string::npos);
    const std::string box = "[message box] File Not Found: " + dir.path;
    // The loads come in the game's order: the small font, the effects, the title
    // picture, the settings, the three fonts, the sheets, the half-rate samples
    // and the background.
    const char* const order[] = {
        "Data/smallchars.png", "Sound/cleep2.raw", "Sound/zwiff.raw", "Data/titleBack.png", nullptr,
        "Data/c_tickertape.png", "Data/c_neopolitical_l.png", "Data/c_neopolitical.png", "Data/sprites.png",
        "Data/icons.png", "Data/power-ups.png", "Sound/coolcat.raw", "Sound/scream.raw", "Data/bg.png"};
    size_t last = 0;
    for (const char* name : order) {
        const size_t at = name ? Find(err, box + name + "\n")
                               : Find(err, "[WARNING] Unable to load settings. Setting defaults.\n");
        EXPECT_GT(at, last) << (name ? name : "settings warning");
        last = at;
    }
    EXPECT_NE(err.find("[ERROR] can't locate font reference point.\n"), std::string::npos);
    EXPECT_NE(err.find("Mode 0 --> 500\n"), std::string::npos);
}

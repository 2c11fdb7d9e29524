#include "fuzz_support.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "game/game_state.h"
#include "app/load_assets.h"
#include "gfx/assets.h"
#include "gfx/font.h"
#include "gfx/picture.h"
#include "gfx/surface.h"
#include "gfx/display.h"
#include "app/events.h"
#include "app/loop.h"
#include "shell/paths.h"
#include "shell/platform.h"
#include "game/play/play_tick.h"

namespace {
std::string base;

int QuietMessageBox(const char*, const char*, MessageButtons buttons) {
    return buttons == MessageOk ? AnswerOk : AnswerCancel;
}

// Links every generated file into the private folder, so whatever the game
// writes replaces a link and never reaches the build's own files.
void LinkFolder(const std::string& from, const std::string& to) {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(from, ignored)) {
        const std::string name = entry.path().filename().string();
        if (name == "settings.dat" || name.rfind("Zapbrik", 0) == 0) continue;
        std::filesystem::create_symlink(entry.path(), to + name, ignored);
    }
}
}  // namespace

void FuzzUseTempFolder() {
    if (!base.empty()) return;
    char pattern[] = "/tmp/zapbrik-fuzz-XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    base = std::string(pattern) + "/";
    std::filesystem::create_directories(base + "Data");
    std::filesystem::create_directories(base + "Sound");
    SetBaseFolder(base);
    SetPlayerFolder(dataFolder);
    UseHeadlessPlatform();
    platform.messageBox = QuietMessageBox;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(base, ignored);
    });
}

void FuzzWriteFile(const std::string& path, const uint8_t* data, size_t size) {
    std::remove(path.c_str());  // a link to a generated file goes, the file stays as it was
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);
}

void FuzzStartGame() {
    FuzzUseTempFolder();
    const char* env = std::getenv("ZAPBRIK_ASSETS");
    const std::string assets = env ? std::string(env) + "/" : std::string(ZAPBRIK_ASSETS "/");
    LinkFolder(assets + "Data/", dataFolder);
    LinkFolder(assets + "Sound/", soundFolder);
    if (!std::filesystem::exists(dataFolder + "smallchars.png")) {
        std::fprintf(stderr, "fuzz: no generated assets in %s (build the game first)\n", assets.c_str());
        std::abort();
    }
    ResetGameState();
    ResetPlay();
    setGamma(128);
    FillDisplayInfo();
    backSurface = createSurface(displayInfo.width, displayInfo.height);
    fillSurface(backSurface, 0);
    if (!StartLoopTiming()) std::abort();
    makePaletteColours();
    loadPicture("smallchars.png", smallFontPicture);
    currentMode = ModeMainMenu;
    loadAssets();
}

const int32_t kFuzzStartModes[] = {ModeLogoSplash, ModeIntroSplash, ModeMainMenu,    ModeOptions,
                                   ModeHighScores, ModeInfoPage,    ModeChooseLevel, ModeNewGame,
                                   ModeExitWallpaper};
const int kFuzzStartModeCount = sizeof kFuzzStartModes / sizeof kFuzzStartModes[0];

void FuzzPass() {
    RunLoopPass(GameLoopRoutines());
    platform.waitUntil(std::min(lastTickTime + tickInterval, lastDrawTime + frameInterval) + 1);
}

int FuzzInputEvent(uint8_t op, uint8_t a, uint8_t b) {
    const uint32_t at = PointerParam(a * 5 / 2, b * 15 / 8);
    switch (op % 8) {
        case 0: TranslateInput(MsgKeyDown, a, 0, KeyCharacter(a, b & 1, false)); break;
        case 1: TranslateInput(MsgKeyUp, a, 0, KeyCharacter(a, b & 1, false)); break;
        case 2: TranslateInput(MsgMouseMove, mouseButtonDown ? uint32_t{MouseFlagLeft} : 0u, at, 0); break;
        case 3: TranslateInput(MsgLeftDown, MouseFlagLeft, at, 0); break;
        case 4: TranslateInput(MsgLeftUp, 0, at, 0); break;
        case 5: TranslateInput(MsgRightDown, MouseFlagRight, at, 0); break;
        case 6: TranslateInput(MsgRightUp, 0, at, 0); break;
        default: return a;
    }
    return 0;
}

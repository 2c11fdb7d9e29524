#include "app/startup.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "game/game_state.h"
#include "app/autoplay.h"
#include "app/load_assets.h"
#include "gfx/assets.h"
#include "gfx/font.h"
#include "gfx/picture.h"
#include "gfx/surface.h"
#include "app/audio_file.h"
#include "gfx/display.h"
#include "app/fps_readout.h"
#include "app/level_run.h"
#include "shell/log.h"
#include "app/loop.h"
#include "shell/platform.h"
#include "app/script.h"
#include "game/play/play_tick.h"

bool ParseCommandLine(int argc, const char* const* argv, LaunchOptions& o, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        if (arg == "--window") o.window = true;
        else if (arg == "--headless") o.headless = true;
        else if (arg == "--verbose") o.verbose = true;
        else if (arg == "--convert-levels") o.convertLevels = true;
        else if (arg == "--help" || arg == "-h") o.help = true;
        else if (arg == "--version") o.version = true;
        else if (arg == "--data") { if (!value(o.dataDir)) return false; }
        else if (arg == "--script") { if (!value(o.scriptPath)) return false; }
        else if (arg == "--audio-out") { if (!value(o.audioOut)) return false; }
        else if (arg == "--record") { if (!value(o.recordPath)) return false; }
        else if (arg == "--fps") o.fps = true;
        else if (arg == "--autoplay") o.autoplay = true;
        else if (arg == "--unlimited-lives") o.unlimitedLives = true;
        else if (arg == "--level" || arg == "--difficulty") {
            std::string text;
            if (!value(text)) return false;
            const bool level = arg == "--level";
            char* end = nullptr;
            const long n = std::strtol(text.c_str(), &end, 10);
            if (text.empty() || *end || n < 1 || n > (level ? 100 : 4)) {
                error = level ? "--level needs a level from 1 to 100" : "--difficulty needs 1 (Easy) to 4 (Insane)";
                return false;
            }
            (level ? o.level : o.difficulty) = static_cast<int>(n);
        }
        else if (arg == "--ticks") {
            std::string text;
            if (!value(text)) return false;
            char* end = nullptr;
            errno = 0;
            unsigned long long n = std::strtoull(text.c_str(), &end, 10);
            if (text.empty() || *end || errno || n == 0 || n > 0xFFFFFFFFull || text[0] == '-') {
                error = "--ticks needs a number of ticks from 1 to 4294967295";
                return false;
            }
            o.ticks = static_cast<uint32_t>(n);
        } else if (arg == "--scale") {
            std::string text;
            if (!value(text)) return false;
            if (text.size() != 1 || text[0] < '1' || text[0] > '8') {
                error = "--scale needs a whole number from 1 to 8";
                return false;
            }
            o.scale = text[0] - '0';
        } else {
            error = "unknown option " + arg;
            return false;
        }
    }
    if (o.level != 0 && !o.autoplay) {
        error = "--level needs --autoplay";
        return false;
    }
    if (!o.audioOut.empty() && !o.headless) {
        error = "--audio-out needs --headless";
        return false;
    }
    return true;
}

std::string UsageText() {
    return "Usage: zapbrik [options]\n"
           "  --window          play in a window instead of fullscreen\n"
           "  --scale N         whole-number scaling (window size 640N x 480N)\n"
           "  --data DIR        folder holding Data/ and Sound/\n"
           "  --convert-levels  rewrite all 100 level files and quit\n"
           "  --verbose         record the debug log and echo it to stderr\n"
           "  --headless        no window or sound device; a virtual clock (for tests)\n"
           "  --script FILE     feed scripted input\n"
           "  --ticks N         end after N ticks\n"
           "  --audio-out FILE  headless: write the sound to a WAV file\n"
           "  --record FILE     write every input event as a script for --script\n"
           "  --fps             show the frame and tick times in the corner\n"
           "  --autoplay        let the computer steer the paddle\n"
           "  --level N         with --autoplay: play level N alone and print the result\n"
           "  --difficulty D    for --level: 1 Easy, 2 Medium, 3 Hard, 4 Insane\n"
           "  --unlimited-lives for --level: no life is lost\n"
           "  --help, --version\n";
}

namespace {
void StartupReport() {
    LogMessage(1, "Init Console [");
    for (int c = 0; c < 7; ++c) LogMessageColour(1, std::string(1, static_cast<char>('0' + c)), c);
    LogMessage(1, "]\n");
    LogMessage(1, "Allocating Memory:\n");
    LogMessage(1, "  Sound\n");
    LogMessage(1, "Display Specifics\n");
    LogMessage(1, StrFormat("  width,height: %dx%d\n", displayInfo.width, displayInfo.height));
    LogMessage(1, StrFormat("  xspan,yspan : %dx%d\n", displayInfo.xSpan, displayInfo.ySpan));
    LogMessage(1, displayInfo.landscape == 0 ? "  orientation : Portait\n" : "  orientation : Landscape\n");
    LogMessage(1, displayInfo.memoryVertical == 0 ? "  memory      : Horizontal\n" : "  memory      : Vertical\n");
    LogMessage(1, StrFormat("  bits/pixel  : %d\n", displayInfo.bitsPerPixel));
    LogMessage(1, StrFormat("  fullscreen  : %d\n", displayInfo.fullscreenFlag));
    LogMessage(1, StrFormat("  format      : %d\n", displayInfo.formatCode));
    LogMessage(1, "Program State\n");
}
}  // namespace

int RunGame(const LaunchOptions& options) {
    ResetGameState();
    ResetPlay();
    tickLimit = options.ticks;
    HideCursor();
    setGamma(128);
    FillDisplayInfo();
    platform.pumpEvents();
    // A headless run's sound goes to the WAV file; the desktop game has opened
    // its device before this.
    const bool audioFile = options.headless && !options.audioOut.empty();
    if (audioFile && !StartAudioFile(options.audioOut)) LogMessageColour(1, "[ERROR] Sound Init Failed.\n", ColourRed);

    backSurface = createSurface(displayInfo.width, displayInfo.height);
    fillSurface(backSurface, 0);

    LogMessage(1, "Timing Scheme\n");
    if (!StartLoopTiming()) return -1;
    makePaletteColours();
    StartupReport();
    loadPicture("smallchars.png", smallFontPicture);

    currentMode = ModeMainMenu;
    loadAssets();
    if (options.convertLevels) currentMode = ModeConvertLevels;
    autoplayEnabled = options.autoplay ? 1 : 0;
    if (options.level != 0) StartLevelRun(options.level, options.difficulty, options.unlimitedLives);

    RunMainLoop(options.fps ? StartFpsReadout(GameLoopRoutines()) : GameLoopRoutines());
    if (options.level != 0) std::printf("%s\n", LevelRunReport().c_str());
    releaseAssets();
    if (audioFile) FinishAudioFile();
    return programExitStatus;
}

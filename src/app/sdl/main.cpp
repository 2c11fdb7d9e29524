// Zapbrik: the entry point. Reads the command line, sets up the platform (an SDL
// window, or the virtual clock of a headless run) and runs the game.
#include <SDL.h>

#include <cstdio>

#include "shell/catalogue.h"
#include "shell/language.h"
#include "shell/log.h"
#include "shell/paths.h"
#include "shell/platform.h"
#include "app/record.h"
#include "app/script.h"
#include "app/sdl/sdl_audio.h"
#include "app/sdl/sdl_platform.h"
#include "app/startup.h"

namespace {
// The box of a copy that cannot run: no window could be made, or another copy
// is running. Without a desktop to show it on, it goes to stderr.
void ShowCannotCreateWindow() {
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Critical", "Unable to create window.", nullptr) != 0)
        HeadlessMessageBox("Unable to create window.", "Critical", MessageOk);
}
}  // namespace

int main(int argc, char** argv) {
    LaunchOptions options;
    std::string error;
    if (!ParseCommandLine(argc, argv, options, error)) {
        std::fprintf(stderr, "zapbrik: %s\n%s", error.c_str(), UsageText().c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("zapbrik %s\n", ZAPBRIK_VERSION);
        return 0;
    }
    if (options.verbose) {
        logVerbosity = 1;
        SetLogEcho(true);
    }
    // The check comes before the log: a second copy must leave the running
    // copy's log alone. It shows its box first and only then raises the running
    // copy, whose window would otherwise cover the box.
    if (!options.headless && !ClaimSingleCopy()) {
        LogMessageColour(1, "[ERROR] Application already running\n", ColourRed);
        ShowCannotCreateWindow();
        RaiseRunningCopy();
        return 1;
    }
    const std::string logPath = LogFilePath();
    const bool logFolder = MakeFolders(logPath.substr(0, logPath.rfind('/')));
    if (!options.headless) KeepPreviousLog(logPath);
    if (!logFolder || !OpenLogFile(logPath))
        LogMessage(1, "[WARNING] Unable to open the log file " + logPath + "\n");
    LogMessage(1, LogHeaderLine(ZAPBRIK_VERSION));
    SetBaseFolder(options.dataDir.empty() ? BaseFolderBeside(ExecutableFolder()) : options.dataDir);
    if (!options.dataDir.empty()) SetPlayerFolder(dataFolder);
    playerLanguage = options.language.empty() ? LanguageFromEnvironment() : options.language;
    LoadCatalogue(LocaleFolder(), playerLanguage);
    if (!options.scriptPath.empty() && !LoadScript(options.scriptPath, error)) {
        std::fprintf(stderr, "zapbrik: script error: %s\n", error.c_str());
        return 2;
    }

    if (!options.recordPath.empty() && !StartRecording(options.recordPath)) {
        std::fprintf(stderr, "zapbrik: cannot write the recording %s\n", options.recordPath.c_str());
        return 2;
    }

    if (options.headless) {
        UseHeadlessPlatform();
    } else if (!StartSdlPlatform(SdlOptions{options.window, options.scale})) {
        ShowCannotCreateWindow();
        return 1;
    }
    if (!options.headless) StartSdlSound();
    int code = RunGame(options);
    StopRecording();
    if (!options.headless) {
        StopSdlSound();
        StopSdlPlatform();
    }
    return code;
}

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
    const std::string logPath = LogFilePath();
    if (!MakeFolders(logPath.substr(0, logPath.rfind('/'))) || !OpenLogFile(logPath))
        LogMessage(1, "[WARNING] Unable to open the log file " + logPath + "\n");
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
        if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Critical", "Unable to create window.", nullptr) != 0)
            HeadlessMessageBox("Unable to create window.", "Critical", MessageOk);
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

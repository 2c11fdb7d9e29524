// The command line and the start-up of the game, from an open window (or a
// headless run) to the end of the main loop.
#pragma once
#include <cstdint>
#include <string>

struct LaunchOptions {
    bool window = false;
    bool headless = false;
    bool verbose = false;
    bool convertLevels = false;
    bool help = false;
    bool version = false;
    bool fps = false;            // --fps: the frame and tick time readout
    bool autoplay = false;       // --autoplay
    bool unlimitedLives = false; // --unlimited-lives, for level runs
    std::string dataDir;     // --data: base folder holding Data/ and Sound/
    std::string scriptPath;  // --script
    std::string audioOut;    // --audio-out
    std::string recordPath;  // --record
    std::string language;    // --lang: one of the game's languages; "" follows the environment
    uint32_t ticks = 0;      // --ticks, 0 = no limit
    int scale = 0;           // --scale: whole-number scaling, 1..8
    int level = 0;           // --level: a level run of the autoplayer, 1..100
    int difficulty = 1;      // --difficulty, 1..4
};

// Returns false with a message for an unknown option or a bad value.
bool ParseCommandLine(int argc, const char* const* argv, LaunchOptions& options, std::string& error);
std::string UsageText();

// Runs the game on the platform already set up; returns the exit code.
int RunGame(const LaunchOptions& options);

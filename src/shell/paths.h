// Where the game's files live, all in one place. Every folder name ends with '/'.
#pragma once
#include <string>

extern std::string baseFolder;   // holds Data/ and Sound/
extern std::string dataFolder;   // pictures, levels, block sets, hints, settings, high scores
extern std::string soundFolder;  // samples

// Sets the base folder (a trailing '/' is added when missing) and the two below it.
void SetBaseFolder(const std::string& folder);

// Screenshots: $XDG_PICTURES_DIR/Zapbrik/, else ~/Pictures/Zapbrik/.
std::string ScreenshotFolder();
// The debug log file: $XDG_STATE_HOME/zapbrik/zapbrik.log, else ~/.local/state/zapbrik/zapbrik.log.
std::string LogFilePath();
// Tests point these elsewhere; an empty string restores the default.
void SetScreenshotFolder(const std::string& folder);

// Creates a folder and the folders above it; true when it exists afterwards.
bool MakeFolders(const std::string& path);

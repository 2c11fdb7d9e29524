// Where the game's files live. Every folder name ends with '/'.
#pragma once
#include <string>

extern std::string baseFolder;   // holds Data/ and Sound/
extern std::string dataFolder;   // pictures, levels, block sets, hints, settings, high scores
extern std::string soundFolder;  // samples

// Sets the base folder (a trailing '/' is added when missing) and the two below it.
void SetBaseFolder(const std::string& folder);

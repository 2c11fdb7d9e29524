// Where the game's files live, all in one place. Every folder name ends with '/'.
#pragma once
#include <string>

extern std::string baseFolder;   // holds Data/ and Sound/
extern std::string dataFolder;   // pictures, levels, block sets, hints, settings, high scores
extern std::string soundFolder;  // samples

// Sets the base folder (a trailing '/' is added when missing) and the two below it.
void SetBaseFolder(const std::string& folder);
// The base folder of a game started from executableFolder: that folder when it
// holds Data/ (a build, or an unpacked copy), else ../share/zapbrik/ or
// ../share/games/zapbrik/ beside it when that holds Data/ (a game installed in
// bin/, or in games/ as distributions keep games), else the executable's folder.
std::string BaseFolderBeside(const std::string& executableFolder);

// The player's language's copy of a file of Data/ (Data/<language>/name),
// else the English one (Data/name). Falling back for a file that exists in
// English is logged.
std::string LocalisedDataFile(const std::string& name);

// The compiled translations, LANG/LC_MESSAGES/zapbrik.mo inside: locale/ in the
// base folder (a build), else the share/locale/ beside an installed game's
// share/zapbrik/.
std::string LocaleFolder();

// The player's own files (settings, high scores, edited levels) live in the
// player's folder: $XDG_DATA_HOME/zapbrik/, else ~/.local/share/zapbrik/. With
// --data everything, reading and writing, stays in that folder's Data/.
std::string PlayerFolder();
void SetPlayerFolder(const std::string& folder);  // "" restores the default
// The player's copy when there is one, else the shipped file in Data/.
std::string PlayerFileForReading(const std::string& name);
// Where a player's file is written; the folder is made on first use. A warning
// is logged when it cannot be made (the save then fails as any failed save does).
std::string PlayerFileForWriting(const std::string& name);

// Screenshots: $XDG_PICTURES_DIR/Zapbrik/, else the pictures folder named in
// $XDG_CONFIG_HOME/user-dirs.dirs (~/.config/ without it), else ~/Pictures/Zapbrik/.
std::string ScreenshotFolder();
// The debug log file: $XDG_STATE_HOME/zapbrik/zapbrik.log, else ~/.local/state/zapbrik/zapbrik.log.
std::string LogFilePath();
// Tests point these elsewhere; an empty string restores the default.
void SetScreenshotFolder(const std::string& folder);

// Creates a folder and the folders above it; true when it exists afterwards.
bool MakeFolders(const std::string& path);

#include "shell/paths.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>

#include "shell/language.h"
#include "shell/log.h"

std::string baseFolder = "./";
std::string dataFolder = "./Data/";
std::string soundFolder = "./Sound/";

namespace {
std::string screenshotOverride;
std::string playerOverride;

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string Home() {
    const char* home = std::getenv("HOME");
    return home && *home ? home : ".";
}

// A folder from the environment when it is an absolute path, else "".
std::string EnvFolder(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value == '/' ? WithSlash(value) : "";
}

// An XDG folder from the environment, else the given folder under $HOME.
std::string XdgFolder(const char* variable, const char* fallback) {
    const std::string folder = EnvFolder(variable);
    return folder.empty() ? WithSlash(Home() + "/" + fallback) : folder;
}

// A folder the desktop names in the user's user-dirs.dirs, as a line
// NAME="$HOME/folder" or NAME="/folder"; "" when it names none.
std::string UserDirsFolder(const std::string& name) {
    std::ifstream file(XdgFolder("XDG_CONFIG_HOME", ".config") + "user-dirs.dirs");
    const std::string start = name + "=\"";
    for (std::string line; std::getline(file, line);) {
        if (!line.starts_with(start) || line.size() < start.size() + 2 || line.back() != '"') continue;
        std::string value = line.substr(start.size(), line.size() - start.size() - 1);
        if (value.starts_with("$HOME/")) value = Home() + value.substr(5);
        if (value.starts_with("/")) return WithSlash(value);
    }
    return "";
}
}  // namespace

void SetBaseFolder(const std::string& folder) {
    baseFolder = WithSlash(folder.empty() ? "." : folder);
    dataFolder = baseFolder + "Data/";
    soundFolder = baseFolder + "Sound/";
}

std::string BaseFolderBeside(const std::string& executableFolder) {
    const std::string here = WithSlash(executableFolder.empty() ? "." : executableFolder);
    auto holdsData = [](const std::string& folder) {
        struct stat info;
        return stat((folder + "Data").c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    };
    if (holdsData(here)) return here;
    for (const char* installed : {"../share/zapbrik/", "../share/games/zapbrik/"})
        if (holdsData(here + installed)) return here + installed;
    return here;
}

std::string LocalisedDataFile(const std::string& name) {
    const std::string english = dataFolder + name;
    if (playerLanguage == kSourceLanguage) return english;
    const std::string own = dataFolder + playerLanguage + "/" + name;
    struct stat info;
    if (stat(own.c_str(), &info) == 0) return own;
    if (stat(english.c_str(), &info) == 0)
        LogMessage(1, "[WARNING] No " + playerLanguage + " copy of " + name + ": the English one stands in\n");
    return english;
}

std::string LocaleFolder() {
    struct stat info;
    const std::string own = baseFolder + "locale/";
    if (stat(own.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return own;
    return baseFolder + "../locale/";
}

std::string PlayerFolder() {
    if (!playerOverride.empty()) return playerOverride;
    return XdgFolder("XDG_DATA_HOME", ".local/share") + "zapbrik/";
}

void SetPlayerFolder(const std::string& folder) { playerOverride = folder.empty() ? "" : WithSlash(folder); }

std::string PlayerFileForReading(const std::string& name) {
    const std::string own = PlayerFolder() + name;
    struct stat info;
    if (stat(own.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return own;
    return dataFolder + name;
}

std::string PlayerFileForWriting(const std::string& name) {
    const std::string folder = PlayerFolder();
    if (!MakeFolders(folder.substr(0, folder.size() - 1)))
        LogMessage(1, "[WARNING] Unable to make the folder " + folder + "\n");
    return folder + name;
}

std::string ScreenshotFolder() {
    if (!screenshotOverride.empty()) return screenshotOverride;
    std::string pictures = EnvFolder("XDG_PICTURES_DIR");
    if (pictures.empty()) pictures = UserDirsFolder("XDG_PICTURES_DIR");
    if (pictures.empty()) pictures = WithSlash(Home() + "/Pictures");
    return pictures + "Zapbrik/";
}

std::string LogFilePath() { return XdgFolder("XDG_STATE_HOME", ".local/state") + "zapbrik/zapbrik.log"; }

void SetScreenshotFolder(const std::string& folder) { screenshotOverride = folder.empty() ? "" : WithSlash(folder); }

bool MakeFolders(const std::string& path) {
    for (size_t at = 1; at <= path.size(); ++at) {
        if (at != path.size() && path[at] != '/') continue;
        std::string part = path.substr(0, at);
        if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
    }
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

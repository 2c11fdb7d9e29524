#include "shell/paths.h"

std::string baseFolder = "./";
std::string dataFolder = "./Data/";
std::string soundFolder = "./Sound/";

void SetBaseFolder(const std::string& folder) {
    baseFolder = folder.empty() ? "./" : folder;
    if (baseFolder.back() != '/') baseFolder += '/';
    dataFolder = baseFolder + "Data/";
    soundFolder = baseFolder + "Sound/";
}

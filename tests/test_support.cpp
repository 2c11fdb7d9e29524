#include "test_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {
// Tests never touch the machine's desktop, sound or the player's own folders.
struct TestEnvironment {
    TestEnvironment() {
        const std::string home = std::string(ZAPBRIK_BUILD_DIR) + "/test-home";
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("XDG_STATE_HOME", (home + "/state").c_str(), 1);
        setenv("XDG_PICTURES_DIR", (home + "/pictures").c_str(), 1);
        setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
    }
} testEnvironment;
}  // namespace

TempDir::TempDir() {
    char pattern[] = "/tmp/zapbrik-test-XXXXXX";
    const char* made = mkdtemp(pattern);
    path = std::string(made ? made : "/tmp") + "/";
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const std::string& path, const std::string& text) { WriteFile(path, {text.begin(), text.end()}); }

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string ReadText(const std::string& path) {
    std::vector<uint8_t> bytes = ReadFile(path);
    return {bytes.begin(), bytes.end()};
}

int RunGameBinary(const std::string& arguments, std::string* err) {
    TempDir scratch;
    std::string command = std::string(ZAPBRIK_BINARY) + " " + arguments + " 2>" + scratch.path + "stderr.txt";
    int status = std::system(command.c_str());
    if (err) *err = ReadText(scratch.path + "stderr.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ModeLine(int32_t mode) { return "mode " + std::to_string(mode) + "\n"; }

std::string GameFolder(const TempDir& dir, const std::string& name) {
    namespace fs = std::filesystem;
    const fs::path base = fs::path(dir.path) / name, build = ZAPBRIK_BUILD_DIR;
    fs::create_directories(base / "Data");
    for (const auto& entry : fs::directory_iterator(build / "Data")) {
        const std::string file = entry.path().filename().string();
        if (file == "settings.dat" || file == "resume.dat" || file.rfind("Zapbrik", 0) == 0) continue;
        fs::create_symlink(entry.path(), base / "Data" / file);
    }
    fs::create_directory_symlink(build / "Sound", base / "Sound");
    if (fs::exists(build / "locale")) fs::create_directory_symlink(build / "locale", base / "locale");
    return base.string();
}

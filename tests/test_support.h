// Helpers the tests share: a fresh temporary folder and small file utilities.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A folder under /tmp that is removed with everything in it when the test ends.
struct TempDir {
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string path;  // ends with '/'
};

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
void WriteText(const std::string& path, const std::string& text);
std::vector<uint8_t> ReadFile(const std::string& path);
std::string ReadText(const std::string& path);
// A game folder of its own under dir: the build's shipped Data/ (without any
// player's settings, scores or kept game), Sound/ and catalogues, linked.
std::string GameFolder(const TempDir& dir, const std::string& name);
// The state dump's line for a mode, "mode N\n".
std::string ModeLine(int32_t mode);

// Runs the game binary with arguments; returns its exit status, with stderr in err.
int RunGameBinary(const std::string& arguments, std::string* err = nullptr);

#include "flow_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "gfx/png_writer.h"

namespace {
// Gives the run its own copy of the shipped files (links for the large, read-only
// sounds), so a test that replaces a picture or a level never writes through into
// the build's Data/.
void ShareFolder(const std::string& from, const std::string& to, bool copy) {
    std::filesystem::create_directories(to);
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(from, ignored)) {
        const std::string name = entry.path().filename().string();
        if (name == "settings.dat" || name == "resume.dat" || name.rfind("Zapbrik", 0) == 0) continue;
        if (copy)
            std::filesystem::copy_file(entry.path(), to + name, ignored);
        else
            std::filesystem::create_symlink(entry.path(), to + name, ignored);
    }
}
}  // namespace

FlowRun::FlowRun() : data(dir.path + "Data/") {
    ShareFolder(std::string(ZAPBRIK_BUILD_DIR) + "/Data/", data, true);
    ShareFolder(std::string(ZAPBRIK_BUILD_DIR) + "/Sound/", dir.path + "Sound/", false);
}

int FlowRun::Run(const std::vector<std::string>& lines, std::string* err) {
    std::string script;
    for (std::string line : lines) {
        size_t at = line.find(" dump ");
        if (at == std::string::npos) at = line.find(" screenshot ");
        if (at != std::string::npos) {
            size_t name = line.find(' ', at + 1) + 1;
            line = line.substr(0, name) + dir.path + line.substr(name);
        }
        script += line + "\n";
    }
    WriteText(dir.path + "script.txt", script);
    return RunGameBinary("--headless --script " + dir.path + "script.txt --data " + dir.path, err);
}

std::map<std::string, std::string> FlowRun::Dump(const std::string& name) {
    std::map<std::string, std::string> out;
    std::istringstream in(ReadText(dir.path + name));
    std::string line;
    while (std::getline(in, line)) {
        size_t space = line.find(' ');
        if (space != std::string::npos) out[line.substr(0, space)] = line.substr(space + 1);
    }
    return out;
}

long FlowRun::Value(const std::string& dump, const std::string& field) {
    auto values = Dump(dump);
    auto it = values.find(field);
    EXPECT_NE(it, values.end()) << dump << " has no " << field;
    return it == values.end() ? -999999 : std::stol(it->second);
}

std::vector<std::string> ClickAt(int tick, int x, int y) {
    std::string at = " " + std::to_string(x) + " " + std::to_string(y);
    return {std::to_string(tick) + " mouse move" + at, std::to_string(tick + 1) + " mouse down left" + at,
            std::to_string(tick + 2) + " mouse up left" + at};
}

void FlowRun::PutPicture(const std::string& name, int width, int height) {
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3, 96);
    std::remove((data + name).c_str());
    ASSERT_TRUE(WriteRgbPng(data + name, rgb.data(), width, height));
}

void FlowRun::PutTestLevels(int count) {
    const int w = 330, h = 440;
    std::vector<uint8_t> map(w * h * 3, 0), view(w * h * 3, 40), blocks(w * h * 3, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            // The outer walls, and a sealed pocket around the upper block.
            bool pocket = x >= 92 && x < 238 && y >= 28 && y < 108 && !(x >= 100 && x < 230 && y >= 35 && y < 100);
            if (x < 10 || x >= w - 10 || y < 10 || pocket) {
                map[(y * w + x) * 3 + 2] = 255;
                view[(y * w + x) * 3 + 2] = 200;
            }
        }
    // Block kind 0, 30 x 15 at (21, 12), kind 1, 120 x 15 at (54, 12), and the
    // paddle pieces at (9..19, 0..10).
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 30; ++x) blocks[((12 + y) * w + 21 + x) * 3 + 0] = 180;
        for (int x = 0; x < 120; ++x) blocks[((12 + y) * w + 54 + x) * 3 + 1] = 220;
    }
    for (int y = 0; y < 11; ++y)
        for (int x = 9; x < 20; ++x) blocks[(y * w + x) * 3 + 0] = blocks[(y * w + x) * 3 + 1] = 200;
    // The same test pictures for every picture set, whichever set a level uses.
    for (int set = 1; set <= 5; ++set) {
        const std::string n = std::to_string(set);
        ASSERT_TRUE(WriteRgbPng(data + "scheme" + n + ".png", map.data(), w, h));
        ASSERT_TRUE(WriteRgbPng(data + "scheme" + n + "v.png", view.data(), w, h));
        ASSERT_TRUE(WriteRgbPng(data + "blocks" + n + ".png", blocks.data(), w, h));
        WriteText(data + "blocks" + n + ".txt", "[block,14,8,20,10][block,36,8,80,10]");
    }
    // Kind 1 blocks at (105, 330), right under the serve, and at (105, 40).
    const std::vector<uint8_t> records = {105, 0, 74, 1, 1, 120, 15, 0, 0, 0, 0, 0,
                                          105, 0, 40, 0, 1, 120, 15, 0, 0, 0, 0, 0};
    for (int level = 0; level < count; ++level) {
        WriteFile(data + "level" + std::to_string(level) + ".dat", records);
        std::remove((data + "hint" + std::to_string(level) + ".txt").c_str());  // no shipped hint over a test level
    }
}

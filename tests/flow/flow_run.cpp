#include "flow_run.h"

#include <dirent.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {
void LinkFolder(const std::string& from, const std::string& to) {
    ASSERT_EQ(std::system(("mkdir -p " + to).c_str()), 0);
    DIR* d = opendir(from.c_str());
    if (!d) return;
    while (dirent* e = readdir(d)) {
        std::string name = e->d_name;
        if (name == "." || name == ".." || name == "settings.dat" || name.rfind("Zapbrik", 0) == 0) continue;
        symlink((from + name).c_str(), (to + name).c_str());
    }
    closedir(d);
}
}  // namespace

FlowRun::FlowRun() : data(dir.path + "Data/") {
    LinkFolder(std::string(ZAPBRIK_BUILD_DIR) + "/Data/", data);
    LinkFolder(std::string(ZAPBRIK_BUILD_DIR) + "/Sound/", dir.path + "Sound/");
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

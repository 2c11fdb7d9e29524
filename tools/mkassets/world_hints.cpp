// The hints: "hint%d.txt" copied from assets/hints after checking each file
// and that every level which brings something new has one.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "families.h"
#include "world_families.h"
#include "worlds/hint_checks.h"
#include "worlds/world_data.h"

bool WriteWorldHints(const std::string& out) {
    std::vector<LevelSource> levels;
    std::string error;
    if (!ReadLevelSources(AssetSourceFolder() + "/levels", levels, error)) {
        std::fprintf(stderr, "mkassets: %s\n", error.c_str());
        return false;
    }
    bool ok = true;
    for (int level : LevelsNeedingHints(levels))
        if (!std::filesystem::exists(AssetSourceFolder() + "/hints/hint" + std::to_string(level) + ".txt")) {
            std::fprintf(stderr, "mkassets: level %d brings something new but has no hint\n", level);
            ok = false;
        }
    for (int level = 0; level < kLevelCount; ++level) {
        std::string name = "hint" + std::to_string(level) + ".txt";
        std::ifstream in(AssetSourceFolder() + "/hints/" + name, std::ios::binary);
        if (!in) continue;
        std::stringstream text;
        text << in.rdbuf();
        for (const std::string& problem : CheckHint(text.str())) {
            std::fprintf(stderr, "mkassets: %s: %s\n", name.c_str(), problem.c_str());
            ok = false;
        }
        std::ofstream copy(out + "Data/" + name, std::ios::binary);
        copy << text.str();
        ok = ok && static_cast<bool>(copy);
    }
    return ok;
}

// The hints: "hint%d.txt" copied from assets/hints after checking each file
// and that every level which brings something new has one.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "families.h"
#include "output.h"
#include "shell/catalogue.h"
#include "shell/language.h"
#include "text.h"
#include "world_families.h"
#include "worlds/hint_checks.h"
#include "worlds/world_data.h"

namespace {
// The hint file with the text of its hint tag in the language being drawn, in
// Latin-1; false when the translation has a character Latin-1 lacks.
bool Translated(const std::string& source, std::string& translated) {
    const size_t start = source.find("[hint|");
    const size_t end = start == std::string::npos ? start : source.find(']', start);
    if (end == std::string::npos) return ToLatin1(source, translated);
    std::string text;
    if (!ToLatin1(Tr(source.substr(start + 6, end - start - 6).c_str()), text)) return false;
    translated = source.substr(0, start + 6) + text + source.substr(end);
    return true;
}
}  // namespace

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
        std::stringstream source;
        source << in.rdbuf();
        std::string text;
        if (!Translated(source.str(), text)) {
            std::fprintf(stderr, "mkassets: %s: the %s text has a letter the game's fonts lack\n", name.c_str(),
                         playerLanguage.c_str());
            ok = false;
            continue;
        }
        for (const std::string& problem : CheckHint(text)) {
            std::fprintf(stderr, "mkassets: %s (%s): %s\n", name.c_str(), playerLanguage.c_str(), problem.c_str());
            ok = false;
        }
        std::ofstream copy(LanguageDataFolder(out) + name, std::ios::binary);
        copy << text;
        ok = ok && static_cast<bool>(copy);
    }
    return ok;
}

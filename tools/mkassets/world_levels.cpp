// The 100 levels: compiled from the sources in assets/levels to "level%d.dat",
// each checked against its world's collision map and shapes as the game loads them.
#include <sys/stat.h>

#include <cstdio>
#include <fstream>

#include "families.h"
#include "game/play/blocks.h"
#include "game/play/level.h"
#include "shell/paths.h"
#include "world_families.h"
#include "worlds/game_load_checks.h"
#include "worlds/world_data.h"

namespace {

// The playfield of a level as the game composes it at its start, for a look at
// each world in two colour variants: out/previews/level%d.png.
bool WritePreview(const std::string& out, int level) {
    LoadLevel(level);
    playfieldImage = createSurface(collisionMap->width, collisionMap->height);
    ComposePlayfield();
    bool ok = WriteSurfacePng(out + "previews/level" + std::to_string(level) + ".png", playfieldImage);
    for (Surface** s : {&playfieldImage, &collisionMap, &sceneryView, &blockSetImage}) removeSurface(*s);
    levelBlockCount = 0;
    return ok;
}

}  // namespace

bool WriteWorldLevels(const std::string& out) {
    std::vector<LevelSource> levels;
    std::string error;
    if (!ReadLevelSources(AssetSourceFolder() + "/levels", levels, error)) {
        std::fprintf(stderr, "mkassets: %s\n", error.c_str());
        return false;
    }
    SetBaseFolder(out);
    WorldView views[5];
    for (int world = 1; world <= 5; ++world) LoadWorldView(world, views[world - 1]);
    bool ok = true;
    // First the files, then the checks, which load them through the game.
    for (const LevelSource& level : levels) {
        std::vector<uint8_t> bytes = CompileLevel(level);
        std::ofstream file(out + "Data/level" + std::to_string(level.number) + ".dat", std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!file) {
            std::fprintf(stderr, "mkassets: cannot write level %d\n", level.number);
            return false;
        }
    }
    for (const LevelSource& level : levels) {
        std::vector<std::string> problems = CheckLevel(views[WorldOfLevel(level.number) - 1], level);
        for (const std::string& problem : CheckLevelLoads(level)) problems.push_back(problem);
        for (size_t i = 0; i < problems.size() && i < 6; ++i)
            std::fprintf(stderr, "mkassets: level %d (%s): %s\n", level.number, level.where.c_str(), problems[i].c_str());
        if (problems.size() > 6) std::fprintf(stderr, "mkassets: level %d: and %zu more\n", level.number, problems.size() - 6);
        ok = ok && problems.empty();
    }
    // The chooser's sheet of all 100 thumbnails, kept beside Data/ for a look.
    for (int level : EmptyThumbnails(out + "level-thumbnails.png")) {
        std::fprintf(stderr, "mkassets: level %d: its thumbnail stays empty\n", level);
        ok = false;
    }
    mkdir((out + "previews").c_str(), 0755);
    for (int first = 0; first < 50; first += 10)
        for (int level : {first, first + 1}) ok = WritePreview(out, level) && ok;
    return ok;
}

// mkassets OUT: writes Data/, Sound/ and the application icons (icons/) under OUT,
// deterministically.
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "art_families.h"
#include "families.h"
#include "sound_families.h"
#include "world_families.h"

const std::string& AssetSourceFolder() {
    static const std::string folder = ZAPBRIK_ASSET_SOURCES;
    return folder;
}

namespace {
const AssetFamily families[] = {
    {"fonts", WriteFonts},
    {"power-ups", WritePowerUps},
    {"sprite sheets", WriteSheets},
    {"screens", WriteScreens},
    {"splashes", WriteSplashes},
    {"information page", WriteInfoPage},
    {"application icons", WriteAppIcons},
    {"sound effects", WriteSoundEffects},
    {"music", WriteMusic},
    {"world scenery", WriteWorldScenery},
    {"world blocks", WriteWorldBlocks},
    {"world levels", WriteWorldLevels},
    {"world hints", WriteWorldHints},
};
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: mkassets OUT\n");
        return 2;
    }
    std::string out = argv[1];
    if (out.back() != '/') out += '/';
    mkdir(out.c_str(), 0755);
    mkdir((out + "Data").c_str(), 0755);
    mkdir((out + "Sound").c_str(), 0755);
    auto start = std::chrono::steady_clock::now();
    for (const AssetFamily& family : families) {
        if (!family.write(out)) {
            std::fprintf(stderr, "mkassets: %s failed\n", family.name);
            return 1;
        }
    }
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    std::printf("mkassets: wrote %sData and %sSound in %lld ms\n", out.c_str(), out.c_str(), static_cast<long long>(ms));
    return 0;
}

// mkassets OUT: writes Data/, Sound/ and the application icons (icons/) under OUT,
// deterministically: everything in English, then the pictures with words and the
// hints of every other language (from the build's catalogues) in Data/<language>/.
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "art_families.h"
#include "families.h"
#include "fit.h"
#include "output.h"
#include "shell/catalogue.h"
#include "shell/language.h"
#include "sound_families.h"
#include "world_families.h"

const std::string& AssetSourceFolder() {
    static const std::string folder = ZAPBRIK_ASSET_SOURCES;
    return folder;
}

namespace {
const AssetFamily families[] = {
    {"fonts", WriteFonts, false},
    {"power-ups", WritePowerUps, false},
    {"sprite sheets", WriteSheets, true},
    {"screens", WriteScreens, true},
    {"splashes", WriteSplashes, true},
    {"information page", WriteInfoPage, true},
    {"application icons", WriteAppIcons, false},
    {"sound effects", WriteSoundEffects, false},
    {"music", WriteMusic, false},
    {"world scenery", WriteWorldScenery, false},
    {"world blocks", WriteWorldBlocks, false},
    {"world levels", WriteWorldLevels, false},
    {"world hints", WriteWorldHints, true},
};
}  // namespace

bool UseLanguage(const std::string& language) {
    SetDrawingLanguage(language);
    if (language == kSourceLanguage) {
        ClearCatalogue();
        return true;
    }
    const std::string path = std::string(ZAPBRIK_CATALOGUES) + "/" + language + ".mo";
    if (LoadCatalogueFile(path)) return true;
    std::fprintf(stderr, "mkassets: cannot read the %s catalogue %s\n", language.c_str(), path.c_str());
    return false;
}

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
    for (const std::string& language : Languages()) {
        if (!UseLanguage(language)) return 1;
        for (const AssetFamily& family : families) {
            if (language != kSourceLanguage && !family.words) continue;
            if (!family.write(out)) {
                std::fprintf(stderr, "mkassets: %s (%s) failed\n", family.name, language.c_str());
                return 1;
            }
        }
        CheckRuntimeTexts(out);
        if (int misfits = TakeMisfits()) {
            std::fprintf(stderr, "mkassets: %d %s texts do not fit their places\n", misfits, language.c_str());
            return 1;
        }
    }
    UseLanguage(kSourceLanguage);
    PrintFullestBoxes();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
    std::printf("mkassets: wrote %sData and %sSound in %lld ms\n", out.c_str(), out.c_str(), static_cast<long long>(ms));
    return 0;
}

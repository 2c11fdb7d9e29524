// The asset families the generator writes, one source file each. A family writes
// its files under out/Data/ or out/Sound/ and returns false, after printing what
// went wrong, when a file could not be written or did not read back as it should.
#pragma once
#include <string>

struct AssetFamily {
    const char* name;
    bool (*write)(const std::string& out);
    bool words;  // drawn again in every language, into Data/<language>/
};

// Loads the generator's catalogue of a language (<language>.mo, in UTF-8, from
// the build's po/) and draws in that language from then on; false, after a
// message, when the catalogue does not load.
bool UseLanguage(const std::string& language);

// Where the hand-written sources (assets/) are.
const std::string& AssetSourceFolder();

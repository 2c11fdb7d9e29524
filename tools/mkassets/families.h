// The asset families the generator writes, one source file each. A family writes
// its files under out/Data/ or out/Sound/ and returns false, after printing what
// went wrong, when a file could not be written or did not read back as it should.
#pragma once
#include <string>

struct AssetFamily {
    const char* name;
    bool (*write)(const std::string& out);
};

// Where the hand-written sources (assets/) are.
const std::string& AssetSourceFolder();

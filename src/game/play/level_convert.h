// The conversion of level files from the old playfield scale, run once by hand
// (mode 1099, `--convert-levels`).
#pragma once
#include <cstdint>

void ConvertLegacyLevel(int level);
// Converts and saves every level, then ends the program: exit status 0 when all
// were saved, 1 otherwise.
int32_t DrawConvertLevels();

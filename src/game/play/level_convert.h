// The conversion of level files from the old playfield scale, run once by hand
// (mode 1099, `--convert-levels`).
#pragma once
#include <cstdint>

void ConvertLegacyLevel(int level);
// Copies the player's level files into a dated folder beside them, converts and
// saves every level, then ends the program: exit status 0 when all were saved,
// 1 otherwise (nothing is converted when the copies could not be made).
int32_t DrawConvertLevels();

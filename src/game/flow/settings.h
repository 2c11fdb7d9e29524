// The settings file "settings.dat": the key bindings, the difficulty, both
// volumes, the hints switch and the table of levels each difficulty may choose,
// as one 1636-byte record of little-endian 32-bit ints. Read at start-up (the
// player's copy, else the one in Data/), written to the player's folder on every
// entry into the main menu.
#pragma once
#include <cstdint>

constexpr int kSettingsBytes = 1636;

// 1 when the file was read and applied, 0 (state unchanged) otherwise.
bool LoadSettings();
// 1 when the file was written whole, 0 otherwise (the old file stays as it was).
bool SaveSettings();
void SetDefaultSettings();

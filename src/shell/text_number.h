// Numbers in the game's text files, read as the C library's atoi reads them
// (leading blanks, a sign, digits, anything after ignored) but clamped to the
// 32-bit range instead of overflowing, however many digits a file holds.
#pragma once
#include <cstdint>
#include <string_view>

int32_t ParseClampedInt(std::string_view text);

// The screenshot key's writer: the back surface as an uncompressed 24-bit BMP,
// "Zapbrik<n>.BMP" in the player's pictures folder (ScreenshotFolder). A number already taken is
// skipped, so no earlier screenshot is ever overwritten.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "gfx/surface.h"

extern int32_t screenshotCounter;

// The whole file for a surface: headers and bottom-up rows.
std::vector<uint8_t> EncodeBmp(const Surface* surface);
// Writes the back surface; returns the path written, or "" when nothing was written.
std::string saveScreenshot();

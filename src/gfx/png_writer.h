// Writes PNG files: the script's screenshots and the asset generator's pictures.
// No time stamp is written, so the same pixels give the same bytes.
#pragma once
#include <cstdint>
#include <string>

// rgb holds width x height pixels of three bytes, rows top to bottom.
bool WriteRgbPng(const std::string& path, const uint8_t* rgb, int width, int height);
// The game's 16-bit pixels, each 5-bit component widened to 8 bits.
bool WriteRgb565Png(const std::string& path, const uint16_t* pixels, int width, int height);

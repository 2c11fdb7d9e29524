// Sample files: headerless signed 16-bit little-endian mono in the Sound folder,
// loaded into the mixer's slots either as they are (22050 Hz) or doubled from
// 11025 Hz by linear interpolation. A missing file shows a "File Not Found" box
// and leaves the slot as it was.
#pragma once
#include <cstdint>
#include <string>

// Files above this size are refused rather than read.
constexpr int64_t kMaxSampleFileBytes = 64 * 1024 * 1024;

// Both answer whether the sample is in its slot.
bool loadSound(const std::string& name, int id, int group);
bool loadSoundHalfRate(const std::string& name, int id, int group);

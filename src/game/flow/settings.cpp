#include "game/flow/settings.h"

#include <cstdio>

#include "game/game_state.h"
#include "shell/atomic_file.h"
#include "shell/log.h"
#include "shell/paths.h"
#include "sound/mixer.h"

namespace {
const char* const kSettingsName = "settings.dat";

// Byte offsets of the record's fields.
constexpr int kBindingsAt = 0;
constexpr int kDifficultyAt = 20;
constexpr int kEffectsVolumeAt = 24;
constexpr int kMusicVolumeAt = 28;
constexpr int kHintsAt = 32;
constexpr int kProgressAt = 36;
static_assert(kProgressAt + kDifficulties * levelCount * 4 == kSettingsBytes);

void Put(uint8_t* record, int at, int32_t value) {
    const auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) record[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

int32_t Get(const uint8_t* record, int at) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(record[at + i]) << (8 * i);
    return static_cast<int32_t>(v);
}

// Reads the whole file when it is exactly one record long.
enum class ReadResult { Missing, WrongSize, Read };
ReadResult ReadRecord(uint8_t* record) {
    FILE* file = std::fopen(PlayerFileForReading(kSettingsName).c_str(), "rb");
    if (!file) return ReadResult::Missing;
    // One byte more than a record tells a longer file from an exact one.
    const size_t got = std::fread(record, 1, kSettingsBytes, file);
    uint8_t extra;
    const bool longer = std::fread(&extra, 1, 1, file) == 1;
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return ReadResult::Missing;
    return got == kSettingsBytes && !longer ? ReadResult::Read : ReadResult::WrongSize;
}
}  // namespace

bool LoadSettings() {
    uint8_t record[kSettingsBytes];
    switch (ReadRecord(record)) {
        case ReadResult::Missing:
            return false;
        case ReadResult::WrongSize:
            LogMessage(1, "[WARNING] Settings size mismatch.  Loading defaults.\n");
            return false;
        case ReadResult::Read:
            break;
    }
    for (int d = 0; d < kDifficulties; ++d)
        for (int l = 0; l < levelCount; ++l) levelProgress[d][l] = Get(record, kProgressAt + 4 * (d * levelCount + l));
    for (int k = 0; k < kKeyBindings; ++k) keyBindings[k] = Get(record, kBindingsAt + 4 * k);
    difficulty = Get(record, kDifficultyAt);
    // A difficulty outside 1..4 would index levelProgress out of bounds and name
    // score files that do not exist.
    if (difficulty < 1 || difficulty > kDifficulties) {
        LogMessage(1, StrFormat("[WARNING] Settings difficulty %d is not 1 to 4; using 1.\n", difficulty));
        difficulty = 1;
    }
    hintsEnabled = Get(record, kHintsAt) != 0 ? 1 : 0;
    setVolume(0, Get(record, kEffectsVolumeAt));
    setVolume(1, Get(record, kMusicVolumeAt));
    musicVolume = getVolume(1);
    return true;
}

bool SaveSettings() {
    uint8_t record[kSettingsBytes];
    for (int d = 0; d < kDifficulties; ++d)
        for (int l = 0; l < levelCount; ++l) Put(record, kProgressAt + 4 * (d * levelCount + l), levelProgress[d][l]);
    for (int k = 0; k < kKeyBindings; ++k) Put(record, kBindingsAt + 4 * k, keyBindings[k]);
    Put(record, kDifficultyAt, difficulty);
    Put(record, kHintsAt, hintsEnabled);
    Put(record, kMusicVolumeAt, getVolume(1));
    Put(record, kEffectsVolumeAt, getVolume(0));
    return WriteFileAtomically(PlayerFileForWriting(kSettingsName), record, sizeof record);
}

void SetDefaultSettings() {
    for (auto& row : levelProgress)
        for (int32_t& entry : row) entry = 0;
    for (int k = 0; k < kKeyBindings; ++k) keyBindings[k] = kDefaultKeyBindings[k];
    difficulty = 1;
    hintsEnabled = 1;
    setVolume(0, 255);
    setVolume(1, 220);
    musicVolume = getVolume(1);
}

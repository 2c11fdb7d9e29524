#include "sound/samples.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "shell/log.h"
#include "shell/paths.h"
#include "shell/platform.h"
#include "sound/mixer.h"

namespace {
// Reads the whole file's samples. False when there is nothing to load: the file
// is missing (with the message box), unreadable, too large, or holds no whole
// sample. An odd last byte is no sample and is dropped.
bool ReadSampleFile(const std::string& name, std::vector<int16_t>& samples) {
    const std::string path = soundFolder + name;
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        platform.messageBox(path.c_str(), "File Not Found", MessageOk);
        return false;
    }
    std::vector<uint8_t> bytes;
    uint8_t chunk[65536];
    // A regular file tells its size up front; the read below still counts.
    bool tooLarge = std::fseek(file, 0, SEEK_END) == 0 && std::ftell(file) > kMaxSampleFileBytes;
    std::rewind(file);
    for (size_t got; !tooLarge && (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;) {
        if (static_cast<int64_t>(bytes.size() + got) > kMaxSampleFileBytes) {
            tooLarge = true;
            break;
        }
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (tooLarge) {
        LogMessageColour(1, StrFormat("[ERROR] Sample too large: %s\n", path.c_str()), ColourRed);
        return false;
    }
    if (failed) {
        LogMessageColour(1, StrFormat("[ERROR] Unable to read sample: %s\n", path.c_str()), ColourRed);
        return false;
    }
    samples.resize(bytes.size() / 2);
    for (size_t k = 0; k < samples.size(); ++k)
        samples[k] = static_cast<int16_t>(static_cast<uint16_t>(bytes[2 * k] | bytes[2 * k + 1] << 8));
    return !samples.empty();
}

bool ValidTarget(int id, int group) {
    if (id >= 0 && id < kSoundSlots && group >= 0 && group < 5) return true;
    LogMessageColour(1, StrFormat("[ERROR] No sound slot %d in group %d\n", id, group), ColourRed);
    return false;
}

// Hands the filled data to the mixer; the slot's old sample and voices go.
void Install(int id, int group, std::unique_ptr<int16_t[]> data, int32_t length) {
    replaceSound(id, SoundSample{group, length, 0, 0, data.release()});
}
}  // namespace

bool loadSound(const std::string& name, int id, int group) {
    std::vector<int16_t> f;
    if (!ValidTarget(id, group) || !ReadSampleFile(name, f)) return false;
    const size_t n = f.size();
    // One silent sample after the last: the mixer plays positions 0..length.
    std::unique_ptr<int16_t[]> data(new int16_t[n + 1]);
    std::copy(f.begin(), f.end(), data.get());
    data[n] = 0;
    Install(id, group, std::move(data), static_cast<int32_t>(n));
    return true;
}

bool loadSoundHalfRate(const std::string& name, int id, int group) {
    std::vector<int16_t> f;
    if (!ValidTarget(id, group) || !ReadSampleFile(name, f)) return false;
    const size_t n = f.size();
    // Each sample is followed by the mean of it and the next; the last one's
    // neighbour beyond the file counts as silence.
    std::unique_ptr<int16_t[]> data(new int16_t[2 * n + 2]());
    for (size_t k = 0; k < n; ++k) {
        const int32_t next = k + 1 < n ? f[k + 1] : 0;
        data[2 * k] = f[k];
        data[2 * k + 1] = static_cast<int16_t>((f[k] + next) / 2);
    }
    data[2 * n] = 0;
    Install(id, group, std::move(data), static_cast<int32_t>(2 * n));
    return true;
}

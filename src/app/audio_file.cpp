#include "app/audio_file.h"

#include <cstdio>
#include <string>

#include "shell/log.h"
#include "shell/platform.h"
#include "sound/mixer.h"

namespace {
constexpr long kHeaderBytes = 44;

FILE* file = nullptr;
std::string filePath;
int64_t buffersWritten = 0;
bool writeFailed = false;
void (*deviceWait)(int64_t) = nullptr;

void Put16(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
void Put32(uint8_t* p, uint32_t v) {
    Put16(p, v);
    Put16(p + 2, v >> 16);
}

bool Write(const void* bytes, size_t count) {
    if (!writeFailed && std::fwrite(bytes, 1, count, file) != count) {
        writeFailed = true;
        LogMessageColour(1, StrFormat("[ERROR] Unable to write %s\n", filePath.c_str()), ColourRed);
    }
    return !writeFailed;
}

// The canonical 44-byte header of a PCM file: 1 channel, 22050 Hz, 16 bits.
bool WriteHeader(uint32_t dataBytes) {
    uint8_t h[kHeaderBytes] = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
    Put32(h + 4, 36 + dataBytes);
    Put32(h + 16, 16);
    Put16(h + 20, 1);
    Put16(h + 22, 1);
    Put32(h + 24, kMixRate);
    Put32(h + 28, kMixRate * 2);
    Put16(h + 32, 2);
    Put16(h + 34, 16);
    h[36] = 'd', h[37] = 'a', h[38] = 't', h[39] = 'a';
    Put32(h + 40, dataBytes);
    return Write(h, sizeof h);
}

void WaitThenCatchUp(int64_t deadline) {
    deviceWait(deadline);
    CatchUpAudioFile();
}
}  // namespace

bool StartAudioFile(const std::string& path) {
    filePath = path;
    buffersWritten = 0;
    writeFailed = false;
    file = std::fopen(path.c_str(), "wb");
    if (!file || !WriteHeader(0)) {
        LogMessageColour(1, StrFormat("[ERROR] Unable to create %s\n", path.c_str()), ColourRed);
        if (file) std::fclose(file);
        file = nullptr;
        return false;
    }
    prepareMixer();
    soundEnabled = 1;
    deviceWait = platform.waitUntil;
    platform.waitUntil = WaitThenCatchUp;
    return true;
}

void CatchUpAudioFile() {
    if (!file) return;
    int16_t buffer[kMixBufferSamples];
    uint8_t bytes[kMixBufferSamples * 2];
    const int64_t due = samplesIn(platform.readCounter(), platform.counterFrequency()) / kMixBufferSamples;
    while (buffersWritten < due) {
        {
            AudioLock hold;
            mixBuffer(buffer);
        }
        for (int i = 0; i < kMixBufferSamples; ++i) Put16(bytes + 2 * i, static_cast<uint16_t>(buffer[i]));
        Write(bytes, sizeof bytes);
        ++buffersWritten;
    }
}

bool FinishAudioFile() {
    if (!file) return false;
    platform.waitUntil = deviceWait;
    soundEnabled = 0;
    const int64_t dataBytes = buffersWritten * kMixBufferSamples * 2;
    if (std::fseek(file, 0, SEEK_SET) != 0) writeFailed = true;
    WriteHeader(static_cast<uint32_t>(dataBytes));
    if (std::fclose(file) != 0) writeFailed = true;
    file = nullptr;
    return !writeFailed;
}

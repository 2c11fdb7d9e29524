#include "sound_voice.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

// The 16-bit mono samples of a WAV file and its rate; false when it is not one.
bool ReadWav(const std::string& path, Signal* samples, int* rate) {
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> b{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    auto u32 = [&](size_t at) { return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24; };
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0) return false;
    *rate = 0;
    for (size_t at = 12; at + 8 <= b.size();) {
        uint32_t size = u32(at + 4);
        size_t body = at + 8;
        if (std::memcmp(b.data() + at, "fmt ", 4) == 0 && body + 16 <= b.size()) {
            if (b[body + 2] != 1 || b[body + 14] != 16) return false;  // mono, 16-bit
            *rate = static_cast<int>(u32(body + 4));
        } else if (std::memcmp(b.data() + at, "data", 4) == 0) {
            size_t end = std::min(b.size(), body + size);
            for (size_t i = body; i + 1 < end; i += 2)
                samples->push_back(static_cast<float>(static_cast<int16_t>(b[i] | b[i + 1] << 8)));
            return *rate > 0;
        }
        at = body + size + (size & 1);
    }
    return false;
}

}  // namespace

Signal SpokenLine(const std::string& text, int pitch, int speed, double deepen, double maxSeconds, double rate) {
    char path[] = "/tmp/mkassets-voice-XXXXXX";
    int fd = mkstemp(path);
    if (fd < 0) return {};
    close(fd);
    std::string command = "espeak-ng -v en-us -p " + std::to_string(pitch) + " -s " + std::to_string(speed) +
                          " -w " + path + " \"" + text + "\"";
    Signal spoken;
    int wavRate = 0;
    bool ok = std::system(command.c_str()) == 0 && ReadWav(path, &spoken, &wavRate);
    std::remove(path);
    if (!ok) {
        std::fprintf(stderr, "mkassets: espeak-ng could not speak \"%s\"\n", text.c_str());
        return {};
    }
    // Trim what is below 1% of the peak at either end.
    float threshold = 0.01f * PeakOf(spoken);
    size_t first = 0, last = spoken.size();
    while (first < last && std::fabs(spoken[first]) < threshold) ++first;
    while (last > first && std::fabs(spoken[last - 1]) < threshold) --last;
    // Linear resampling to the wanted rate, read slower to deepen the voice.
    Signal out;
    double step = wavRate / rate / deepen;
    for (double x = static_cast<double>(first); x + 1 < static_cast<double>(last); x += step) {
        size_t i = static_cast<size_t>(x);
        double f = x - static_cast<double>(i);
        out.push_back(static_cast<float>(spoken[i] * (1 - f) + spoken[i + 1] * f));
    }
    if (out.size() > static_cast<size_t>(maxSeconds * rate)) {
        out.resize(static_cast<size_t>(maxSeconds * rate));
        FadeOut(out, 0.05, rate);
    }
    return out;
}

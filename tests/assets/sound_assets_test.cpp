// The generated samples in the build's Sound/ folder: format, length, level, DC,
// loop seams through the game's own loader, and the loudness of the mix.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "shell/paths.h"
#include "sound/mixer.h"
#include "sound/samples.h"
#include "sound/sound_test_support.h"
#include "test_support.h"

namespace {

const std::string kSound = std::string(ZAPBRIK_BUILD_DIR) + "/Sound/";

struct Expected {
    const char* name;
    int rate;
    double minSeconds, maxSeconds;
};

const Expected kEffects[] = {
    {"cleep2.raw", 22050, 0.03, 0.08},        {"electron.raw", 22050, 0.04, 0.12},
    {"generalsfx8.raw", 22050, 0.05, 0.25},   {"generalsfx48.raw", 22050, 0.3, 0.8},
    {"maximize03.raw", 22050, 0.3, 0.5},      {"minimize3.raw", 22050, 0.3, 0.5},
    {"zwiff.raw", 22050, 0.2, 0.4},           {"DESTROY.raw", 22050, 0.3, 0.6},
    {"chomp.raw", 22050, 0.2, 0.5},           {"fizz.raw", 22050, 0.5, 1.0},
    {"doh.raw", 22050, 0.15, 0.7},            {"scoreup.raw", 22050, 0.1, 0.5},
    {"fearme1.raw", 22050, 0.3, 1.5},         {"scream.raw", 11025, 0.5, 1.2},
    {"monkey.raw", 11025, 1.2, 1.5},
};

const char* const kTracks[] = {"coolcat.raw",      "vorpala.raw",       "percmysterya.raw",
                               "burningloveb.raw", "slowbassorgan.raw", "spacemonkey.raw"};

std::vector<int16_t> Samples(const std::string& name) {
    std::vector<uint8_t> bytes = ReadFile(kSound + name);
    std::vector<int16_t> s(bytes.size() / 2);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<int16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    return s;
}

int Peak(const std::vector<int16_t>& s) {
    int peak = 0;
    for (int16_t v : s) peak = std::max(peak, std::abs(static_cast<int>(v)));
    return peak;
}

double Mean(const std::vector<int16_t>& s) {
    double sum = 0;
    for (int16_t v : s) sum += v;
    return s.empty() ? 0 : sum / static_cast<double>(s.size());
}

double RmsDb(const std::vector<int16_t>& s) {
    double sum = 0;
    for (int16_t v : s) sum += static_cast<double>(v) * v;
    return 20 * std::log10(std::sqrt(sum / static_cast<double>(s.size())) / 32768.0);
}

// The step between neighbours that only one step in twenty exceeds.
int TypicalStep(const int16_t* s, size_t n) {
    std::vector<int> steps(n - 1);
    for (size_t i = 0; i + 1 < n; ++i) steps[i] = std::abs(s[i + 1] - s[i]);
    std::nth_element(steps.begin(), steps.begin() + static_cast<long>(steps.size() * 95 / 100), steps.end());
    return steps[steps.size() * 95 / 100];
}

TEST(SoundAssets, EffectsHaveTheirLengthLevelAndCleanEnds) {
    for (const Expected& e : kEffects) {
        SCOPED_TRACE(e.name);
        std::vector<uint8_t> bytes = ReadFile(kSound + e.name);
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(bytes.size() % 2, 0u);
        std::vector<int16_t> s = Samples(e.name);
        double seconds = static_cast<double>(s.size()) / e.rate;
        EXPECT_GE(seconds, e.minSeconds);
        EXPECT_LE(seconds, e.maxSeconds);
        // Near full scale: the mixer turns them down 12 dB at full volume.
        EXPECT_LE(Peak(s), 32000);
        EXPECT_GE(Peak(s), 16000);
        EXPECT_GT(RmsDb(s), -40);
        EXPECT_LT(std::fabs(Mean(s)), 40);
        // The loader appends one silent sample; the effect must meet it quietly.
        EXPECT_EQ(s.front(), 0);
        EXPECT_EQ(s.back(), 0);
    }
}

TEST(SoundAssets, MusicTracksAreLevelledLoopsStartingOnZero) {
    std::vector<double> loudness;
    for (const char* name : kTracks) {
        SCOPED_TRACE(name);
        std::vector<uint8_t> bytes = ReadFile(kSound + name);
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(bytes.size() % 2, 0u);
        std::vector<int16_t> s = Samples(name);
        double seconds = static_cast<double>(s.size()) / 11025;
        EXPECT_GE(seconds, 60);
        EXPECT_LE(seconds, 120);
        EXPECT_LE(Peak(s), 32000);
        EXPECT_LT(std::fabs(Mean(s)), 20);
        loudness.push_back(RmsDb(s));
        EXPECT_NEAR(loudness.back(), -5.5, 1);
        // Sample 0 is held while the start-up slot waits for its first switch.
        EXPECT_EQ(s.front(), 0);
        EXPECT_LE(std::abs(s.back() - s.front()), TypicalStep(s.data(), s.size()));
    }
    auto [quietest, loudest] = std::minmax_element(loudness.begin(), loudness.end());
    EXPECT_LT(*loudest - *quietest, 1.5);
}

// Loaded as the game loads them, every track wraps from its last position to its
// first without a step larger than the track's typical ones.
class LoadedSoundAssets : public MixerTest {
protected:
    void SetUp() override {
        MixerTest::SetUp();
        SetBaseFolder(ZAPBRIK_BUILD_DIR);
    }
};

TEST_F(LoadedSoundAssets, MusicLoopsSmoothlyThroughTheLoader) {
    for (const char* name : kTracks) {
        SCOPED_TRACE(name);
        loadSoundHalfRate(name, SoundMusicA, 1);
        resetLoopEnd(SoundMusicA);
        const SoundSample& slot = sounds[SoundMusicA];
        ASSERT_NE(slot.data, nullptr);
        const int typical = TypicalStep(slot.data, static_cast<size_t>(slot.loopEnd) + 1);
        int seam = std::abs(slot.data[0] - slot.data[slot.loopEnd]);
        for (int i = slot.loopEnd - 3; i < slot.loopEnd; ++i)
            seam = std::max(seam, std::abs(slot.data[i + 1] - slot.data[i]));
        EXPECT_LE(seam, typical);
        unloadSound(SoundMusicA);
    }
}

// At the default volumes the music plays at about -20 dBFS, and the loudest
// music with two of the loudest effects stays under -1 dBFS; rarer overlaps
// saturate in the mixer.
TEST_F(LoadedSoundAssets, DefaultVolumesPlayTheMusicNearMinus20WithRoomForTwoEffects) {
    setVolume(0, 255);
    setVolume(1, 220);
    const double musicGain = 20 * std::log10(groupFactor[1] / 512.0);
    int musicPeak = 0, effectPeak = 0;
    for (const char* name : kTracks) {
        const std::vector<int16_t> s = Samples(name);
        EXPECT_NEAR(RmsDb(s) + musicGain, -20, 1) << name;
        musicPeak = std::max(musicPeak, Peak(s));
    }
    for (const Expected& e : kEffects) effectPeak = std::max(effectPeak, Peak(Samples(e.name)));
    const int worst = (musicPeak * groupFactor[1] >> 9) + 2 * (effectPeak * groupFactor[0] >> 9);
    EXPECT_LE(worst, 29204);  // -1 dBFS
}

}  // namespace

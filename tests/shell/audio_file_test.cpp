#include "app/audio_file.h"

#include "../sound/sound_test_support.h"
#include "test_support.h"

namespace {
uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
int16_t SampleAt(const std::vector<uint8_t>& b, size_t index) {
    return static_cast<int16_t>(b[44 + 2 * index] | b[44 + 2 * index + 1] << 8);
}

class AudioFileTest : public MixerTest {
protected:
    void SetUp() override {
        MixerTest::SetUp();
        UseHeadlessPlatform();  // the virtual clock drives the file
        soundEnabled = 0;
    }
};
}  // namespace

// One second of passes (60 ticks of the virtual clock) is 22050 samples: 21 whole
// buffers. What the file holds is what the mixer made, sample for sample.
TEST_F(AudioFileTest, WritesOneBufferPerElapsed1024SamplesWithAProperHeader) {
    TempDir dir;
    const std::string path = dir.path + "out.wav";
    ASSERT_TRUE(StartAudioFile(path));
    EXPECT_EQ(soundEnabled, 1);
    Give(1, 0, {32767, -1000, 512});
    playSound(1);
    for (int pass = 0; pass < 60; ++pass) platform.waitUntil(0);
    for (int pass = 0; pass < 10; ++pass) {
        if (pass == 3) playSoundEx(1, 0);  // mid-buffer: delayed by the time since the last mix
        platform.waitUntil(0);
    }
    ASSERT_TRUE(FinishAudioFile());
    EXPECT_EQ(soundEnabled, 0);

    const std::vector<uint8_t> b = ReadFile(path);
    const uint32_t buffers = 70LL * (kVirtualFrequency / 60 + 1) * kMixRate / kVirtualFrequency / kMixBufferSamples;
    ASSERT_EQ(buffers, 25u);
    ASSERT_EQ(b.size(), 44 + buffers * 2048);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(Le32(b, 4), 36 + buffers * 2048);
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(Le32(b, 16), 16u);
    EXPECT_EQ(Le32(b, 20), 1u | 1u << 16);  // PCM, one channel
    EXPECT_EQ(Le32(b, 24), 22050u);
    EXPECT_EQ(Le32(b, 28), 44100u);
    EXPECT_EQ(Le32(b, 32), 2u | 16u << 16);
    EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
    EXPECT_EQ(Le32(b, 40), buffers * 2048);

    // The first voice started with the first buffer, at full opening volume.
    EXPECT_EQ(SampleAt(b, 0), 16319);
    EXPECT_EQ(SampleAt(b, 1), -499);
    EXPECT_EQ(SampleAt(b, 2), 255);
    // The second was asked for after wait 63. The latest mix ran when the clock
    // passed 22 x 1024 samples (wait 62: 62 x 367.5 > 22528), so the voice waits
    // 1000000001 x 22050 / 6e10 = 367 samples into the next buffer, number 22.
    const size_t start = 22 * 1024 + 367;
    int nonZero = 0;
    for (size_t i = 3; i < buffers * 1024u; ++i)
        if (SampleAt(b, i) != 0 && i != start && i != start + 1 && i != start + 2) ++nonZero;
    EXPECT_EQ(nonZero, 0);
    EXPECT_EQ(SampleAt(b, start), 16319);
    EXPECT_EQ(SampleAt(b, start + 1), -499);
    EXPECT_EQ(SampleAt(b, start + 2), 255);
}

TEST_F(AudioFileTest, UnwritablePathIsRefused) {
    EXPECT_FALSE(StartAudioFile("/nonexistent-folder/out.wav"));
    EXPECT_EQ(soundEnabled, 0);
    EXPECT_FALSE(FinishAudioFile());
}

TEST(AudioFileRun, HeadlessRunWritesAboutTwoSecondsOfSound) {
    TempDir dir;
    std::string err;
    ASSERT_EQ(RunGameBinary("--headless --ticks 120 --data " + dir.path + " --audio-out " + dir.path + "out.wav", &err),
              0)
        << err;
    const std::vector<uint8_t> b = ReadFile(dir.path + "out.wav");
    ASSERT_GE(b.size(), 44u);
    EXPECT_EQ((b.size() - 44) % 2048, 0u);
    const size_t seconds100 = (b.size() - 44) / 2 * 100 / 22050;
    EXPECT_GE(seconds100, 195u);
    EXPECT_LE(seconds100, 210u);
    EXPECT_EQ(Le32(b, 40), b.size() - 44);
}

TEST(AudioFileRun, AudioOutNeedsHeadless) {
    std::string err;
    EXPECT_EQ(RunGameBinary("--audio-out /tmp/never.wav", &err), 2);
    EXPECT_NE(err.find("--audio-out needs --headless"), std::string::npos);
}

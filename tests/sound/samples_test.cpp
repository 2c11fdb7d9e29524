#include "sound/samples.h"

#include <atomic>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "shell/paths.h"
#include "sound_test_support.h"
#include "test_support.h"

namespace {
int boxes = 0;
std::string lastBoxText;

class SamplesTest : public MixerTest {
protected:
    TempDir dir;
    void SetUp() override {
        MixerTest::SetUp();
        SetBaseFolder(dir.path);
        std::filesystem::create_directory(dir.path + "Sound");
        boxes = 0;
        platform.messageBox = [](const char* text, const char* caption, MessageButtons) {
            ++boxes;
            lastBoxText = std::string(caption) + ": " + text;
            return static_cast<int>(AnswerOk);
        };
    }
    void Write(const std::string& name, const std::vector<uint8_t>& bytes) {
        WriteFile(soundFolder + name, bytes);
    }
    static std::vector<int16_t> Data(int id, int count) {
        const int16_t* d = sounds[id].data;
        return d ? std::vector<int16_t>(d, d + count) : std::vector<int16_t>{};
    }
};
}  // namespace

TEST_F(SamplesTest, FullRateAppendsOneSilentSample) {
    Write("a.raw", {0x01, 0x00, 0xFF, 0x7F});
    loadSound("a.raw", 3, 0);
    EXPECT_EQ(sounds[3].length, 2);
    EXPECT_EQ(sounds[3].group, 0);
    EXPECT_EQ(Data(3, 3), (std::vector<int16_t>{1, 32767, 0}));
}

TEST_F(SamplesTest, HalfRateInterpolatesAndEndsOnHalfTheLastSample) {
    Write("a.raw", {0x01, 0x00, 0xFF, 0x7F});
    loadSoundHalfRate("a.raw", 15, 1);
    EXPECT_EQ(sounds[15].length, 4);
    EXPECT_EQ(sounds[15].group, 1);
    EXPECT_EQ(sounds[15].loopEnd, 0);
    EXPECT_EQ(Data(15, 5), (std::vector<int16_t>{1, 16384, 32767, 16383, 0}));
}

TEST_F(SamplesTest, HalfRateMeansTruncateTowardZero) {
    Write("n.raw", {0xFD, 0xFF, 0xFC, 0xFF, 0x00, 0x80});  // -3, -4, -32768
    loadSoundHalfRate("n.raw", 1, 0);
    EXPECT_EQ(sounds[1].length, 6);
    EXPECT_EQ(Data(1, 7), (std::vector<int16_t>{-3, -3, -4, -16386, -32768, -16384, 0}));
}

TEST_F(SamplesTest, FilesWithoutAWholeSampleLoadNothing) {
    Write("empty.raw", {});
    Write("one.raw", {0x42});
    for (const char* name : {"empty.raw", "one.raw"}) {
        loadSound(name, 1, 0);
        loadSoundHalfRate(name, 2, 0);
    }
    EXPECT_EQ(sounds[1].data, nullptr);
    EXPECT_EQ(sounds[2].data, nullptr);
    EXPECT_EQ(boxes, 0);  // present but empty is not "not found"
    playSound(1);
    EXPECT_EQ(voiceCount, 0);
}

TEST_F(SamplesTest, OddByteCountsDropTheLastByte) {
    Write("three.raw", {0x10, 0x00, 0x7F});
    Write("five.raw", {0x02, 0x00, 0x04, 0x00, 0x7F});
    loadSound("three.raw", 1, 0);
    loadSoundHalfRate("three.raw", 2, 0);
    loadSound("five.raw", 3, 0);
    loadSoundHalfRate("five.raw", 4, 0);
    EXPECT_EQ(sounds[1].length, 1);
    EXPECT_EQ(Data(1, 2), (std::vector<int16_t>{16, 0}));
    EXPECT_EQ(sounds[2].length, 2);
    EXPECT_EQ(Data(2, 3), (std::vector<int16_t>{16, 8, 0}));
    EXPECT_EQ(sounds[3].length, 2);
    EXPECT_EQ(Data(3, 3), (std::vector<int16_t>{2, 4, 0}));
    EXPECT_EQ(sounds[4].length, 4);
    EXPECT_EQ(Data(4, 5), (std::vector<int16_t>{2, 3, 4, 2, 0}));
}

TEST_F(SamplesTest, MissingFileShowsOneBoxAndKeepsTheSlot) {
    Write("a.raw", {0x01, 0x00});
    loadSound("a.raw", 5, 0);
    int16_t* before = sounds[5].data;
    loadSound("nope.raw", 5, 0);
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(lastBoxText, "File Not Found: " + soundFolder + "nope.raw");
    EXPECT_EQ(sounds[5].data, before);
    EXPECT_EQ(sounds[5].length, 1);
}

TEST_F(SamplesTest, OversizedFileIsRefused) {
    const std::string path = soundFolder + "huge.raw";
    Write("huge.raw", {});
    std::filesystem::resize_file(path, kMaxSampleFileBytes + 2);  // sparse: cheap to make
    loadSound("huge.raw", 6, 0);
    EXPECT_EQ(sounds[6].data, nullptr);
}

TEST_F(SamplesTest, BadSlotOrGroupIsRefused) {
    Write("a.raw", {0x01, 0x00});
    loadSound("a.raw", kSoundSlots, 0);
    loadSound("a.raw", 1, 5);
    EXPECT_EQ(sounds[1].data, nullptr);
}

TEST_F(SamplesTest, ReloadingAPlayingSlotEndsItsVoicesFirst) {
    Write("long.raw", std::vector<uint8_t>(2000, 0x11));
    Write("short.raw", {0x00, 0x02});
    loadSound("long.raw", SoundMusicA, 1);
    resetLoopEnd(SoundMusicA);
    playSoundEx(SoundMusicA, 1);
    Mix();  // the looping voice is now deep into the long sample
    loadSound("short.raw", SoundMusicA, 1);
    EXPECT_EQ(voiceCount, 0);
    EXPECT_EQ(sounds[SoundMusicA].loopEnd, 0);
    EXPECT_EQ(sounds[SoundMusicA].length, 1);
    for (int16_t s : Mix()) ASSERT_EQ(s, 0);
}

// Run under the sanitizer build: the file is read while the audio thread mixes,
// and the swap happens under the lock.
TEST_F(SamplesTest, ReloadWhileAnotherThreadMixes) {
    static std::mutex lock;
    platform.lockAudio = [] { lock.lock(); };
    platform.unlockAudio = [] { lock.unlock(); };
    Write("long.raw", std::vector<uint8_t>(4000, 0x21));
    Write("short.raw", {0x00, 0x02, 0x00, 0x03});
    std::atomic<bool> stop{false};
    std::thread audio([&] {
        std::vector<int16_t> out(kMixBufferSamples);
        while (!stop) {
            AudioLock hold;
            mixBuffer(out.data());
        }
    });
    for (int round = 0; round < 100; ++round) {
        loadSoundHalfRate(round & 1 ? "short.raw" : "long.raw", SoundMusicA, 1);
        resetLoopEnd(SoundMusicA);
        playSoundEx(SoundMusicA, 1);
        playSound(SoundMusicA);
    }
    stop = true;
    audio.join();
    EXPECT_EQ(sounds[SoundMusicA].length, 4);
}

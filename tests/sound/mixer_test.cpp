#include <atomic>
#include <mutex>
#include <thread>

#include "sound_test_support.h"

TEST_F(MixerTest, SilenceWithoutVoices) {
    for (int16_t s : Mix()) ASSERT_EQ(s, 0);
}

TEST_F(MixerTest, OpeningVolumeIsTheFullFactorUntilTheFirstSetVolume) {
    EXPECT_EQ(groupVolume[0], 255);
    EXPECT_EQ(groupFactor[0], 255);
    Give(1, 0, {32767, -1000});
    playSound(1);
    std::vector<int16_t> out = Mix();
    EXPECT_EQ(out[0], 16319);  // 32767 * 255 >> 9
    EXPECT_EQ(out[1], -499);   // -255000 >> 9 rounds down
    EXPECT_EQ(out[2], 0);
}

TEST_F(MixerTest, SquareLawVolumes) {
    setVolume(0, 255);
    EXPECT_EQ(groupFactor[0], 127);
    setVolume(0, 128);
    EXPECT_EQ(groupFactor[0], 32);
    setVolume(0, 16);
    EXPECT_EQ(groupFactor[0], 0);
    setVolume(0, 300);
    EXPECT_EQ(getVolume(0), 255);
    setVolume(0, -5);
    EXPECT_EQ(getVolume(0), 0);
    EXPECT_EQ(groupFactor[0], 0);
    setVolume(7, 100);
    setVolume(-1, 100);
    EXPECT_EQ(getVolume(7), 0);
    EXPECT_EQ(getVolume(1), 255);
}

TEST_F(MixerTest, OneVoiceAtFullAndHalfVolume) {
    Give(1, 0, {32767, -1000, 512});
    setVolume(0, 255);
    playSound(1);
    std::vector<int16_t> full = Mix();
    EXPECT_EQ(full[0], 8127);
    EXPECT_EQ(full[1], -249);
    EXPECT_EQ(full[2], 127);
    EXPECT_EQ(full[3], 0);

    setVolume(0, 128);
    playSound(1);
    std::vector<int16_t> half = Mix();
    EXPECT_EQ(half[0], 2047);  // 32767 * 32 >> 9
    EXPECT_EQ(half[1], -63);   // -32000 >> 9
    EXPECT_EQ(half[2], 32);
}

TEST_F(MixerTest, VoicePlaysLengthPlusOneSamplesThenEnds) {
    Give(2, 0, {512, 1024, 1536});
    playSound(2);
    std::vector<int16_t> out = Mix();
    EXPECT_EQ(out[0], 255);
    EXPECT_EQ(out[1], 510);
    EXPECT_EQ(out[2], 765);
    EXPECT_EQ(out[3], 0);  // the closing silent sample, position 3 = length
    EXPECT_EQ(voiceCount, 0);
}

TEST_F(MixerTest, VoiceMovedIntoTheHoleIsMixedInTheSameSample) {
    Give(1, 0, {512});        // plays positions 0 and 1
    Give(2, 0, {1024, 1024, 1024});
    playSound(1);
    playSound(2);
    std::vector<int16_t> out = Mix();
    EXPECT_EQ(out[0], 255 + 510);
    EXPECT_EQ(out[1], 510);  // voice 1's silent end, voice 2 moved into slot 0 and still mixed
    EXPECT_EQ(out[2], 510);
    EXPECT_EQ(out[3], 0);
    EXPECT_EQ(voiceCount, 0);
}

TEST_F(MixerTest, StartDelayFollowsTheTimeSinceTheLatestMix) {
    Give(3, 0, {512, 512});
    testCounter = 1000;
    Mix();
    EXPECT_EQ(lastMixTime, 1000);
    testCounter += platform.counterFrequency() / 100;  // 10 ms later: 220.5 samples
    playSound(3);
    ASSERT_EQ(voiceCount, 1);
    EXPECT_EQ(voices[0].position, -220);
    std::vector<int16_t> out = Mix();
    for (int i = 0; i < 220; ++i) ASSERT_EQ(out[i], 0) << i;
    EXPECT_EQ(out[220], 255);
    EXPECT_EQ(out[221], 255);
    EXPECT_EQ(out[222], 0);
}

TEST_F(MixerTest, LoopingMusicCrossesItsEndAndWrapsToLoopStart) {
    Give(SoundMusicA, 1, {512, 1024, 1536, 2048});
    resetLoopEnd(SoundMusicA);
    EXPECT_EQ(sounds[SoundMusicA].loopEnd, 4);
    playSoundEx(SoundMusicA, 1);
    std::vector<int16_t> out = Mix();
    const int16_t cycle[] = {255, 510, 765, 1020, 0};
    for (int i = 0; i < kMixBufferSamples; ++i) ASSERT_EQ(out[i], cycle[i % 5]) << i;
    EXPECT_EQ(voiceCount, 1);  // loops until unloaded
    unloadSound(SoundMusicA);
    EXPECT_EQ(voiceCount, 0);
    EXPECT_EQ(sounds[SoundMusicA].data, nullptr);
}

TEST_F(MixerTest, PlayCallsStopAtTheirVoiceLimits) {
    Give(2, 0, {1});
    for (int i = 0; i < 6; ++i) playSound(2);
    EXPECT_EQ(voiceCount, 5);
    for (int i = 0; i < 6; ++i) playSoundMany(2, 0);
    EXPECT_EQ(voiceCount, 10);
    playSoundEx(2, 1);
    EXPECT_EQ(voiceCount, 10);
}

TEST_F(MixerTest, LoudVoicesSaturateInsteadOfWrapping) {
    Give(1, 0, {32767, -32768, 32767});
    for (int i = 0; i < 5; ++i) playSound(1);
    std::vector<int16_t> out = Mix();
    EXPECT_EQ(out[0], 32767);   // 5 x 16319 would wrap to a large negative value
    EXPECT_EQ(out[1], -32768);  // 5 x -16320
    EXPECT_EQ(out[2], 32767);
    EXPECT_EQ(out[3], 0);
}

TEST_F(MixerTest, SumThatComesBackIntoRangeIsExact) {
    Give(1, 0, {32767});
    Give(2, 0, {-32768});
    for (int i = 0; i < 3; ++i) playSound(1);
    playSound(2);
    // 3 x 16319 - 16320 = 32637: no clipping where the total fits.
    EXPECT_EQ(Mix()[0], 32637);
}

TEST_F(MixerTest, UnloadingAPlayingSlotEndsItsVoicesOnly) {
    Give(1, 0, {512, 512, 512});
    Give(2, 0, {1024, 1024, 1024});
    playSound(1);
    playSound(2);
    playSound(1);
    unloadSound(1);
    ASSERT_EQ(voiceCount, 1);
    EXPECT_EQ(voices[0].soundId, 2);
    EXPECT_EQ(Mix()[0], 510);
}

TEST_F(MixerTest, EmptySlotsAndBadIdsPlayNothing) {
    playSound(4);
    playSound(-1);
    playSound(kSoundSlots);
    EXPECT_EQ(voiceCount, 0);
    for (int16_t s : Mix()) ASSERT_EQ(s, 0);
}

TEST_F(MixerTest, NothingQueuesWhileNoOutputRuns) {
    Give(1, 0, {512});
    soundEnabled = 0;
    playSound(1);
    playSoundMany(1, 1);
    EXPECT_EQ(voiceCount, 0);
}

TEST_F(MixerTest, MixerDropsAVoiceWhoseSlotLostItsData) {
    Give(1, 0, {512, 512});
    Give(2, 0, {1024, 1024});
    playSound(1);
    playSound(2);
    int16_t* kept = sounds[1].data;
    sounds[1].data = nullptr;
    std::vector<int16_t> out = Mix();
    sounds[1].data = kept;
    EXPECT_EQ(voiceCount, 0);
    EXPECT_EQ(out[0], 510);
}

// The audio thread mixes while the game starts and ends voices; with the lock in
// place the sanitizer build sees no race and no stray read.
TEST_F(MixerTest, PlayAndUnloadAgainstAMixingThread) {
    static std::mutex lock;
    platform.lockAudio = [] { lock.lock(); };
    platform.unlockAudio = [] { lock.unlock(); };
    std::atomic<bool> stop{false};
    std::thread audio([&] {
        std::vector<int16_t> out(kMixBufferSamples);
        while (!stop) {
            AudioLock hold;
            mixBuffer(out.data());
        }
    });
    for (int round = 0; round < 200; ++round) {
        Give(1, 0, {100, 200, 300, 400, 500});
        for (int i = 0; i < 8; ++i) playSoundMany(1, i & 1);
        unloadSound(1);
    }
    stop = true;
    audio.join();
    EXPECT_EQ(voiceCount, 0);
}

TEST(MixerClock, SamplesInRoundsDownAndSurvivesLongRuns) {
    EXPECT_EQ(samplesIn(kVirtualFrequency / 100, kVirtualFrequency), 220);  // 220.5
    EXPECT_EQ(samplesIn(1, kVirtualFrequency), 0);
    EXPECT_EQ(samplesIn(-5, kVirtualFrequency), 0);
    // Ten hours of the headless clock: the plain product would overflow 64 bits.
    EXPECT_EQ(samplesIn(36000 * kVirtualFrequency + kVirtualFrequency / 2, kVirtualFrequency),
              36000LL * 22050 + 11025);
}

#include "app/sdl/sdl_audio.h"

#include <chrono>
#include <cstdlib>
#include <thread>

#include "../sound/sound_test_support.h"

// With SDL's dummy driver the device opens and its
// thread calls the mixer, which moves a looping voice on under the device lock.
TEST_F(MixerTest, SdlDeviceMixesThroughItsCallback) {
    soundEnabled = 0;
    setenv("SDL_AUDIODRIVER", "dummy", 1);  // never the machine's real sound card
    StartSdlSound();
    if (!soundEnabled) GTEST_SKIP() << "no SDL audio driver here";
    Give(SoundMusicA, 1, {100, 200, 300});
    resetLoopEnd(SoundMusicA);
    playSoundEx(SoundMusicA, 1);
    {
        AudioLock hold;
        lastMixTime = -1;  // the next mix puts the counter's reading here
    }
    bool mixed = false;
    for (int i = 0; i < 100 && !mixed; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        AudioLock hold;
        mixed = lastMixTime != -1 && voiceCount == 1 && voices[0].position >= 0;
    }
    EXPECT_TRUE(mixed);
    StopSdlSound();
    EXPECT_EQ(soundEnabled, 0);
    playSound(SoundMusicA);
    EXPECT_EQ(voiceCount, 1);  // no output: no new voices
}

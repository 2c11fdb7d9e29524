// The music fade: tracks change only after the current one has faded in, the
// two slots take turns, and the old slot is freed a little after a switch.
#include "game/flow/music.h"

#include <gtest/gtest.h>

#include "../sound/sound_test_support.h"
#include "game/game_state.h"
#include "shell/paths.h"
#include "test_support.h"

namespace {
struct Music : MixerTest {
    TempDir dir;
    void SetUp() override {
        MixerTest::SetUp();
        SetBaseFolder(dir.path);
        ASSERT_EQ(std::system(("mkdir -p " + dir.path + "Sound").c_str()), 0);
        const char* names[kMusicTracks] = {"t0.raw", "t1.raw", "t2.raw", "t3.raw", "t4.raw", "t5.raw"};
        for (int i = 0; i < kMusicTracks; ++i) {
            musicTrackNames[i] = names[i];
            WriteFile(dir.path + "Sound/" + names[i], {0, 0, static_cast<uint8_t>(i + 1), 0});
        }
        musicWanted = musicShown = musicPlaying = -1;
        musicFade = 0;
        musicVolume = 200;
        musicSlot = SoundMusicA;
        musicSwitchDelay = 0;
    }
    void Ticks(int n, int32_t mode = ModeMainMenu) {
        for (int i = 0; i < n; ++i) MusicStep(mode);
    }
};

TEST_F(Music, AWantedTrackWaitsForTheFadeInThenSwitchesSlots) {
    musicWanted = 0;
    Ticks(25);  // fading in the silence of "no track": 0 .. 250
    EXPECT_EQ(musicShown, -1) << "no change in the middle of a fade";
    EXPECT_EQ(getVolume(1), 200 * 250 / 255);
    Ticks(1);  // 255
    Ticks(1);  // taken up
    EXPECT_EQ(musicShown, 0);
    Ticks(36);  // 255 down to -100 in steps of 10, then the switch
    EXPECT_EQ(musicPlaying, 0);
    EXPECT_EQ(musicSlot, SoundMusicB);
    EXPECT_EQ(musicFade, 0);
    EXPECT_EQ(sounds[SoundMusicB].data[2], 1) << "track 0 loaded at half rate into the other slot";
    EXPECT_EQ(getVolume(1), 0);
    EXPECT_EQ(musicSwitchDelay, 19);
    Give(SoundMusicA, 1, {5, 5});
    Ticks(17);
    EXPECT_NE(sounds[SoundMusicA].data, nullptr);
    Ticks(1);  // the delay reaches 1: the old slot is freed
    EXPECT_EQ(sounds[SoundMusicA].data, nullptr);
    EXPECT_NE(sounds[SoundMusicB].data, nullptr);
}

TEST_F(Music, TheOptionsWindowJumpsToFullVolume) {
    musicFade = 100;
    Ticks(1, ModeOptions);
    EXPECT_EQ(musicFade, 255);
    EXPECT_EQ(getVolume(1), 200);
}
}  // namespace

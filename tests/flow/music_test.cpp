// The music fade: tracks change only after the current one has faded in, the
// two slots take turns, and the old track ends as the new one starts.
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
}

// The start-up tune is a plain sample (loop end 0) played looping in slot A
// while the effects sound; at the switch the new track starts beside five
// effects and the old one is gone before the music fades in again.
TEST_F(Music, TheStartTuneLoopsAndASwitchPlaysOnlyTheNewTrackBesideFiveEffects) {
    Give(SoundMusicA, 1, {512, 1024});
    playSoundEx(SoundMusicA, 1);
    std::vector<int16_t> out = Mix();
    EXPECT_EQ(out[1], 510) << "the whole sample loops, not its first position";
    EXPECT_EQ(out[3], 255);

    Give(1, 0, {0});
    for (int i = 0; i < 5; ++i) playSound(1);
    EXPECT_EQ(voiceCount, 6) << "five effects beside the music";

    musicShown = 0;
    musicFade = -90;
    Ticks(1);
    int a = 0, b = 0;
    for (int i = 0; i < voiceCount; ++i) {
        a += voices[i].soundId == SoundMusicA;
        b += voices[i].soundId == SoundMusicB;
    }
    EXPECT_EQ(a, 0) << "the old track ends with its fade-out";
    EXPECT_EQ(b, 1) << "the new track plays beside five effects";
}

TEST_F(Music, TheOptionsWindowJumpsToFullVolume) {
    musicFade = 100;
    Ticks(1, ModeOptions);
    EXPECT_EQ(musicFade, 255);
    EXPECT_EQ(getVolume(1), 200);
}
}  // namespace

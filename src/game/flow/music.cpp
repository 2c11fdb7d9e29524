#include "game/flow/music.h"

#include "game/game_state.h"
#include "sound/mixer.h"
#include "sound/samples.h"

int32_t musicSwitchDelay;

void ApplyMusicVolume() { setVolume(1, musicFade < 1 ? 0 : musicVolume * musicFade / 255); }

void MusicStep(int32_t mode) {
    if (musicPlaying == musicShown) {
        if (musicFade < 255) {
            if (mode == ModeOptions) musicFade = 255;
            musicFade = musicFade + 10 > 255 ? 255 : musicFade + 10;
            ApplyMusicVolume();
        } else if (musicWanted != musicShown) {
            musicShown = musicWanted;
        }
    } else {
        musicFade -= 10;
        ApplyMusicVolume();
        if (musicFade < -100) musicFade = -100;
        if (musicFade < -99 && musicSwitchDelay == 0) {
            musicSlot = musicSlot == SoundMusicA ? SoundMusicB : SoundMusicA;
            musicSwitchDelay = 20;
            // "No track" has nothing to load: the fade simply ends in silence.
            if (musicShown >= 0 && musicShown < kMusicTracks) {
                loadSoundHalfRate(musicTrackNames[musicShown], musicSlot, 1);
                resetLoopEnd(musicSlot);
                playSoundEx(musicSlot, 1);
            }
            musicPlaying = musicShown;
            musicFade = 0;
        }
    }
    if (musicSwitchDelay > 0) {
        musicSwitchDelay -= 1;
        if (musicSwitchDelay == 1) unloadSound(musicSlot == SoundMusicA ? SoundMusicB : SoundMusicA);
    }
}

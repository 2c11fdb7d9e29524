#include "game/flow/music.h"

#include "game/game_state.h"
#include "sound/mixer.h"
#include "sound/samples.h"

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
        if (musicFade < -99) {
            // The old track has faded out: it ends here, before the new one fades
            // in on the same volume.
            unloadSound(musicSlot);
            musicSlot = musicSlot == SoundMusicA ? SoundMusicB : SoundMusicA;
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
}

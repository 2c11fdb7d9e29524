// The music: two sample slots (15 and 18) take turns; the old track ends when it
// has faded out and the new one, in the other slot, fades in. A wanted track is
// taken up only once the current one has faded fully in.
#pragma once
#include <cstdint>

// The fade step every tick runs first; mode is the current mode.
void MusicStep(int32_t mode);
// Sets the music group's volume from musicVolume and the fade level.
void ApplyMusicVolume();

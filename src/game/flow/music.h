// The music: two sample slots (15 and 18) take turns, so that a new track can
// fade in while the old one is unloaded a little later. A wanted track is taken
// up only once the current one has faded fully in.
#pragma once
#include <cstdint>

extern int32_t musicSwitchDelay;  // ticks until the previous track's slot is freed

// The fade step every tick runs first; mode is the current mode.
void MusicStep(int32_t mode);
// Sets the music group's volume from musicVolume and the fade level.
void ApplyMusicVolume();

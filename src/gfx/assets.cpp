#include "gfx/assets.h"

#include "game/flow/game_state.h"
#include "game/play/tables.h"

Surface* spritesSheet;
Surface* iconsSheet;
Surface* powerUpsSheet;
Surface* workSurface;

void loadAssets() {
    FillTrigTables();
    currentMode = ModeLogoSplash;
    static const char* const names[kMusicTracks] = {"coolcat.raw",       "vorpala.raw",       "percmysterya.raw",
                                                    "burningloveb.raw",  "slowbassorgan.raw", "spacemonkey.raw"};
    for (int i = 0; i < kMusicTracks; ++i) musicTrackNames[i] = names[i];
    musicWanted = musicShown = musicPlaying = -1;
}

// Everything loaded at start lives until the process ends.
void releaseAssets() {}

#include "gfx/assets.h"

#include "game/flow/game_state.h"
#include "game/flow/settings.h"
#include "game/play/tables.h"
#include "gfx/blit.h"
#include "gfx/font.h"
#include "gfx/picture.h"
#include "shell/log.h"

Surface* spritesSheet;
Surface* iconsSheet;
Surface* powerUpsSheet;
Surface* workSurface;
Surface* titleBackPicture;
Surface* bgPicture;
Surface* bgVariants[kBackgroundVariants];

void loadAssets() {
    FillTrigTables();
    currentMode = ModeLogoSplash;
    static const char* const names[kMusicTracks] = {"coolcat.raw",       "vorpala.raw",       "percmysterya.raw",
                                                    "burningloveb.raw",  "slowbassorgan.raw", "spacemonkey.raw"};
    for (int i = 0; i < kMusicTracks; ++i) musicTrackNames[i] = names[i];
    musicWanted = musicShown = musicPlaying = -1;
    loadPicture("titleBack.png", titleBackPicture);
    if (!LoadSettings()) {
        LogMessage(0, "[WARNING] Unable to load settings. Setting defaults.\n");
        SetDefaultSettings();
        levelProgress[0][0] = levelProgress[0][1] = 0;
    }

    const int gamma = getGamma();
    setGamma(80);
    static Surface* fontPictures[kFontSlots];
    const struct { const char* name; int slot, rowHeight; } fontFiles[] = {
        {"c_tickertape.png", 0, 30}, {"c_neopolitical_l.png", 2, 26}, {"c_neopolitical.png", 1, 18}};
    for (const auto& f : fontFiles) {
        loadPicture(f.name, fontPictures[f.slot]);
        loadFont(fontPictures[f.slot], f.slot, f.rowHeight);
    }
    setGamma(gamma);

    loadPicture("sprites.png", spritesSheet);
    loadPicture("icons.png", iconsSheet);
    loadPicture("power-ups.png", powerUpsSheet);
    loadPicture("bg.png", bgPicture);
    for (int i = 0; i < kBackgroundVariants; ++i) {
        bgVariants[i] = createSurface(bgPicture->width, bgPicture->height);
        smoothSurface(bgVariants[i], bgPicture, i * 32 + 16, i * 32 + 16);
    }
    workSurface = createSurface(330, 440);
}

// Everything loaded at start lives until the process ends.
void releaseAssets() {}

#include "app/load_assets.h"

#include "game/flow/settings.h"
#include "game/game_state.h"
#include "game/layout.h"
#include "game/play/tables.h"
#include "gfx/assets.h"
#include "gfx/blit.h"
#include "gfx/font.h"
#include "gfx/picture.h"
#include "shell/log.h"
#include "sound/mixer.h"
#include "sound/samples.h"

namespace {
void LoadFontPicture(const char* name, int slot, int rowHeight) {
    Surface* picture = nullptr;
    loadPicture(name, picture);
    loadFont(picture, slot, rowHeight);
}
}  // namespace

void loadAssets() {
    FillTrigTables();  // the blast frames are a constant table
    currentMode = ModeLogoSplash;
    static const char* const names[kMusicTracks] = {"coolcat.raw",       "vorpala.raw",       "percmysterya.raw",
                                                    "burningloveb.raw",  "slowbassorgan.raw", "spacemonkey.raw"};
    for (int i = 0; i < kMusicTracks; ++i) musicTrackNames[i] = names[i];
    musicWanted = musicShown = musicPlaying = -1;

    loadSound("cleep2.raw", SoundCleep, 0);
    loadSound("fearme1.raw", SoundFearMe, 0);
    loadSound("electron.raw", SoundElectron, 0);
    loadSound("scoreup.raw", SoundScoreUp, 0);
    loadSound("generalsfx8.raw", SoundGeneral8, 0);
    loadSound("generalsfx48.raw", SoundGeneral48, 0);
    loadSound("DESTROY.raw", SoundDestroy, 0);
    loadSound("maximize03.raw", SoundMaximize, 0);
    loadSound("minimize3.raw", SoundMinimize, 0);
    loadSound("chomp.raw", SoundChomp, 0);
    loadSound("fizz.raw", SoundFizz, 0);
    loadSound("doh.raw", SoundDoh, 0);
    loadSound("zwiff.raw", SoundZwiff, 0);

    loadPicture("titleBack.png", titleBackPicture);

    if (!LoadSettings()) {
        LogMessage(1, "[WARNING] Unable to load settings. Setting defaults.\n");
        SetDefaultSettings();
        levelProgress[0][0] = 0;
        levelProgress[0][1] = 0;
    }

    // The glyph pictures load darker in the middle tones.
    const int gamma = getGamma();
    setGamma(80);
    for (const layout::FontLayout& font : layout::kFonts) LoadFontPicture(font.file, font.slot, font.rowHeight);
    setGamma(gamma);

    loadPicture("sprites.png", spritesSheet);
    loadPicture("icons.png", iconsSheet);
    loadPicture("power-ups.png", powerUpsSheet);

    loadSoundHalfRate("coolcat.raw", SoundMusicA, 1);
    loadSoundHalfRate("scream.raw", SoundScream, 0);

    loadPicture("bg.png", bgPicture);
    for (int i = 0; i < 8; ++i) {
        bgVariants[i] = createSurface(bgPicture->width, bgPicture->height);
        smoothSurface(bgVariants[i], bgPicture, i * 32 + 16, i * 32 + 16);
    }

    workSurface = createSurface(330, 440);
}

// Everything loaded at start lives until the process ends.
void releaseAssets() {}

#include "game/flow/splash.h"

#include <algorithm>

#include "game/game_state.h"
#include "gfx/blit.h"
#include "gfx/picture.h"
#include "shell/input.h"
#include "shell/platform.h"
#include "sound/mixer.h"
#include "sound/samples.h"

namespace {
Surface* logoTop;     // "qvlogo.png"
Surface* logoBottom;  // "wxintro.png"
Surface* introPicture;
Surface* introMouth;
int64_t splashStart;  // counter reading at the splash's first tick

// The timer rises by 10 a tick up to 280; after that only once two whole
// seconds have passed since the first tick, or while the button is held.
void AdvanceSplashTimer() {
    if (splashTimer == 0) splashStart = platform.readCounter();
    if (splashTimer < 281) {
        splashTimer += 10;
        return;
    }
    int64_t seconds = (platform.readCounter() - splashStart) / platform.counterFrequency();
    if (seconds > 1 || mouseButtonDown) splashTimer += 10;
}

void DrawBlendedCentred(Surface* picture, int cy, int fade) {
    drawSpriteParam(backSurface, backSurface->halfWidth - picture->halfWidth, cy - picture->halfHeight, picture->width,
                    picture->height, picture, 0, 0, BlitAlpha, fade);
}
}  // namespace

int32_t SplashFade(int32_t timer) {
    int32_t a = timer <= 300 ? timer : 255 - (timer - 300);
    return std::clamp(a, 0, 255);
}

void EnterLogoSplash() {
    loadPicture("qvlogo.png", logoTop);
    loadPicture("wxintro.png", logoBottom);
    Surface* unused = nullptr;
    loadPicture("tnlogo.png", unused);
    removeSurface(unused);
    splashTimer = 0;
}

void LeaveLogoSplash() {
    removeSurface(logoTop);
    removeSurface(logoBottom);
}

int32_t UpdateLogoSplash() {
    AdvanceSplashTimer();
    return splashTimer > 550 ? ModeIntroSplash : ModeLogoSplash;
}

int32_t DrawLogoSplash() {
    clearSurface(backSurface);
    const int fade = SplashFade(splashTimer);
    const int s = (std::min(splashTimer, 230) >> 4) - 20;
    DrawBlendedCentred(logoTop, backSurface->halfHeight - 100 - s, fade);
    DrawBlendedCentred(logoBottom, backSurface->halfHeight + 80 + s, fade);
    return ModeLogoSplash;
}

void EnterIntroSplash() {
    loadSoundHalfRate("monkey.raw", SoundMonkey, 0);
    loadPicture("monkey.png", introPicture);
    loadPicture("monkeym.png", introMouth);
    splashTimer = 0;
}

void LeaveIntroSplash() {
    removeSurface(introPicture);
    removeSurface(introMouth);
    playSoundEx(SoundMusicA, 1);
}

int32_t UpdateIntroSplash() {
    AdvanceSplashTimer();
    if (splashTimer == 280) playSound(SoundMonkey);
    if (splashTimer > 580) {
        musicWanted = 0;
        return ModeMainMenu;
    }
    return ModeIntroSplash;
}

int32_t DrawIntroSplash() {
    const int fade = SplashFade(splashTimer);
    const uint16_t border = blendColours(getPixel(introPicture, 0, 0), 0, fade);
    for (int y = 0; y < backSurface->height; ++y)
        for (int x = 0; x < backSurface->width; ++x) *pixelAddress(backSurface, x, y) = border;
    const int x = backSurface->halfWidth - introPicture->halfWidth, y = backSurface->halfHeight - introPicture->halfHeight;
    drawSpriteParam(backSurface, x, y, introPicture->width, introPicture->height, introPicture, 0, 0, BlitFill, 0);
    DrawBlendedCentred(introPicture, backSurface->halfHeight, fade);
    if (voiceCount > 0) DrawBlendedCentred(introMouth, backSurface->halfHeight, fade);
    return ModeIntroSplash;
}

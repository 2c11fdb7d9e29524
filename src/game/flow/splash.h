// The two start-up splash screens: two logos fading in and out on black, then a
// picture with a talking mouth and its jingle.
#pragma once
#include <cstdint>

void EnterLogoSplash();
void LeaveLogoSplash();
int32_t UpdateLogoSplash();
int32_t DrawLogoSplash();

void EnterIntroSplash();
void LeaveIntroSplash();
int32_t UpdateIntroSplash();
int32_t DrawIntroSplash();

// The fade level of a splash for its timer: up to 255 while it rises to 300,
// then down again.
int32_t SplashFade(int32_t timer);

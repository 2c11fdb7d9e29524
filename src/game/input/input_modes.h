// What each screen does with an input event: the message number, the virtual-key
// code (wParam) and, for keys, the character the key produces.
#pragma once
#include <cstdint>

// Escape's copy of the play screen into playfieldImage, so that the menu shows
// the frozen frame behind itself.
void FreezePlayfield();
// A key code compared with a binding: the code taken as a signed 16-bit value.
inline int32_t KeyCode(uint32_t wParam) { return static_cast<int16_t>(wParam & 0xFFFF); }

// The rules every event passes first (the screenshot key, Escape to the menu,
// the editor's exit button); true when one of them took the event.
bool HandleGeneralInput(uint32_t message, uint32_t wParam, int32_t param);
// The window lost the keyboard focus: a game in play goes to the menu as if the
// Escape binding had been pressed; every other screen stays as it is.
void HandleFocusLost();
// Panel screens read the pointer in panel coordinates: 20 less in x and y.
void ShiftPointerToPanel();

void LogoSplashInput(uint32_t message, uint32_t wParam, int32_t param);
void IntroSplashInput(uint32_t message, uint32_t wParam, int32_t param);
void MainMenuInput(uint32_t message, uint32_t wParam, int32_t param);
void OptionsInput(uint32_t message, uint32_t wParam, int32_t param);
void HighScoresInput(uint32_t message, uint32_t wParam, int32_t param);
void EnterNameInput(uint32_t message, uint32_t wParam, int32_t param);
void ExitWallpaperInput(uint32_t message, uint32_t wParam, int32_t param);
void InfoPageInput(uint32_t message, uint32_t wParam, int32_t param);
void ChooseLevelInput(uint32_t message, uint32_t wParam, int32_t param);
void PlayInput(uint32_t message, uint32_t wParam, int32_t param);
void GameOverInput(uint32_t message, uint32_t wParam, int32_t param);

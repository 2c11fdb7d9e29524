// The modes (screens) of the game and the state they share.
#pragma once
#include <cstdint>

#include "shell/input.h"

enum Mode : int32_t {
    ModeMainMenu = 1,
    ModeOptions = 40,
    ModeHighScores = 50,
    ModeEnterName = 51,
    ModeExitWallpaper = 60,
    ModeInfoPage = 70,
    ModeChooseLevel = 109,
    ModePlay = 110,
    ModeLevelStart = 112,
    ModeLevelComplete = 113,
    ModeNewGame = 114,
    ModeGameOver = 115,
    ModeLevelEditor = 200,
    ModeLogoSplash = 500,
    ModeIntroSplash = 501,
    ModeConvertLevels = 1099,
};

constexpr int32_t levelCount = 100;
constexpr int kDifficulties = 4;
constexpr int kKeyBindings = 5;
enum KeyBinding { BindUp = 0, BindDown, BindLeft, BindRight, BindEscape };
// The arrow keys and Escape, until the player binds others.
constexpr int32_t kDefaultKeyBindings[kKeyBindings] = {VkUp, VkDown, VkLeft, VkRight, VkEscape};

extern int32_t currentMode;  // written by the loop and start-up; every screen's input and the level runs
extern int32_t difficulty;       // 1 Easy, 2 Medium, 3 Hard, 4 Insane; written by settings, options, start-up and level runs
extern int32_t currentLevel;     // 0..99; written by level flow, the chooser, the editor, level runs
extern int32_t lives;  // written by level flow, the play step, power-ups
extern int32_t score;  // written by level flow, the play step, blocks, power-ups, high scores, the autoplayer
extern int16_t gameInProgress;  // written by level flow, the chooser
extern int32_t serveTimer;  // written by level flow, the play step, hints, play input
extern int32_t hintsEnabled;  // written by settings, options, level runs
extern int32_t levelProgress[kDifficulties][levelCount];  // written by settings and the start-up load
extern int32_t keyBindings[kKeyBindings];  // written by settings, options input
extern int32_t highScoreRank;  // written by main menu, game over, name input
extern char playerName[11];  // written by name entry
extern int32_t playerNameLength;  // written by name entry
extern uint32_t tickCounter;  // written by the mode dispatch
extern int32_t modeTickCount;  // written by the loop and the mode dispatch
extern int32_t modeFrameCount;  // written by the loop and the mode dispatch
extern int32_t backgroundScroll;  // written by the mode dispatch
extern int32_t splashTimer;  // written by the splash screens
extern int32_t shakeAmount;  // written by level flow, power-ups
extern int32_t shakeX, shakeY;  // the playfield's displacement by the shake; written by level flow

// Options of the information page's hidden panel; not saved. Written by the
// information page's input (and level runs, for unlimited lives).
extern int32_t optUnlimitedLives;
extern int32_t optUnlockAllLevels;
extern int32_t optFatPaddle;  // 0 or 40
extern int32_t optMaxPowerUp;
extern int32_t optSeePowerUps;
extern int32_t optDisableDebris;

// Music. Written by the music step and the options window; the track wanted
// also by the screens that change it (splash, menu, name entry, level flow and
// level loading); the names once, by the start-up load.
constexpr int kMusicTracks = 6;
extern const char* musicTrackNames[kMusicTracks];
extern int32_t musicWanted;
extern int32_t musicShown;
extern int32_t musicPlaying;
extern int32_t musicFade;
extern int32_t musicVolume;
extern int32_t musicSlot;

// The levelProgress row of a difficulty; a value outside 1..4 (a hand-edited
// settings file) uses the Easy row, as the options window would make it.
inline int32_t* LevelProgressRow(int32_t d) { return levelProgress[d >= 1 && d <= kDifficulties ? d - 1 : 0]; }

// Puts every field back to its value at program start.
void ResetGameState();

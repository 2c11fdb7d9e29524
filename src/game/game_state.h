// The modes (screens) of the game and the state they share.
#pragma once
#include <cstdint>

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

extern int32_t currentMode;
extern int32_t difficulty;       // 1 Easy, 2 Medium, 3 Hard, 4 Insane
extern int32_t currentLevel;     // 0..99
extern int32_t lives;
extern int32_t score;
extern int16_t gameInProgress;
extern int32_t serveTimer;
extern int32_t hintsEnabled;
extern int32_t levelProgress[kDifficulties][levelCount];
extern int32_t keyBindings[kKeyBindings];
extern int32_t highScoreRank;
extern char playerName[11];
extern int32_t playerNameLength;
extern uint32_t tickCounter;
extern int32_t modeTickCount;
extern int32_t modeFrameCount;
extern int32_t backgroundScroll;
extern int32_t splashTimer;
extern int32_t shakeAmount;
extern int32_t shakeX, shakeY;  // the playfield's displacement by the shake

// Options of the information page's hidden panel; not saved.
extern int32_t optUnlimitedLives;
extern int32_t optUnlockAllLevels;
extern int32_t optFatPaddle;  // 0 or 40
extern int32_t optMaxPowerUp;
extern int32_t optSeePowerUps;
extern int32_t optDisableDebris;

// Music.
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

#include "game/game_state.h"

#include <cstring>

int32_t currentMode;
int32_t difficulty;
int32_t currentLevel;
int32_t lives;
int32_t score;
int16_t gameInProgress;
int32_t serveTimer;
int32_t hintsEnabled;
int32_t levelProgress[kDifficulties][levelCount];
int32_t keyBindings[kKeyBindings];
int32_t highScoreRank;
char playerName[11];
int32_t playerNameLength;
uint32_t tickCounter;
int32_t modeTickCount;
int32_t modeFrameCount;
int32_t backgroundScroll;
int32_t splashTimer;
int32_t shakeAmount;
int32_t shakeX, shakeY;

int32_t optUnlimitedLives;
int32_t optUnlockAllLevels;
int32_t optFatPaddle;
int32_t optMaxPowerUp;
int32_t optSeePowerUps;
int32_t optDisableDebris;

const char* musicTrackNames[kMusicTracks];
int32_t musicWanted;
int32_t musicShown;
int32_t musicPlaying;
int32_t musicFade;
int32_t musicVolume;
int32_t musicSlot;

void ResetGameState() {
    currentMode = 0;
    difficulty = 1;
    currentLevel = 0;
    lives = 5;
    score = 0;
    gameInProgress = 0;
    serveTimer = 0;
    hintsEnabled = 1;
    std::memset(levelProgress, 0, sizeof levelProgress);
    std::memcpy(keyBindings, kDefaultKeyBindings, sizeof keyBindings);
    highScoreRank = -1;
    std::memset(playerName, 0, sizeof playerName);
    playerNameLength = 0;
    tickCounter = 0;
    modeTickCount = 0;
    modeFrameCount = 0;
    backgroundScroll = 0;
    splashTimer = 0;
    shakeAmount = 0;
    shakeX = shakeY = 0;
    optUnlimitedLives = optUnlockAllLevels = optFatPaddle = 0;
    optMaxPowerUp = optSeePowerUps = optDisableDebris = 0;
    for (auto& name : musicTrackNames) name = nullptr;
    musicWanted = musicShown = musicPlaying = -1;
    musicFade = 0;
    musicVolume = 255;
    musicSlot = 15;
}

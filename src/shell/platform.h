// The seam between the game and the machine. Game code calls these and never
// includes SDL; the SDL build fills them in (sdl_platform.cpp), headless runs use
// the virtual-clock defaults of platform.cpp, and tests install their own.
#pragma once
#include <cstdint>

enum MessageButtons { MessageOk, MessageRetryCancel };
enum MessageAnswer { AnswerOk = 1, AnswerCancel = 2, AnswerRetry = 4 };

struct Platform {
    int64_t (*readCounter)();                 // the performance counter
    int64_t (*counterFrequency)();            // counter ticks per second, 0 when there is none
    void (*waitUntil)(int64_t deadline);      // rest until the counter reaches deadline or input arrives
    void (*pumpEvents)();                     // hand pending window input to TranslateInput
    void (*present)(const uint16_t* pixels);  // show the 640 x 480 display buffer
    void (*setCursorVisible)(bool visible);
    void (*warpCursor)(int x, int y);         // game pixels
    int (*messageBox)(const char* text, const char* caption, MessageButtons buttons);
    void (*lockAudio)();                      // the one lock the mixer shares with the game
    void (*unlockAudio)();
};

extern Platform platform;

// Set to end the program as a window close does; the main loop stops at the end
// of the pass.
extern int32_t quitRequested;
extern int32_t programExitStatus;  // what the program returns once the loop ends
void RequestClose();

// The pointer, in game pixels.
void ShowCursor();
void HideCursor();
void SetCursorPosition(int x, int y);

// The virtual clock of headless runs: 60,000,000,000 counts a second, so one
// tick is 10^9 counts and the +1 drift of each pass never adds up to a tick.
constexpr int64_t kVirtualFrequency = 60'000'000'000LL;
void UseHeadlessPlatform();
int64_t VirtualCounterNow();

// A message box in a headless run: one line on stderr, answered with its last button.
int HeadlessMessageBox(const char* text, const char* caption, MessageButtons buttons);

// Holds the audio lock for one scope.
struct AudioLock {
    AudioLock() { platform.lockAudio(); }
    ~AudioLock() { platform.unlockAudio(); }
    AudioLock(const AudioLock&) = delete;
    AudioLock& operator=(const AudioLock&) = delete;
};

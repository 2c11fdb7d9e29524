#include "shell/platform.h"

#include <cstdio>

namespace {
int64_t virtualCounter = 0;

int64_t HeadlessRead() { return virtualCounter; }
int64_t HeadlessFrequency() { return kVirtualFrequency; }
// Every pass of the loop moves the clock on by exactly one tick interval plus one,
// so each pass runs one update and one draw.
void HeadlessWait(int64_t) { virtualCounter += kVirtualFrequency / 60 + 1; }
void HeadlessPump() {}
void HeadlessPresent(const uint16_t*) {}
void HeadlessCursor(bool) {}
void HeadlessWarp(int, int) {}
void NoLock() {}
}  // namespace

int HeadlessMessageBox(const char* text, const char* caption, MessageButtons buttons) {
    std::fprintf(stderr, "[message box] %s: %s\n", caption, text);
    return buttons == MessageRetryCancel ? AnswerCancel : AnswerOk;
}

int64_t VirtualCounterNow() { return virtualCounter; }

const Platform kHeadlessPlatform = {HeadlessRead,   HeadlessFrequency, HeadlessWait,
                                    HeadlessPump,   HeadlessPresent,   HeadlessCursor,
                                    HeadlessWarp,   HeadlessMessageBox, NoLock,
                                    NoLock};

Platform platform = kHeadlessPlatform;
int32_t quitRequested = 0;
int32_t programExitStatus = 0;

void RequestClose() { quitRequested = 1; }

void ShowCursor() { platform.setCursorVisible(true); }
void HideCursor() { platform.setCursorVisible(false); }
void SetCursorPosition(int x, int y) { platform.warpCursor(x, y); }

void UseHeadlessPlatform() {
    platform = kHeadlessPlatform;
    virtualCounter = 0;
}

// The debug console on screen: with --verbose the newest lines of the log are
// drawn over the bottom-left corner of every frame, in the small font.
#pragma once

struct Surface;

constexpr int kConsoleLinesShown = 12;

void DrawDebugConsole(Surface* dest);

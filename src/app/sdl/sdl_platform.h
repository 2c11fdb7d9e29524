// The desktop platform: an SDL window showing the 640 x 480 display buffer
// scaled into its own pixels, the performance counter, message boxes, the
// pointer, and the single-instance check.
#pragma once
#include <string>

struct SdlOptions {
    bool window = false;  // a window instead of desktop fullscreen
    int scale = 0;        // window size and whole-number scaling; 0: a 2x window, smooth fit
};

// Opens the window and installs the SDL platform. Returns false when no window
// could be made (another copy running is one reason).
bool StartSdlPlatform(const SdlOptions& options);
void StopSdlPlatform();

// The folder holding the executable, with a trailing '/'.
std::string ExecutableFolder();

// The desktop game's sound output: an SDL audio device at 22050 Hz, signed 16-bit
// mono, whose callback mixes one 1024-sample buffer at a time. The device's own
// lock is the audio lock of the platform seam.
#pragma once

// The device's own steps: open (or, with probeOnly, only check that one opens)
// and start the callback.
int openSound(int probeOnly);
void startSound();
// Opens and starts the device; when that fails, logs it and the game runs silent.
void StartSdlSound();
// Stops the callback and closes the device.
void StopSdlSound();

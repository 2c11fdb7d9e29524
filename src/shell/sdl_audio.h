// The desktop game's sound output: an SDL audio device at 22050 Hz, signed 16-bit
// mono, whose callback mixes one 1024-sample buffer at a time. The device's own
// lock is the audio lock of the platform seam.
#pragma once

// Opens and starts the device; when that fails, logs it and the game runs silent.
void StartSdlSound();
// Stops the callback and closes the device.
void StopSdlSound();

// --audio-out: a headless run writes the mixer's output to a 22050 Hz mono 16-bit
// WAV file instead of a device, one 1024-sample buffer each time the (virtual)
// counter has moved on by another 1024 samples, so a scripted run's sound is
// the same on every machine.
#pragma once
#include <string>

// Opens the file, writes a header and starts the output; false (logged) when the
// file cannot be made.
bool StartAudioFile(const std::string& path);
// Writes the buffers whose time has come. Runs after every wait of the loop.
void CatchUpAudioFile();
// Fills in the header's sizes and closes the file; false when any write failed.
bool FinishAudioFile();

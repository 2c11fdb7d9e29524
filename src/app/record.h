// Recording a session: every input event the game receives is written as a
// script line with the tick it arrived after, so that --script replays the
// session to the same state. A player can send a recording with a bug report.
#pragma once
#include <cstdint>
#include <string>

// Starts writing to path; false when the file cannot be created.
bool StartRecording(const std::string& path);
// Writes one event as TranslateInput receives it. Does nothing while not recording.
void RecordInput(uint32_t message, uint32_t wParam, uint32_t lParam);
// Writes the loss of the window's focus, an event of its own.
void RecordFocusLost();
// Ends the recording with a quit line at the current tick, so a replay stops
// where the session stopped.
void StopRecording();

// The debug log: a scrolling console of 100 short coloured lines, a log file and,
// with --verbose, an echo on stderr. Safe to call from the audio thread.
#pragma once
#include <cstdint>
#include <string>

constexpr int kConsoleLines = 100;
constexpr int kConsoleColumns = 30;

// Colour indices into paletteColours.
enum LogColour { ColourWhite = 0, ColourYellow, ColourCyan, ColourBlue, ColourMagenta, ColourGreen, ColourRed };

extern int32_t logVerbosity;  // highest level recorded on the console; 0 in normal play
extern char consoleLines[kConsoleLines][kConsoleColumns];
extern int8_t consoleColours[kConsoleLines][kConsoleColumns];
extern int32_t consoleColumn;

void LogMessage(int level, const std::string& text);
void LogMessageColour(int level, const std::string& text, int colour);

// printf-style formatting into a string, for building log texts.
std::string StrFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Everything logged is also appended to this file (opened by the shell) and,
// when echo is on, written to stderr. The file is emptied and locked for this
// copy; false, and no log file, while another copy holds it.
bool OpenLogFile(const std::string& path);
// Renames the previous run's log to PATH.old (replacing an older one). Only the
// copy that holds the single-copy claim may call it: another copy's open log
// must never be moved away from under it.
void KeepPreviousLog(const std::string& path);
// The log's first line: the program's version and the local date and time.
std::string LogHeaderLine(const char* version);
void SetLogEcho(bool echo);
void ResetConsole();

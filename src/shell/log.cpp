#include "shell/log.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <mutex>

int32_t logVerbosity = 0;
char consoleLines[kConsoleLines][kConsoleColumns];
int8_t consoleColours[kConsoleLines][kConsoleColumns];
int32_t consoleColumn = 0;

namespace {
std::mutex logMutex;
FILE* logFile = nullptr;
bool logEcho = false;

void NewConsoleLine() {
    consoleColumn = 0;
    std::memmove(consoleLines[1], consoleLines[0], sizeof consoleLines[0] * (kConsoleLines - 1));
    std::memmove(consoleColours[1], consoleColours[0], sizeof consoleColours[0] * (kConsoleLines - 1));
    std::memset(consoleLines[0], 0, sizeof consoleLines[0]);
    std::memset(consoleColours[0], 0, sizeof consoleColours[0]);
}

void AppendToConsole(const std::string& text, int colour) {
    for (size_t i = 0; i < text.size();) {
        char c = text[i];
        if (consoleColumn < kConsoleColumns && c != '\n') {
            consoleLines[0][consoleColumn] = c;
            consoleColours[0][consoleColumn] = static_cast<int8_t>(colour);
            ++consoleColumn;
            ++i;
            continue;
        }
        // A full line wraps and the same character is written again on the new
        // line; a newline just ends the line.
        bool wasFull = consoleColumn >= kConsoleColumns;
        NewConsoleLine();
        if (!wasFull) ++i;
    }
}
}  // namespace

void LogMessageColour(int level, const std::string& text, int colour) {
    std::lock_guard<std::mutex> hold(logMutex);
    if (logFile) {
        std::fputs(text.c_str(), logFile);
        std::fflush(logFile);
    }
    if (logEcho) std::fputs(text.c_str(), stderr);
    if (level <= logVerbosity) AppendToConsole(text, colour);
}

void LogMessage(int level, const std::string& text) { LogMessageColour(level, text, ColourWhite); }

std::string StrFormat(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out(n > 0 ? static_cast<size_t>(n) : 0, '\0');
    if (n > 0) std::vsnprintf(out.data(), out.size() + 1, format, args);
    va_end(args);
    return out;
}

bool OpenLogFile(const std::string& path) {
    std::lock_guard<std::mutex> hold(logMutex);
    if (logFile) std::fclose(logFile);
    logFile = nullptr;
    // The file is emptied only once this copy holds the lock on it: another copy
    // still writing there keeps its log whole.
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    struct stat info;
    const bool regular = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    // A file system without locks (errors other than "held") does not stop the log.
    const bool held = regular && flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    if (held || (regular && ftruncate(fd, 0) != 0) || !(logFile = fdopen(fd, "w"))) {
        close(fd);
        return false;
    }
    return true;
}

void KeepPreviousLog(const std::string& path) { std::rename(path.c_str(), (path + ".old").c_str()); }

std::string LogHeaderLine(const char* version) {
    const std::time_t now = std::time(nullptr);
    char date[64] = "";
    if (const std::tm* local = std::localtime(&now)) std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S %z", local);
    return StrFormat("zapbrik %s, started %s\n", version, date);
}

void SetLogEcho(bool echo) {
    std::lock_guard<std::mutex> hold(logMutex);
    logEcho = echo;
}

void ResetConsole() {
    std::lock_guard<std::mutex> hold(logMutex);
    std::memset(consoleLines, 0, sizeof consoleLines);
    std::memset(consoleColours, 0, sizeof consoleColours);
    consoleColumn = 0;
}

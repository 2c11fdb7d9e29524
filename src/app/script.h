// Scripted input for headless and test runs. One command a line; the first field
// is the tick after which the command runs, in the message-drain step of that pass:
//   120 key down 0x27 | 200 mouse move 300 250 | 210 mouse down left 300 250
//   300 screenshot shot.png | 300 dump state.txt | 400 focus lost | 900 quit
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct ScriptCommand {
    enum Kind { KeyDown, KeyUp, MouseMove, MouseDown, MouseUp, Screenshot, Dump, FocusLost, Quit } kind;
    uint32_t tick;
    uint32_t code;   // key code, or 0 left / 1 right for buttons
    int32_t x, y;
    std::string path;
    int line;
};

// Parses a whole script. On an error returns false and sets error to
// "LINE: message".
bool ParseScript(const std::string& text, std::vector<ScriptCommand>& out, std::string& error);
bool LoadScript(const std::string& path, std::string& error);

// The --ticks limit: the program ends after this many ticks (0 = no limit).
extern uint32_t tickLimit;

// Runs every loaded command that is due by tickCounter, and ends the program
// once the tick limit is reached.
void RunDueScriptCommands();
void RunScriptCommand(const ScriptCommand& command);

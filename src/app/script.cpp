#include "app/script.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "game/game_state.h"
#include "app/modes.h"
#include "app/state_dump.h"
#include "game/play/state_hash.h"
#include "gfx/png_writer.h"
#include "gfx/display.h"
#include "app/events.h"
#include "shell/log.h"
#include "shell/platform.h"

uint32_t tickLimit = 0;

namespace {
std::vector<ScriptCommand> script;
size_t nextCommand = 0;
bool shiftHeld = false;
bool leftHeld = false;
bool rightHeld = false;
// The open state trace: a line every traceEvery ticks, the next at traceTick.
std::FILE* trace = nullptr;
uint32_t traceEvery = 0;
uint32_t traceTick = 0;

bool ParseNumber(const std::string& word, long long low, long long high, long long& value) {
    if (word.empty()) return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtoll(word.c_str(), &end, 0);
    return errno == 0 && *end == '\0' && value >= low && value <= high;
}

std::string ParseLine(const std::string& line, int lineNumber, ScriptCommand& c, bool& empty) {
    std::istringstream in(line.substr(0, line.find('#')));
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    empty = words.empty();
    if (empty) return "";
    c = ScriptCommand{};
    c.line = lineNumber;
    long long value;
    if (!ParseNumber(words[0], 0, 0xFFFFFFFFLL, value)) return "bad tick \"" + words[0] + "\"";
    c.tick = static_cast<uint32_t>(value);
    if (words.size() < 2) return "missing command";
    const std::string& verb = words[1];
    auto expect = [&](size_t n) { return words.size() == n ? "" : "wrong number of fields for " + verb; };
    if (verb == "key") {
        if (std::string e = expect(4); !e.empty()) return e;
        if (words[2] == "down") c.kind = ScriptCommand::KeyDown;
        else if (words[2] == "up") c.kind = ScriptCommand::KeyUp;
        else return "key needs down or up";
        // A number is the code itself; any other word is a key's name ("Escape", "Left").
        const bool number = ParseNumber(words[3], 0, 0xFF, value);
        if (!number) value = KeyCodeFromName(words[3]);
        if (value < 0) return "bad key code \"" + words[3] + "\"";
        c.code = static_cast<uint32_t>(value);
    } else if (verb == "mouse") {
        size_t at = 3;
        if (words.size() > 2 && words[2] == "move") {
            c.kind = ScriptCommand::MouseMove;
        } else {
            if (words.size() < 4) return "mouse needs move, down or up";
            if (words[2] == "down") c.kind = ScriptCommand::MouseDown;
            else if (words[2] == "up") c.kind = ScriptCommand::MouseUp;
            else return "mouse needs move, down or up";
            if (words[3] == "left") c.code = 0;
            else if (words[3] == "right") c.code = 1;
            else return "mouse button must be left or right";
            at = 4;
        }
        if (std::string e = expect(at + 2); !e.empty()) return e;
        if (!ParseNumber(words[at], -32768, 32767, value)) return "bad x \"" + words[at] + "\"";
        c.x = static_cast<int32_t>(value);
        if (!ParseNumber(words[at + 1], -32768, 32767, value)) return "bad y \"" + words[at + 1] + "\"";
        c.y = static_cast<int32_t>(value);
    } else if (verb == "screenshot" || verb == "dump") {
        if (std::string e = expect(3); !e.empty()) return e;
        c.kind = verb == "dump" ? ScriptCommand::Dump : ScriptCommand::Screenshot;
        c.path = words[2];
    } else if (verb == "trace") {
        if (std::string e = expect(4); !e.empty()) return e;
        c.kind = ScriptCommand::Trace;
        c.path = words[2];
        if (!ParseNumber(words[3], 1, 1000000, value)) return "bad trace interval \"" + words[3] + "\"";
        c.code = static_cast<uint32_t>(value);
    } else if (verb == "focus") {
        if (std::string e = expect(3); !e.empty()) return e;
        if (words[2] != "lost") return "focus needs lost";
        c.kind = ScriptCommand::FocusLost;
    } else if (verb == "quit") {
        if (std::string e = expect(2); !e.empty()) return e;
        c.kind = ScriptCommand::Quit;
    } else {
        return "unknown command \"" + verb + "\"";
    }
    return "";
}

uint32_t ButtonFlags() {
    return (leftHeld ? uint32_t{MouseFlagLeft} : 0u) | (rightHeld ? uint32_t{MouseFlagRight} : 0u) |
           (shiftHeld ? uint32_t{MouseFlagShift} : 0u);
}
}  // namespace

bool ParseScript(const std::string& text, std::vector<ScriptCommand>& out, std::string& error) {
    out.clear();
    std::istringstream in(text);
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        ScriptCommand c;
        bool empty;
        std::string problem = ParseLine(line, lineNumber, c, empty);
        if (!problem.empty()) {
            error = std::to_string(lineNumber) + ": " + problem;
            return false;
        }
        if (!empty) out.push_back(c);
    }
    return true;
}

bool LoadScript(const std::string& path, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot open " + path;
        return false;
    }
    std::stringstream text;
    text << file.rdbuf();
    std::vector<ScriptCommand> parsed;
    if (!ParseScript(text.str(), parsed, error)) {
        error = path + ":" + error;
        return false;
    }
    // Commands run in tick order; lines of the same tick keep their order.
    std::stable_sort(parsed.begin(), parsed.end(),
                     [](const ScriptCommand& a, const ScriptCommand& b) { return a.tick < b.tick; });
    script = std::move(parsed);
    nextCommand = 0;
    return true;
}

void RunScriptCommand(const ScriptCommand& c) {
    switch (c.kind) {
        case ScriptCommand::KeyDown:
        case ScriptCommand::KeyUp: {
            bool down = c.kind == ScriptCommand::KeyDown;
            if (c.code == 0x10) shiftHeld = down;
            TranslateInput(down ? MsgKeyDown : MsgKeyUp, c.code, 0, KeyCharacter(c.code, shiftHeld, false));
            break;
        }
        case ScriptCommand::MouseMove:
            TranslateInput(MsgMouseMove, ButtonFlags(), PointerParam(c.x, c.y), 0);
            break;
        case ScriptCommand::MouseDown:
        case ScriptCommand::MouseUp: {
            bool down = c.kind == ScriptCommand::MouseDown;
            bool left = c.code == 0;
            (left ? leftHeld : rightHeld) = down;
            uint32_t message = left ? (down ? MsgLeftDown : MsgLeftUp) : (down ? MsgRightDown : MsgRightUp);
            TranslateInput(message, ButtonFlags(), PointerParam(c.x, c.y), 0);
            break;
        }
        case ScriptCommand::Screenshot:
            if (!WriteRgb565Png(c.path, displayBuffer, kScreenWidth, kScreenHeight))
                LogMessageColour(1, "[ERROR] Unable to write screenshot " + c.path + "\n", ColourRed);
            break;
        case ScriptCommand::Dump:
            if (!WriteStateDump(c.path))
                LogMessageColour(1, "[ERROR] Unable to write state dump " + c.path + "\n", ColourRed);
            break;
        case ScriptCommand::Trace:
            if (trace) std::fclose(trace);
            trace = std::fopen(c.path.c_str(), "w");
            if (!trace) {
                LogMessageColour(1, "[ERROR] Unable to write state trace " + c.path + "\n", ColourRed);
                break;
            }
            std::fprintf(trace, "%s\n", StateTraceHeader().c_str());
            traceEvery = c.code;
            traceTick = tickCounter;
            break;
        case ScriptCommand::FocusLost:
            FocusLost();
            break;
        case ScriptCommand::Quit:
            RequestClose();
            break;
    }
}

void RunDueScriptCommands() {
    while (nextCommand < script.size() && script[nextCommand].tick <= tickCounter)
        RunScriptCommand(script[nextCommand++]);
    if (trace && tickCounter >= traceTick) {
        std::fprintf(trace, "%s\n", StateTraceLine().c_str());
        std::fflush(trace);
        traceTick = tickCounter + traceEvery;
    }
    if (tickLimit != 0 && tickCounter >= tickLimit) RequestClose();
}

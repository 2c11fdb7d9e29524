#include "shell/input.h"

#include <cstdio>

int32_t mouseX = 0;
int32_t mouseY = 0;
int32_t mouseButtonDown = 0;

int32_t KeyCharacter(uint32_t vk, bool shift, bool capsLock) {
    static const char digitsShifted[] = ")!@#$%^&*(";
    int c = -1;
    if (vk >= 'A' && vk <= 'Z') {
        c = (shift != capsLock) ? static_cast<int>(vk) : static_cast<int>(vk) + 32;
    } else if (vk >= '0' && vk <= '9') {
        c = shift ? digitsShifted[vk - '0'] : static_cast<int>(vk);
    } else if (vk >= 0x60 && vk <= 0x69) {
        c = '0' + static_cast<int>(vk - 0x60);
    } else {
        switch (vk) {
            case 0x08: case 0x09: case 0x0D: case 0x1B: case 0x20: c = static_cast<int>(vk); break;
            case 0x6A: c = '*'; break;
            case 0x6B: c = '+'; break;
            case 0x6D: c = '-'; break;
            case 0x6E: c = '.'; break;
            case 0x6F: c = '/'; break;
            case 0xBA: c = shift ? ':' : ';'; break;
            case 0xBB: c = shift ? '+' : '='; break;
            case 0xBC: c = shift ? '<' : ','; break;
            case 0xBD: c = shift ? '_' : '-'; break;
            case 0xBE: c = shift ? '>' : '.'; break;
            case 0xBF: c = shift ? '?' : '/'; break;
            case 0xC0: c = shift ? '~' : '`'; break;
            case 0xDB: c = shift ? '{' : '['; break;
            case 0xDC: c = shift ? '|' : '\\'; break;
            case 0xDD: c = shift ? '}' : ']'; break;
            case 0xDE: c = shift ? '"' : '\''; break;
            default: break;
        }
    }
    // A key without a character leaves the key code in the 16-bit buffer.
    uint16_t buffer = static_cast<uint16_t>(c >= 0 ? c : static_cast<int>(vk & 0xFFFF));
    return static_cast<int16_t>(buffer);
}

std::string KeyName(int32_t code) {
    struct Entry {
        int16_t code;
        const char* name;
    };
    static const Entry table[] = {
        {0x0A, "Enter"}, {0x0D, "Enter"}, {0x08, "BSPACE"}, {0x09, "Tab"}, {0x03, "Cancel"}, {0x0C, "Clear"},
        {0x10, "Shift"}, {0x11, "Control"}, {0x12, "Alt"}, {0x13, "Pause"}, {0x14, "CLOCK"},
        {0x1B, "Escape"}, {0x20, "Space"}, {0x21, "P Up"}, {0x22, "P Down"}, {0x23, "End"}, {0x24, "Home"},
        {0x25, "Left"}, {0x26, "Up"}, {0x27, "Right"}, {0x28, "Down"},
        {0x60, "NUM0"}, {0x61, "NUM1"}, {0x62, "NUM2"}, {0x63, "NUM3"}, {0x64, "NUM4"},
        {0x65, "NUM5"}, {0x66, "NUM6"}, {0x67, "NUM7"}, {0x68, "NUM8"}, {0x69, "NUM9"},
        {0x2E, "DEL"}, {0x90, "NLOCK"}, {0x91, "SLOCK"}, {0x9A, "PSCREEN"}, {0x2D, "INS"}, {0x2F, "HELP"},
        {0x9D, "META"}, {0xDE, "QUOTE"},
        {0x2C, ","}, {0x2E, "."}, {0x2F, "/"},
        {0x30, "0"}, {0x31, "1"}, {0x32, "2"}, {0x33, "3"}, {0x34, "4"},
        {0x35, "5"}, {0x36, "6"}, {0x37, "7"}, {0x38, "8"}, {0x39, "9"},
        {0x3B, ";"}, {0x3D, "="},
        {0x41, "A"}, {0x42, "B"}, {0x43, "C"}, {0x44, "D"}, {0x45, "E"}, {0x46, "F"}, {0x47, "G"},
        {0x48, "H"}, {0x49, "I"}, {0x4A, "J"}, {0x4B, "K"}, {0x4C, "L"}, {0x4D, "M"}, {0x4E, "N"},
        {0x4F, "O"}, {0x50, "P"}, {0x51, "Q"}, {0x52, "R"}, {0x53, "S"}, {0x54, "T"}, {0x55, "U"},
        {0x56, "V"}, {0x57, "W"}, {0x58, "X"}, {0x59, "Y"}, {0x5A, "Z"},
        {0x6B, "+"}, {0x6A, "*"}, {0x6C, "_"}, {0x6D, "-"}, {0x6E, "."}, {0x6F, "/"},
        {0x70, "F1"}, {0x71, "F2"}, {0x72, "F3"}, {0x73, "F4"}, {0x74, "F5"}, {0x75, "F6"},
        {0x76, "F7"}, {0x77, "F8"}, {0x78, "F9"}, {0x79, "F10"}, {0x7A, "F11"}, {0x7B, "F12"},
        {0xC0, "`"}, {0x5B, "["}, {0x5D, "]"},
        {-1, " "},
    };
    for (const Entry& e : table) {
        if (e.code == -1) break;
        if (e.code == code) return e.name;
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "[0x%2x]", static_cast<unsigned>(code));
    return buffer;
}

int32_t KeyCodeFromName(const std::string& name) {
    for (int32_t code = 0xFF; code >= 0; --code)
        if (KeyName(code) == name) return code;
    return -1;
}

// Input events as the game sees them: Win32 message numbers, virtual-key codes and
// the character a key produces, with the pointer in 640 x 480 game pixels.
#pragma once
#include <cstdint>
#include <string>

enum InputMessage : uint32_t {
    MsgKeyDown = 0x100,
    MsgKeyUp = 0x101,
    MsgMouseMove = 0x200,
    MsgLeftDown = 0x201,
    MsgLeftUp = 0x202,
    MsgRightDown = 0x204,
    MsgRightUp = 0x205,
};

// The virtual-key codes the game names.
enum VirtualKey : int32_t {
    VkBackspace = 0x08,
    VkTab = 0x09,
    VkEnter = 0x0D,
    VkShift = 0x10,
    VkControl = 0x11,
    VkAlt = 0x12,
    VkPause = 0x13,
    VkEscape = 0x1B,
    VkSpace = 0x20,
    VkLeft = 0x25,
    VkUp = 0x26,
    VkRight = 0x27,
    VkDown = 0x28,
    VkPrintScreen = 0x2C,
    VkF10 = 0x79,
    VkF11 = 0x7A,
    VkF12 = 0x7B,
};

// Button flags of pointer messages, as Windows gives them.
enum : uint32_t { MouseFlagLeft = 0x0001, MouseFlagRight = 0x0002, MouseFlagShift = 0x0004, MouseFlagControl = 0x0008 };

extern int32_t mouseX;
extern int32_t mouseY;
extern int32_t mouseButtonDown;

// lParam of a pointer message: x in the low 16 bits, y in the high 16 bits.
inline uint32_t PointerParam(int x, int y) {
    return (static_cast<uint32_t>(y) & 0xFFFF) << 16 | (static_cast<uint32_t>(x) & 0xFFFF);
}

// The character a key produces on a US layout, or the key code itself when the key
// produces none (arrows, function keys), as a 16-bit value sign-extended.
int32_t KeyCharacter(uint32_t virtualKey, bool shift, bool capsLock);

// The name a key binding is shown under, "[0x%2x]" for codes without one.
std::string KeyName(int32_t code);

// The code whose KeyName is name (the highest such code, so "Enter" is 0x0D), or
// -1 when no key has that name.
int32_t KeyCodeFromName(const std::string& name);

#include "app/sdl/sdl_input.h"

#include <algorithm>

#include "app/events.h"

uint32_t VirtualKeyFromSdl(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return static_cast<uint32_t>('A' + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9) return static_cast<uint32_t>('0' + (key - SDLK_0));
    if (key >= SDLK_F1 && key <= SDLK_F12) return 0x70 + static_cast<uint32_t>(key - SDLK_F1);
    switch (key) {
        case SDLK_BACKSPACE: return 0x08;
        case SDLK_TAB: return 0x09;
        case SDLK_CLEAR: return 0x0C;
        case SDLK_RETURN: case SDLK_KP_ENTER: return 0x0D;
        case SDLK_LSHIFT: case SDLK_RSHIFT: return 0x10;
        case SDLK_LCTRL: case SDLK_RCTRL: return 0x11;
        case SDLK_LALT: case SDLK_RALT: return 0x12;
        case SDLK_PAUSE: return 0x13;
        case SDLK_CAPSLOCK: return 0x14;
        case SDLK_ESCAPE: return 0x1B;
        case SDLK_SPACE: return 0x20;
        case SDLK_PAGEUP: return 0x21;
        case SDLK_PAGEDOWN: return 0x22;
        case SDLK_END: return 0x23;
        case SDLK_HOME: return 0x24;
        case SDLK_LEFT: return 0x25;
        case SDLK_UP: return 0x26;
        case SDLK_RIGHT: return 0x27;
        case SDLK_DOWN: return 0x28;
        case SDLK_PRINTSCREEN: return 0x2C;
        case SDLK_INSERT: return 0x2D;
        case SDLK_DELETE: return 0x2E;
        case SDLK_HELP: return 0x2F;
        case SDLK_LGUI: return 0x5B;
        case SDLK_RGUI: return 0x5C;
        case SDLK_APPLICATION: return 0x5D;
        case SDLK_KP_0: return 0x60;
        case SDLK_KP_1: return 0x61;
        case SDLK_KP_2: return 0x62;
        case SDLK_KP_3: return 0x63;
        case SDLK_KP_4: return 0x64;
        case SDLK_KP_5: return 0x65;
        case SDLK_KP_6: return 0x66;
        case SDLK_KP_7: return 0x67;
        case SDLK_KP_8: return 0x68;
        case SDLK_KP_9: return 0x69;
        case SDLK_KP_MULTIPLY: return 0x6A;
        case SDLK_KP_PLUS: return 0x6B;
        case SDLK_KP_MINUS: return 0x6D;
        case SDLK_KP_PERIOD: return 0x6E;
        case SDLK_KP_DIVIDE: return 0x6F;
        case SDLK_NUMLOCKCLEAR: return 0x90;
        case SDLK_SCROLLLOCK: return 0x91;
        case SDLK_SEMICOLON: return 0xBA;
        case SDLK_EQUALS: return 0xBB;
        case SDLK_COMMA: return 0xBC;
        case SDLK_MINUS: return 0xBD;
        case SDLK_PERIOD: return 0xBE;
        case SDLK_SLASH: return 0xBF;
        case SDLK_BACKQUOTE: return 0xC0;
        case SDLK_LEFTBRACKET: return 0xDB;
        case SDLK_BACKSLASH: return 0xDC;
        case SDLK_RIGHTBRACKET: return 0xDD;
        case SDLK_QUOTE: return 0xDE;
        default: return 0;
    }
}

namespace {
uint32_t PointerFlags(uint32_t buttons, uint32_t modifiers) {
    uint32_t flags = 0;
    if (buttons & SDL_BUTTON_LMASK) flags |= MouseFlagLeft;
    if (buttons & SDL_BUTTON_RMASK) flags |= MouseFlagRight;
    if (modifiers & KMOD_SHIFT) flags |= MouseFlagShift;
    if (modifiers & KMOD_CTRL) flags |= MouseFlagControl;
    return flags;
}

// Game pixels run 0..639 x 0..479; positions in the letterbox bars are pulled in.
uint32_t LimitedPointer(int x, int y) {
    return PointerParam(std::clamp(x, 0, 639), std::clamp(y, 0, 479));
}
}  // namespace

bool TranslateSdlEvent(const SDL_Event& event, uint32_t modifiers, uint32_t mouseButtons, GameInputEvent& out) {
    switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            uint32_t vk = VirtualKeyFromSdl(event.key.keysym.sym);
            if (vk == 0) return false;
            bool shift = (modifiers & KMOD_SHIFT) != 0;
            bool caps = (modifiers & KMOD_CAPS) != 0;
            out = {event.type == SDL_KEYDOWN ? MsgKeyDown : MsgKeyUp, vk,
                   static_cast<uint32_t>(event.key.keysym.scancode) << 16, KeyCharacter(vk, shift, caps)};
            return true;
        }
        case SDL_MOUSEMOTION:
            out = {MsgMouseMove, PointerFlags(mouseButtons, modifiers), LimitedPointer(event.motion.x, event.motion.y), 0};
            return true;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            bool down = event.type == SDL_MOUSEBUTTONDOWN;
            uint32_t message;
            if (event.button.button == SDL_BUTTON_LEFT) message = down ? MsgLeftDown : MsgLeftUp;
            else if (event.button.button == SDL_BUTTON_RIGHT) message = down ? MsgRightDown : MsgRightUp;
            else return false;
            out = {message, PointerFlags(mouseButtons, modifiers), LimitedPointer(event.button.x, event.button.y), 0};
            return true;
        }
        default:
            return false;
    }
}

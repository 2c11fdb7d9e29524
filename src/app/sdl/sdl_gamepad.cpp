#include "app/sdl/sdl_gamepad.h"

#include <cmath>

#include "app/events.h"

namespace {
constexpr int kStickPress = 16000;    // a stick counts as pushed beyond this
constexpr int kStickRelease = 12000;  // and as released below this
constexpr int kStickDeadZone = 6000;

void KeyEvent(int32_t vk, bool down, std::vector<GameInputEvent>& out) {
    uint32_t code = static_cast<uint32_t>(vk);
    out.push_back({down ? MsgKeyDown : MsgKeyUp, code, 0, KeyCharacter(code, false, false)});
}

// Sends a key change when the direction's combined state (pad or stick) changes.
void SetDirection(int direction, bool* source, bool held, const int32_t bindings[5], GamepadState& s,
                  std::vector<GameInputEvent>& out) {
    bool before = s.pad[direction] || s.stick[direction];
    source[direction] = held;
    bool after = s.pad[direction] || s.stick[direction];
    if (before != after) KeyEvent(bindings[direction], after, out);
}

void StickAxis(int value, int negative, int positive, const int32_t bindings[5], GamepadState& s,
               std::vector<GameInputEvent>& out) {
    auto update = [&](int direction, int amount) {
        bool held = s.stick[direction] ? amount > kStickRelease : amount > kStickPress;
        if (held != s.stick[direction]) SetDirection(direction, s.stick, held, bindings, s, out);
    };
    update(negative, -value);
    update(positive, value);
}
}  // namespace

void TranslateGamepadEvent(const SDL_Event& event, const int32_t bindings[5], int pointerX, int pointerY,
                           GamepadState& s, std::vector<GameInputEvent>& out) {
    if (event.type == SDL_CONTROLLERBUTTONDOWN || event.type == SDL_CONTROLLERBUTTONUP) {
        bool down = event.type == SDL_CONTROLLERBUTTONDOWN;
        switch (event.cbutton.button) {
            case SDL_CONTROLLER_BUTTON_DPAD_UP: SetDirection(0, s.pad, down, bindings, s, out); break;
            case SDL_CONTROLLER_BUTTON_DPAD_DOWN: SetDirection(1, s.pad, down, bindings, s, out); break;
            case SDL_CONTROLLER_BUTTON_DPAD_LEFT: SetDirection(2, s.pad, down, bindings, s, out); break;
            case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: SetDirection(3, s.pad, down, bindings, s, out); break;
            case SDL_CONTROLLER_BUTTON_START: KeyEvent(bindings[4], down, out); break;
            case SDL_CONTROLLER_BUTTON_A:
                out.push_back({down ? MsgLeftDown : MsgLeftUp, down ? uint32_t{MouseFlagLeft} : 0u,
                               PointerParam(pointerX, pointerY), 0});
                break;
            default: break;
        }
    } else if (event.type == SDL_CONTROLLERAXISMOTION) {
        switch (event.caxis.axis) {
            case SDL_CONTROLLER_AXIS_LEFTX: StickAxis(event.caxis.value, 2, 3, bindings, s, out); break;
            case SDL_CONTROLLER_AXIS_LEFTY: StickAxis(event.caxis.value, 0, 1, bindings, s, out); break;
            case SDL_CONTROLLER_AXIS_RIGHTX: s.rightX = event.caxis.value; break;
            case SDL_CONTROLLER_AXIS_RIGHTY: s.rightY = event.caxis.value; break;
            default: break;
        }
    }
}

bool GamepadPointerStep(GamepadState& s, int pointerX, int pointerY, GameInputEvent& out) {
    auto speed = [](int value) {
        if (std::abs(value) < kStickDeadZone) return 0.0f;
        float f = static_cast<float>(value) / 32767.0f;
        return f * std::fabs(f) * 8.0f;  // up to 8 pixels a pass, finer near the centre
    };
    float dx = speed(s.rightX), dy = speed(s.rightY);
    if (dx == 0 && dy == 0) {
        s.pointerX = static_cast<float>(pointerX);
        s.pointerY = static_cast<float>(pointerY);
        return false;
    }
    s.pointerX = std::fmin(639.0f, std::fmax(0.0f, s.pointerX + dx));
    s.pointerY = std::fmin(479.0f, std::fmax(0.0f, s.pointerY + dy));
    out = {MsgMouseMove, 0, PointerParam(static_cast<int>(s.pointerX), static_cast<int>(s.pointerY)), 0};
    return true;
}

void HandleControllerDevice(const SDL_Event& event) {
    if (event.type == SDL_CONTROLLERDEVICEADDED) {
        SDL_GameControllerOpen(event.cdevice.which);
    } else if (event.type == SDL_CONTROLLERDEVICEREMOVED) {
        if (SDL_GameController* pad = SDL_GameControllerFromInstanceID(event.cdevice.which))
            SDL_GameControllerClose(pad);
    }
}

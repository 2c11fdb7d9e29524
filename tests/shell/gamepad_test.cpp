// Gamepad events become the same key and pointer events a player's keyboard
// and mouse make.
#include <gtest/gtest.h>

#include "app/events.h"
#include "app/sdl/sdl_gamepad.h"

namespace {
const int32_t bindings[5] = {0x57, 0x53, 0x41, 0x44, 0x1B};  // rebound to W, S, A, D

SDL_Event Button(uint8_t button, bool down) {
    SDL_Event e{};
    e.type = down ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP;
    e.cbutton.button = button;
    return e;
}

SDL_Event Axis(uint8_t axis, int16_t value) {
    SDL_Event e{};
    e.type = SDL_CONTROLLERAXISMOTION;
    e.caxis.axis = axis;
    e.caxis.value = value;
    return e;
}

std::vector<GameInputEvent> Send(const SDL_Event& e, GamepadState& s) {
    std::vector<GameInputEvent> out;
    TranslateGamepadEvent(e, bindings, 100, 200, s, out);
    return out;
}

TEST(Gamepad, PadAndStickDriveTheDirectionBindings) {
    GamepadState s;
    auto down = Send(Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true), s);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_EQ(down[0].message, MsgKeyDown);
    EXPECT_EQ(down[0].wParam, 0x41u);  // the current Left binding, not a fixed key
    EXPECT_EQ(down[0].character, 'a');
    // The stick pushed the same way while the pad holds it sends nothing new...
    EXPECT_TRUE(Send(Axis(SDL_CONTROLLER_AXIS_LEFTX, -30000), s).empty());
    // ...and letting the pad go keeps the key held while the stick still is.
    EXPECT_TRUE(Send(Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false), s).empty());
    // A small wobble inside the release band keeps it held; a return to the centre releases it.
    EXPECT_TRUE(Send(Axis(SDL_CONTROLLER_AXIS_LEFTX, -14000), s).empty());
    auto up = Send(Axis(SDL_CONTROLLER_AXIS_LEFTX, 0), s);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_EQ(up[0].message, MsgKeyUp);
    // Swinging straight across releases one side and presses the other.
    Send(Axis(SDL_CONTROLLER_AXIS_LEFTY, 20000), s);
    auto swing = Send(Axis(SDL_CONTROLLER_AXIS_LEFTY, -20000), s);
    ASSERT_EQ(swing.size(), 2u);
    EXPECT_EQ(swing[0].wParam, 0x57u);
    EXPECT_EQ(swing[0].message, MsgKeyDown);
    EXPECT_EQ(swing[1].wParam, 0x53u);
    EXPECT_EQ(swing[1].message, MsgKeyUp);
}

TEST(Gamepad, StartIsEscapeAndAClicksAtThePointer) {
    GamepadState s;
    auto start = Send(Button(SDL_CONTROLLER_BUTTON_START, false), s);
    ASSERT_EQ(start.size(), 1u);
    EXPECT_EQ(start[0].message, MsgKeyUp);
    EXPECT_EQ(start[0].wParam, 0x1Bu);
    auto click = Send(Button(SDL_CONTROLLER_BUTTON_A, true), s);
    ASSERT_EQ(click.size(), 1u);
    EXPECT_EQ(click[0].message, MsgLeftDown);
    EXPECT_EQ(click[0].lParam, PointerParam(100, 200));
    EXPECT_TRUE(Send(Button(SDL_CONTROLLER_BUTTON_B, true), s).empty());
}

TEST(Gamepad, RightStickMovesThePointerWithinTheScreen) {
    GamepadState s;
    GameInputEvent move;
    EXPECT_FALSE(GamepadPointerStep(s, 630, 10, move));  // at rest the pointer follows the mouse
    Send(Axis(SDL_CONTROLLER_AXIS_RIGHTX, 32767), s);
    Send(Axis(SDL_CONTROLLER_AXIS_RIGHTY, 3000), s);  // inside the dead zone
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(GamepadPointerStep(s, 630, 10, move));
    EXPECT_EQ(move.message, MsgMouseMove);
    EXPECT_EQ(move.lParam, PointerParam(639, 10));
}
}  // namespace

// Input translation: SDL keys to virtual-key codes and characters, pointer
// limits, and the key names of the controls screen.
#include <gtest/gtest.h>

#include "app/modes.h"
#include "app/events.h"
#include "app/sdl/sdl_input.h"

namespace {
GameInputEvent Key(SDL_Keycode key, uint32_t type, uint16_t modifiers) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = key;
    GameInputEvent out{};
    EXPECT_TRUE(TranslateSdlEvent(e, modifiers, 0, out));
    return out;
}

TEST(InputTranslation, KeysBecomeVirtualKeysAndCharacters) {
    GameInputEvent a = Key(SDLK_a, SDL_KEYDOWN, 0);
    EXPECT_EQ(a.message, MsgKeyDown);
    EXPECT_EQ(a.wParam, 0x41u);
    EXPECT_EQ(a.character, 'a');
    EXPECT_EQ(Key(SDLK_a, SDL_KEYUP, KMOD_LSHIFT).character, 'A');
    EXPECT_EQ(Key(SDLK_a, SDL_KEYDOWN, KMOD_CAPS).character, 'A');
    EXPECT_EQ(Key(SDLK_a, SDL_KEYDOWN, KMOD_CAPS | KMOD_SHIFT).character, 'a');
    EXPECT_EQ(Key(SDLK_1, SDL_KEYDOWN, KMOD_SHIFT).character, '!');
    // A key without a character carries its own code: Left gives '%'.
    GameInputEvent left = Key(SDLK_LEFT, SDL_KEYDOWN, 0);
    EXPECT_EQ(left.wParam, 0x25u);
    EXPECT_EQ(left.character, 0x25);
    EXPECT_EQ(Key(SDLK_RETURN, SDL_KEYDOWN, 0).character, 0x0D);
    EXPECT_EQ(Key(SDLK_ESCAPE, SDL_KEYDOWN, 0).wParam, 0x1Bu);
    EXPECT_EQ(Key(SDLK_F12, SDL_KEYDOWN, 0).wParam, 0x7Bu);
    EXPECT_EQ(Key(SDLK_PAUSE, SDL_KEYDOWN, 0).wParam, 0x13u);
    EXPECT_EQ(Key(SDLK_KP_7, SDL_KEYDOWN, 0).character, '7');
    EXPECT_EQ(Key(SDLK_SEMICOLON, SDL_KEYDOWN, KMOD_SHIFT).character, ':');
}

TEST(InputTranslation, PointerIsLimitedToGamePixels) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = -30;
    e.motion.y = 900;
    GameInputEvent out{};
    ASSERT_TRUE(TranslateSdlEvent(e, 0, SDL_BUTTON_LMASK, out));
    EXPECT_EQ(out.message, MsgMouseMove);
    EXPECT_EQ(out.wParam, uint32_t{MouseFlagLeft});
    EXPECT_EQ(out.lParam, PointerParam(0, 479));

    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_RIGHT;
    e.button.x = 700;
    e.button.y = 20;
    ASSERT_TRUE(TranslateSdlEvent(e, 0, 0, out));
    EXPECT_EQ(out.message, MsgRightDown);
    EXPECT_EQ(out.lParam, PointerParam(639, 20));
    e.button.button = SDL_BUTTON_MIDDLE;
    EXPECT_FALSE(TranslateSdlEvent(e, 0, 0, out));
}

TEST(InputTranslation, GameSideLimitsReadThePositionUnsigned) {
    mouseX = mouseY = 0;
    TranslateInput(MsgMouseMove, 0, PointerParam(-1, -1), 0);  // a negative position reads as huge
    EXPECT_EQ(mouseX, 639);
    EXPECT_EQ(mouseY, 479);
    TranslateInput(MsgLeftDown, MouseFlagLeft, PointerParam(10, 20), 0);
    EXPECT_EQ(mouseButtonDown, 1);
    EXPECT_EQ(mouseX, 10);
    TranslateInput(MsgRightDown, 0, PointerParam(300, 300), 0);  // right button leaves the pointer alone
    EXPECT_EQ(mouseX, 10);
    EXPECT_EQ(mouseButtonDown, 1);
    TranslateInput(MsgLeftUp, 0, PointerParam(11, 21), 0);
    EXPECT_EQ(mouseButtonDown, 0);
}

TEST(InputTranslation, KeyNames) {
    EXPECT_EQ(KeyName(0x0D), "Enter");
    EXPECT_EQ(KeyName(0x2E), "DEL");
    EXPECT_EQ(KeyName(0x2F), "HELP");
    EXPECT_EQ(KeyName(0x41), "A");
    EXPECT_EQ(KeyName(0x7B), "F12");
    EXPECT_EQ(KeyName(0xBA), "[0xba]");
    EXPECT_EQ(KeyName(0x5), "[0x 5]");
    EXPECT_EQ(KeyName(-1), "[0xffffffff]");
}
}  // namespace

// The desktop window with SDL's dummy video driver: whatever size the window
// is given, the picture is laid out from the size it really has, whole and
// centred, and the pointer maps into it.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>

#include "gfx/display.h"
#include "app/events.h"
#include "shell/platform.h"
#include "app/sdl/sdl_platform.h"
#include "shell/window_view.h"

namespace {
SDL_Window* OnlyWindow() {
    for (Uint32 id = 1; id < 16; ++id)
        if (SDL_Window* w = SDL_GetWindowFromID(id)) return w;
    return nullptr;
}

uint32_t PixelAt(SDL_Surface* s, int x, int y) {
    return static_cast<const uint32_t*>(s->pixels)[y * (s->pitch / 4) + x];
}

TEST(SdlDisplay, ThePictureFollowsTheWindowThroughResizes) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    const Platform before = platform;
    if (!StartSdlPlatform(SdlOptions{true, 0})) GTEST_SKIP() << "no dummy video driver here";
    SDL_Window* window = OnlyWindow();
    ASSERT_NE(window, nullptr);
    // A white picture with a red pixel in its bottom right corner.
    for (uint16_t& p : displayBuffer) p = 0xFFDF;
    displayBuffer[kScreenWidth * kScreenHeight - 1] = 0xF800;
    for (auto [w, h] : {std::pair{1920, 1080}, {2560, 1440}, {3840, 2160}, {800, 600}}) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        SDL_SetWindowSize(window, w, h);
        platform.pumpEvents();
        platform.present(displayBuffer);
        SDL_Surface* surface = SDL_GetWindowSurface(window);
        ASSERT_EQ(surface->w, w);
        ASSERT_EQ(surface->h, h);
        ASSERT_EQ(surface->format->BytesPerPixel, 4);
        const WindowView view = FitPicture(w, h, 0);
        const uint32_t white = SDL_MapRGB(surface->format, 255, 255, 255);
        const uint32_t red = SDL_MapRGB(surface->format, 255, 0, 0);
        const uint32_t black = SDL_MapRGB(surface->format, 0, 0, 0);
        EXPECT_EQ(PixelAt(surface, view.left, view.top), white);
        EXPECT_EQ(PixelAt(surface, view.left + view.width - 1, view.top + view.height - 1), red);
        EXPECT_EQ(PixelAt(surface, w - 1, h - 1), view.left + view.width == w && view.top + view.height == h ? red : black);
        EXPECT_EQ(PixelAt(surface, 0, 0), view.left == 0 && view.top == 0 ? white : black);
        // The pointer in the middle of the window is in the middle of the picture.
        SDL_Event move{};
        move.type = SDL_MOUSEMOTION;
        move.motion.windowID = SDL_GetWindowID(window);
        move.motion.x = w / 2;
        move.motion.y = h / 2;
        SDL_PushEvent(&move);
        platform.pumpEvents();
        EXPECT_EQ(mouseX, kScreenWidth / 2);
        EXPECT_EQ(mouseY, kScreenHeight / 2);
    }
    StopSdlPlatform();
    platform = before;
}
}  // namespace

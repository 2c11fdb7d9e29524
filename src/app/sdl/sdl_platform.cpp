#include "app/sdl/sdl_platform.h"

#include <SDL.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <fcntl.h>

#include <cstring>
#include <vector>

#include "game/game_state.h"
#include "app/modes.h"
#include "gfx/display.h"
#include "app/events.h"
#include "shell/log.h"
#include "app/loop.h"
#include "shell/platform.h"
#include "app/sdl/sdl_gamepad.h"
#include "app/sdl/sdl_input.h"
#include "shell/window_view.h"

namespace {
SDL_Window* window = nullptr;
int wholeScale = 0;
int instanceSocket = -1;
// The picture is scaled into the window's own pixels, and only the rows that
// changed since the last present are converted and sent: a still screen costs
// next to nothing, and the menus, whose panel changes every frame, send only
// the panel. `shown` is what the window shows now.
uint16_t shown[kScreenWidth * kScreenHeight];
bool redrawNeeded = true;
SDL_Surface* windowSurface = nullptr;  // the one the view and the colours were made for
WindowView view;
std::vector<uint32_t> colours32;
std::vector<uint16_t> colours16;
std::vector<WindowRect> changedRects;
GamepadState gamepad;
SDL_Keycode swallowedKeyUp = SDLK_UNKNOWN;  // the release of a key the window itself used

// Alt+Enter and F11 switch between borderless desktop fullscreen and the window,
// at any time; the game never sees those keys.
bool IsFullscreenToggle(const SDL_Event& event) {
    if (event.type != SDL_KEYDOWN) return false;
    SDL_Keycode key = event.key.keysym.sym;
    return key == SDLK_F11 || ((key == SDLK_RETURN || key == SDLK_KP_ENTER) && (event.key.keysym.mod & KMOD_ALT));
}

void ToggleFullscreen() {
    bool full = SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP;
    SDL_SetWindowFullscreen(window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    redrawNeeded = true;
}

void Deliver(const GameInputEvent& in) { TranslateInput(in.message, in.wParam, in.lParam, in.character); }

// One copy a user: an abstract socket named after the game and the user. A second
// copy pokes the first, which raises its window.
bool ClaimSingleInstance() {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::string name = "zapbrik-" + std::to_string(getuid());
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    socklen_t length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    instanceSocket = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (instanceSocket < 0) return true;  // cannot check: let this copy run
    if (bind(instanceSocket, reinterpret_cast<sockaddr*>(&address), length) == 0) {
        listen(instanceSocket, 4);
        return true;
    }
    close(instanceSocket);
    instanceSocket = -1;
    int poke = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (poke >= 0) {
        connect(poke, reinterpret_cast<sockaddr*>(&address), length);
        close(poke);
    }
    return false;
}

void AnswerOtherCopies() {
    if (instanceSocket < 0) return;
    // A look four times a second is quick enough for a player starting a second
    // copy, and spares a system call on every pass of the loop.
    static Uint32 lastLook = 0;
    const Uint32 now = SDL_GetTicks();
    if (now - lastLook < 250) return;
    lastLook = now;
    for (int other; (other = accept(instanceSocket, nullptr, nullptr)) >= 0;) {
        close(other);
        SDL_RestoreWindow(window);
        SDL_RaiseWindow(window);
    }
}

int64_t SdlRead() { return static_cast<int64_t>(SDL_GetPerformanceCounter()); }
int64_t SdlFrequency() { return static_cast<int64_t>(SDL_GetPerformanceFrequency()); }

void SdlWait(int64_t deadline) {
    int64_t left = deadline - SdlRead();
    if (left <= 0) return;
    int64_t ms = (left * 1000 + SdlFrequency() - 1) / SdlFrequency();
    SDL_WaitEventTimeout(nullptr, static_cast<int>(ms > 100 ? 100 : ms));
}

void SdlWarp(int x, int y);

// During play the pointer steers the paddle and stays inside the window; on every
// other screen, and whenever the window has no focus, it is free.
void HoldPointerInPlay() {
    const bool hold = currentMode == ModePlay && (SDL_GetWindowFlags(window) & SDL_WINDOW_INPUT_FOCUS) != 0;
    if (hold != (SDL_GetWindowGrab(window) == SDL_TRUE)) SDL_SetWindowGrab(window, hold ? SDL_TRUE : SDL_FALSE);
}

// Pointer events arrive in window pixels; the game wants picture pixels.
void ToPicture(SDL_Event& event) {
    if (view.width == 0) return;
    if (event.type == SDL_MOUSEMOTION) WindowToPicture(view, event.motion.x, event.motion.y, event.motion.x, event.motion.y);
    if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP)
        WindowToPicture(view, event.button.x, event.button.y, event.button.x, event.button.y);
}

void SdlPump() {
    AnswerOtherCopies();
    SDL_Event event;
    std::vector<GameInputEvent> padEvents;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
            case SDL_QUIT:
                RequestClose();
                continue;
            case SDL_WINDOWEVENT:
                if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) FocusLost();
                redrawNeeded = true;
                continue;
            case SDL_CONTROLLERDEVICEADDED:
            case SDL_CONTROLLERDEVICEREMOVED:
                HandleControllerDevice(event);
                continue;
            case SDL_CONTROLLERBUTTONDOWN:
            case SDL_CONTROLLERBUTTONUP:
            case SDL_CONTROLLERAXISMOTION:
                padEvents.clear();
                TranslateGamepadEvent(event, keyBindings, mouseX, mouseY, gamepad, padEvents);
                for (const GameInputEvent& in : padEvents) Deliver(in);
                continue;
            default:
                break;
        }
        if (IsFullscreenToggle(event)) {
            ToggleFullscreen();
            swallowedKeyUp = event.key.keysym.sym;
            continue;
        }
        if (event.type == SDL_KEYUP && event.key.keysym.sym == swallowedKeyUp) {
            swallowedKeyUp = SDLK_UNKNOWN;
            continue;
        }
        ToPicture(event);
        GameInputEvent in;
        if (TranslateSdlEvent(event, SDL_GetModState(), SDL_GetMouseState(nullptr, nullptr), in)) Deliver(in);
    }
    GameInputEvent move;
    if (GamepadPointerStep(gamepad, mouseX, mouseY, move)) {
        Deliver(move);
        SdlWarp(mouseX, mouseY);
    }
    HoldPointerInPlay();
}

// Every 16-bit picture value in the window's own format.
template <typename Pixel>
void MakeColours(const SDL_PixelFormat* format, std::vector<Pixel>& colours) {
    colours.resize(65536);
    for (uint32_t v = 0; v < 65536; ++v) {
        const Uint8 r = static_cast<Uint8>((v >> 11) << 3 | (v >> 13)), g = static_cast<Uint8>(((v >> 6) & 31) << 3 | ((v >> 8) & 7)),
                    b = static_cast<Uint8>((v & 31) << 3 | ((v >> 2) & 7));
        colours[v] = static_cast<Pixel>(SDL_MapRGB(format, r, g, b));
    }
}

// A new window surface (the first, or after a resize or a fullscreen switch):
// a new fit, colours in its format, and a full redraw on black.
bool AdoptWindowSurface(SDL_Surface* surface) {
    const int bytes = surface->format->BytesPerPixel;
    if (bytes != 2 && bytes != 4) {
        LogMessageColour(1, StrFormat("[ERROR] Unsupported window pixel format %s\n",
                                      SDL_GetPixelFormatName(surface->format->format)), ColourRed);
        return false;
    }
    windowSurface = surface;
    view = FitPicture(surface->w, surface->h, wholeScale);
    if (bytes == 4) MakeColours(surface->format, colours32);
    else MakeColours(surface->format, colours16);
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    redrawNeeded = true;
    return true;
}

void SdlPresent(const uint16_t* pixels) {
    if (SDL_GetWindowFlags(window) & SDL_WINDOW_MINIMIZED) {
        redrawNeeded = true;  // nothing is shown while minimised; redraw on the way back
        return;
    }
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (!surface) return;
    if (surface != windowSurface || surface->w != view.windowWidth || surface->h != view.windowHeight)
        if (!AdoptWindowSurface(surface)) return;
    changedRects.clear();
    if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
    if (surface->format->BytesPerPixel == 4)
        CopyChangedRows(view, pixels, shown, redrawNeeded, colours32.data(), static_cast<uint32_t*>(surface->pixels),
                        surface->pitch / 4, changedRects);
    else
        CopyChangedRows(view, pixels, shown, redrawNeeded, colours16.data(), static_cast<uint16_t*>(surface->pixels),
                        surface->pitch / 2, changedRects);
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    if (redrawNeeded) SDL_UpdateWindowSurface(window);
    else if (!changedRects.empty())
        SDL_UpdateWindowSurfaceRects(window, reinterpret_cast<const SDL_Rect*>(changedRects.data()),
                                     static_cast<int>(changedRects.size()));
    redrawNeeded = false;
}

void SdlCursor(bool visible) { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

void SdlWarp(int x, int y) {
    int wx, wy;
    PictureToWindow(view, x, y, wx, wy);
    SDL_WarpMouseInWindow(window, wx, wy);
}


int SdlMessageBox(const char* text, const char* caption, MessageButtons buttons) {
    const SDL_MessageBoxButtonData ok[] = {{SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, AnswerOk, "OK"}};
    const SDL_MessageBoxButtonData retry[] = {{SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, AnswerCancel, "Cancel"},
                                              {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, AnswerRetry, "Retry"}};
    SDL_MessageBoxData box{};
    box.flags = buttons == MessageRetryCancel ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_ERROR;
    box.window = window;
    box.title = caption;
    box.message = text;
    box.numbuttons = buttons == MessageRetryCancel ? 2 : 1;
    box.buttons = buttons == MessageRetryCancel ? retry : ok;
    int answer = 0;
    if (SDL_ShowMessageBox(&box, &answer) != 0) return HeadlessMessageBox(text, caption, buttons);
    return answer;
}
}  // namespace

std::string ExecutableFolder() {
    char* base = SDL_GetBasePath();
    std::string folder = base ? base : "./";
    SDL_free(base);
    return folder;
}

bool StartSdlPlatform(const SdlOptions& options) {
    if (!ClaimSingleInstance()) {
        LogMessageColour(1, "[ERROR] Application already running", ColourRed);
        return false;
    }
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER | SDL_INIT_GAMECONTROLLER) != 0) {
        LogMessageColour(1, StrFormat("[Critical] Unable to create application window: %s\n", SDL_GetError()), ColourRed);
        return false;
    }
    // On X11 the window's pixels go straight to the server through shared
    // memory; a texture would make a software GL stack scale every frame.
    if (const char* driver = SDL_GetCurrentVideoDriver(); driver && SDL_strcmp(driver, "x11") == 0)
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    if (!options.window) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    wholeScale = options.scale;
    const int scale = options.scale > 0 ? options.scale : 2;
    window = SDL_CreateWindow("Zapbrik", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kScreenWidth * scale,
                              kScreenHeight * scale, flags);
    SDL_Surface* surface = window ? SDL_GetWindowSurface(window) : nullptr;
    if (!surface || !AdoptWindowSurface(surface)) {
        LogMessageColour(1, StrFormat("[Critical] Unable to create application window: %s\n", SDL_GetError()), ColourRed);
        return false;
    }
    platform.readCounter = SdlRead;
    platform.counterFrequency = SdlFrequency;
    platform.waitUntil = SdlWait;
    platform.pumpEvents = SdlPump;
    platform.present = SdlPresent;
    platform.setCursorVisible = SdlCursor;
    platform.warpCursor = SdlWarp;
    platform.messageBox = SdlMessageBox;
    return true;
}

void StopSdlPlatform() {
    if (window) SDL_DestroyWindow(window);
    window = nullptr;
    windowSurface = nullptr;
    if (instanceSocket >= 0) close(instanceSocket);
    instanceSocket = -1;
    SDL_Quit();
}

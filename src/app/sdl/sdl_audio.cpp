#include "app/sdl/sdl_audio.h"

#include <SDL.h>

#include <cstring>
#include <string>

#include "shell/log.h"
#include "shell/platform.h"
#include "sound/mixer.h"

namespace {
SDL_AudioDeviceID device = 0;

void LockDevice() { SDL_LockAudioDevice(device); }
void UnlockDevice() { SDL_UnlockAudioDevice(device); }
void NoLock() {}

// SDL runs this with the device locked, so it mixes under the audio lock.
void FillBuffer(void*, Uint8* stream, int len) {
    auto* out = reinterpret_cast<int16_t*>(stream);
    int samples = len / 2;
    for (; samples >= kMixBufferSamples; samples -= kMixBufferSamples, out += kMixBufferSamples) {
        if (soundEnabled)
            mixBuffer(out);
        else
            std::memset(out, 0, kMixBufferSamples * sizeof *out);
    }
    std::memset(out, 0, static_cast<size_t>(samples) * sizeof *out);
}

bool DeviceBusy(const char* error) {
    std::string text = error;
    for (char& c : text) c = static_cast<char>(SDL_tolower(c));
    return text.find("busy") != std::string::npos || text.find("in use") != std::string::npos;
}
}  // namespace

int openSound(int probeOnly) {
    prepareMixer();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        LogMessage(1, "waveOutOpen failed\n");
        LogMessage(1, StrFormat("  %s\n", SDL_GetError()));
        return 0;
    }
    SDL_AudioSpec want{};
    want.freq = kMixRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = kMixBufferSamples;
    want.callback = FillBuffer;
    // No changes allowed: SDL converts to whatever the hardware wants and hands
    // the callback exactly these buffers.
    while ((device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0)) == 0) {
        const char* error = SDL_GetError();
        if (!DeviceBusy(error)) {
            LogMessage(1, "waveOutOpen failed\n");
            LogMessage(1, StrFormat("  %s\n", error));
            return 0;
        }
        int answer = platform.messageBox(
            "The sound hardware is in use by another program.\n\nSelect Retry to try to start sound again or "
            "Cancel to play without sound.",
            "Sound not available", MessageRetryCancel);
        if (answer != AnswerRetry) return 0;
    }
    if (probeOnly == 1) return 1;
    platform.lockAudio = LockDevice;
    platform.unlockAudio = UnlockDevice;
    return 1;
}

void startSound() {
    if (soundEnabled) SDL_PauseAudioDevice(device, 0);
}

void StartSdlSound() {
    if (!openSound(0)) {
        LogMessageColour(1, "[ERROR] Sound Init Failed.\n", ColourRed);
        return;
    }
    soundEnabled = 1;
    startSound();
}

void StopSdlSound() {
    if (!device) return;
    {
        AudioLock hold;
        soundEnabled = 0;
    }
    SDL_CloseAudioDevice(device);
    device = 0;
    platform.lockAudio = NoLock;
    platform.unlockAudio = NoLock;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

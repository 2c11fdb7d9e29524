#include "sound/mixer.h"

#include <algorithm>

#include "shell/platform.h"

SoundSample sounds[kSoundSlots];
Voice voices[kMaxVoices];
int32_t voiceCount = 0;
int32_t groupVolume[5];
int32_t groupFactor[5];
int32_t groupCount = 2;
int64_t lastMixTime = 0;
int32_t soundEnabled = 0;

namespace {
constexpr int kGroups = 5;

bool ValidSlot(int id) { return id >= 0 && id < kSoundSlots; }

// The play calls' limits are for the effects: the music plays beside them.
int EffectVoices() {
    int n = 0;
    for (int i = 0; i < voiceCount; ++i) n += sounds[voices[i].soundId].group != kMusicGroup;
    return n;
}

void StartVoice(int id, int looping, int limit) {
    AudioLock hold;
    // Without an output nobody would ever mix the voice away again.
    if (!soundEnabled || !ValidSlot(id) || !sounds[id].data || voiceCount >= kMaxVoices) return;
    if (sounds[id].group != kMusicGroup && EffectVoices() >= limit) return;
    Voice& v = voices[voiceCount];
    v.soundId = id;
    v.looping = looping;
    // Start as late after the next buffer's beginning as this request came after
    // the latest mix, so effects asked for in successive ticks stay a tick apart.
    const int64_t late = samplesIn(platform.readCounter() - lastMixTime, platform.counterFrequency());
    v.position = -static_cast<int32_t>(std::min<int64_t>(late, INT32_MAX));
    ++voiceCount;
}
}  // namespace

int64_t samplesIn(int64_t elapsed, int64_t frequency) {
    if (elapsed <= 0 || frequency <= 0) return 0;
    return (elapsed / frequency) * kMixRate + (elapsed % frequency) * kMixRate / frequency;
}

void prepareMixer() {
    lastMixTime = platform.readCounter();
    groupCount = 2;
    for (int g = 0; g < 2; ++g) {
        if (groupVolume[g] == 0) {
            groupVolume[g] = 255;
            groupFactor[g] = 255;  // full until the first setVolume
        }
    }
}

// The caller holds the audio lock (the output calls the mixer under it).
void mixBuffer(int16_t* out) {
    lastMixTime = platform.readCounter();
    // A slot may have been emptied under a voice; such a voice has nothing to play.
    for (int i = 0; i < voiceCount;) {
        if (sounds[voices[i].soundId].data)
            ++i;
        else
            removeVoice(i);
    }
    for (int n = 0; n < kMixBufferSamples; ++n) {
        int32_t sum = 0;
        for (int i = 0; i < voiceCount;) {
            Voice& v = voices[i];
            const SoundSample& s = sounds[v.soundId];
            if (v.position >= 0) sum += (s.data[v.position] * groupFactor[s.group]) >> 9;
            if (v.looping) {
                const int32_t loopEnd = s.loopEnd > 0 ? s.loopEnd : s.length;
                v.position = v.position < loopEnd ? v.position + 1 : s.loopStart;
            } else if (v.position < s.length) {
                ++v.position;
            } else {
                removeVoice(i);  // the voice moved into i has not been mixed yet
                continue;
            }
            ++i;
        }
        // Loud voices together clip rather than wrap round into a crack.
        out[n] = static_cast<int16_t>(std::clamp<int32_t>(sum, INT16_MIN, INT16_MAX));
    }
}

void playSound(int id) { playSoundEx(id, 0); }
void playSoundEx(int id, int looping) { StartVoice(id, looping, 5); }
void playSoundMany(int id, int looping) { StartVoice(id, looping, 10); }

// The caller holds the audio lock.
void removeVoice(int index) {
    if (index < 0 || index >= voiceCount) return;
    voices[index] = voices[voiceCount - 1];
    --voiceCount;
}

void replaceSound(int id, const SoundSample& sample) {
    if (!ValidSlot(id)) return;
    int16_t* old;
    {
        AudioLock hold;
        for (int i = 0; i < voiceCount;) {
            if (voices[i].soundId == id)
                removeVoice(i);
            else
                ++i;
        }
        old = sounds[id].data;
        sounds[id] = sample;
    }
    delete[] old;
}

void unloadSound(int id) { replaceSound(id, SoundSample{0, 0, 0, 0, nullptr}); }

void setVolume(int group, int volume) {
    volume = std::clamp(volume, 0, 255);
    if (group < 0 || group >= kGroups) return;
    AudioLock hold;
    groupVolume[group] = volume;
    groupFactor[group] = ((volume * volume * 255) / 65025) / groupCount;
}

int getVolume(int group) { return group >= 0 && group < kGroups ? groupVolume[group] : 0; }

void resetLoopEnd(int id) {
    if (!ValidSlot(id)) return;
    AudioLock hold;
    sounds[id].loopEnd = sounds[id].length;
}

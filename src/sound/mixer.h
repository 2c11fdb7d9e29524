// The software mixer: sample slots, a short list of voices and two volume groups
// (0 effects, 1 music), mixed into 1024-sample buffers of 16-bit mono at 22050 Hz.
#pragma once
#include <cstdint>

constexpr int kSoundSlots = 40;
constexpr int kMaxVoices = 40;
constexpr int kMixRate = 22050;
constexpr int kMixBufferSamples = 1024;

struct SoundSample {
    int32_t group;
    int32_t length;     // last playable position
    int32_t loopStart;
    int32_t loopEnd;
    int16_t* data;      // null when nothing is loaded
};

struct Voice {
    int32_t soundId;
    int32_t position;  // negative: samples still to wait before the first one
    int32_t looping;
};

// Sound ids the game plays.
enum SoundId {
    SoundGeneral8 = 1, SoundGeneral48 = 2, SoundMaximize = 3, SoundMinimize = 4, SoundZwiff = 5,
    SoundDestroy = 6, SoundChomp = 7, SoundFizz = 8, SoundDoh = 9, SoundCleep = 10, SoundScream = 11,
    SoundScoreUp = 12, SoundFearMe = 13, SoundElectron = 14, SoundMusicA = 15, SoundMusicB = 18,
    SoundMonkey = 20,
};

extern SoundSample sounds[kSoundSlots];
extern Voice voices[kMaxVoices];
extern int32_t voiceCount;
extern int32_t groupVolume[5];
extern int32_t groupFactor[5];
extern int32_t groupCount;
extern int64_t lastMixTime;
extern int32_t soundEnabled;

// Every output's part of opening the sound: the mix clock and the starting volumes.
void prepareMixer();
// Mixes one buffer of kMixBufferSamples samples into out. The output calls it
// with the audio lock held.
void mixBuffer(int16_t* out);

void playSound(int id);
void playSoundEx(int id, int looping);
void playSoundMany(int id, int looping);
void removeVoice(int index);  // the caller holds the audio lock
void unloadSound(int id);
// Puts sample into slot id, ending the slot's voices and freeing its old data.
void replaceSound(int id, const SoundSample& sample);
void setVolume(int group, int volume);
int getVolume(int group);
void resetLoopEnd(int id);
// Output samples that pass in `elapsed` counter ticks, rounded down, without the
// product overflowing on a fast counter.
int64_t samplesIn(int64_t elapsed, int64_t frequency);

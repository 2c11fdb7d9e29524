// A test output for the mixer: a counter the test moves by hand, all slots empty,
// no voices, output running, both groups at their opening volumes.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "shell/platform.h"
#include "sound/mixer.h"

inline int64_t testCounter = 0;

class MixerTest : public ::testing::Test {
protected:
    void SetUp() override {
        UseHeadlessPlatform();
        testCounter = 0;
        platform.readCounter = [] { return testCounter; };
        for (int id = 0; id < kSoundSlots; ++id) unloadSound(id);
        voiceCount = 0;
        groupVolume[0] = groupVolume[1] = 0;
        groupFactor[0] = groupFactor[1] = 0;
        prepareMixer();
        soundEnabled = 1;
    }
    void TearDown() override {
        for (int id = 0; id < kSoundSlots; ++id) unloadSound(id);
        soundEnabled = 0;
        UseHeadlessPlatform();
    }

    // Puts samples (and the closing silent one) into a slot, as loadSound would.
    static void Give(int id, int group, std::initializer_list<int16_t> samples) {
        int16_t* data = new int16_t[samples.size() + 1];
        int i = 0;
        for (int16_t s : samples) data[i++] = s;
        data[i] = 0;
        replaceSound(id, SoundSample{group, static_cast<int32_t>(samples.size()), 0, 0, data});
    }

    static std::vector<int16_t> Mix() {
        std::vector<int16_t> out(kMixBufferSamples, 12345);
        mixBuffer(out.data());
        return out;
    }
};

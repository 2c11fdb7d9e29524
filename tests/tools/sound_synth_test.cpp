// The generator's signal toolkit: the band limit of the rate halving, the peak
// limiter (also across a loop's seam), fades that end on zero, and quantising.
#include "mkassets/sound_synth.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

Signal Tone(double hz, double rate, size_t n, float level = 1.0f) {
    Signal s(n);
    for (size_t i = 0; i < n; ++i) s[i] = level * static_cast<float>(std::sin(2 * kPi * hz * static_cast<double>(i) / rate));
    return s;
}

TEST(SoundSynth, HalvingTheRateKeepsTheBandAndRemovesWhatWouldFoldBack) {
    // Whole periods in the buffer, so the looped filter sees a seamless tone.
    const size_t n = 22050;
    Signal low = DecimateByTwo(Tone(1000, 22050, n));
    Signal high = DecimateByTwo(Tone(7000, 22050, n));
    ASSERT_EQ(low.size(), n / 2);
    EXPECT_NEAR(RmsOf(low), std::sqrt(0.5), 0.01);
    EXPECT_LT(RmsOf(high), 0.001);
    // The looped filter leaves no edge at the ends: the last sample leads into the first.
    EXPECT_NEAR(low.back(), std::sin(2 * kPi * 1000 * -1.0 / 11025), 0.01);
}

TEST(SoundSynth, LimiterHoldsTheCeilingAndLeavesQuietPartsAlone) {
    Signal s = Tone(200, 11025, 11025, 0.5f);
    s[5000] = 3.0f;
    LimitPeaks(s, 1.0f, 11025, false);
    EXPECT_LE(PeakOf(s), 1.0f + 1e-5f);
    Signal reference = Tone(200, 11025, 11025, 0.5f);
    EXPECT_FLOAT_EQ(s[1000], reference[1000]);
    EXPECT_LT(std::fabs(s[4999]), std::fabs(reference[4999]));
}

TEST(SoundSynth, LimiterOnALoopReachesAcrossTheSeam) {
    Signal open = Tone(200, 11025, 11025, 0.5f), loop = open;
    open[0] = loop[0] = 3.0f;
    LimitPeaks(open, 1.0f, 11025, false);
    LimitPeaks(loop, 1.0f, 11025, true);
    Signal reference = Tone(200, 11025, 11025, 0.5f);
    const size_t nearEnd = 11025 - 20;
    EXPECT_NEAR(open[nearEnd], reference[nearEnd], 1e-4);
    EXPECT_LE(PeakOf(open), 1.0f + 1e-5f);  // a loud first sample is held down too
    EXPECT_LT(std::fabs(loop[nearEnd]), 0.9 * std::fabs(reference[nearEnd]));
    EXPECT_LE(PeakOf(loop), 1.0f + 1e-5f);
}

TEST(SoundSynth, FadesMeetZeroAndDcIsRemoved) {
    Signal s(1000, 0.75f);
    FadeIn(s, 0.01, 22050);
    FadeOut(s, 0.01, 22050);
    EXPECT_EQ(s.front(), 0.0f);
    EXPECT_EQ(s.back(), 0.0f);
    EXPECT_FLOAT_EQ(s[500], 0.75f);
    RemoveDc(s);
    double sum = 0;
    for (float v : s) sum += v;
    EXPECT_NEAR(sum, 0, 1e-3);
}

TEST(SoundSynth, QuantiseRoundsAndClamps) {
    EXPECT_EQ(Quantise({0.4f, 0.6f, -1.5f, 40000.0f, -40000.0f}),
              (std::vector<int16_t>{0, 1, -2, 32767, -32767}));
}

TEST(SoundSynth, NoiseRepeatsFromItsSeedAndStaysInRange) {
    Noise a(42), b(42);
    double sum = 0;
    for (int i = 0; i < 10000; ++i) {
        float v = a.next();
        ASSERT_EQ(v, b.next());
        ASSERT_GE(v, -1.0f);
        ASSERT_LT(v, 1.0f);
        sum += v;
    }
    EXPECT_NEAR(sum / 10000, 0, 0.03);
}

}  // namespace

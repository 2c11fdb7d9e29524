// What a player hears from the start: a headless run through the two splash
// screens into the menu, recorded with --audio-out and judged by its level over
// time: silence under the logos, the intro jingle, a pause, the start-up tune,
// then the menu track fading in and playing on.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "flow/flow_run.h"
#include "test_support.h"

namespace {

constexpr double kWindow = 0.1;  // seconds per level reading

// RMS level of each 0.1-s window of a 22050 Hz mono 16-bit WAV file.
std::vector<double> Levels(const std::vector<uint8_t>& wav) {
    const size_t per = static_cast<size_t>(22050 * kWindow);
    std::vector<double> levels;
    for (size_t at = 44; at + 2 * per <= wav.size(); at += 2 * per) {
        double sum = 0;
        for (size_t i = 0; i < per; ++i) {
            double v = static_cast<int16_t>(wav[at + 2 * i] | wav[at + 2 * i + 1] << 8);
            sum += v * v;
        }
        levels.push_back(std::sqrt(sum / static_cast<double>(per)));
    }
    return levels;
}

// First window from `from` on whose level is above `level`; the size when none.
size_t FirstAbove(const std::vector<double>& levels, size_t from, double level) {
    while (from < levels.size() && levels[from] <= level) ++from;
    return from;
}

double Mean(const std::vector<double>& levels, size_t from, size_t to) {
    double sum = 0;
    for (size_t i = from; i < to; ++i) sum += levels[i];
    return sum / static_cast<double>(to - from);
}

size_t At(double seconds) { return static_cast<size_t>(seconds / kWindow + 0.5); }

TEST(SplashSound, JingleThenTheMenuTrackFadesIn) {
    FlowRun run;
    std::string err;
    ASSERT_EQ(RunGameBinary("--headless --ticks 660 --data " + run.dir.path + " --audio-out " + run.dir.path + "out.wav",
                            &err),
              0)
        << err;
    const std::vector<double> levels = Levels(ReadFile(run.dir.path + "out.wav"));
    ASSERT_GE(levels.size(), At(10.5));
    constexpr double kQuiet = 30;

    // The logo splash (about 2.5 s) makes no sound; the jingle starts about 0.47 s
    // into the intro splash and keeps sounding for more than a second.
    const size_t jingle = FirstAbove(levels, 0, kQuiet);
    EXPECT_GE(jingle, At(2.6));
    EXPECT_LE(jingle, At(3.2));
    size_t loud = 0;
    for (size_t i = jingle; i < jingle + At(1.2) && i < levels.size(); ++i) loud += levels[i] > 100;
    EXPECT_GE(loud, At(1.0));

    // It has ended before the intro fades; the start-up tune comes in after it
    // and plays until it has faded out for the menu track.
    size_t jingleEnd = jingle;
    while (jingleEnd < levels.size() && levels[jingleEnd] > kQuiet) ++jingleEnd;
    EXPECT_LE(jingleEnd, jingle + At(1.6));
    const size_t tune = FirstAbove(levels, jingleEnd, kQuiet);
    EXPECT_GE(tune, jingleEnd + At(0.5));
    EXPECT_LE(tune, At(5.5));
    size_t tuneEnd = tune;
    while (tuneEnd < levels.size() && levels[tuneEnd] > kQuiet) ++tuneEnd;
    EXPECT_GE(tuneEnd, tune + At(0.3));
    const size_t music = FirstAbove(levels, tuneEnd, kQuiet);
    EXPECT_LE(music, At(6.5));

    // The track fades in over about half a second, then plays on at a steady level.
    ASSERT_LT(music + At(4.5), levels.size());
    const double full = Mean(levels, music + At(1.0), music + At(4.5));
    EXPECT_GT(full, 200);
    EXPECT_LT(Mean(levels, music, music + At(0.2)), 0.5 * full);
    for (size_t i = music + At(0.5); i + At(0.5) <= levels.size(); i += At(0.5))
        EXPECT_GT(Mean(levels, i, i + At(0.5)), 0.25 * full) << "at " << static_cast<double>(i) * kWindow << " s";
}

}  // namespace

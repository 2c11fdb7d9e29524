// The mixer's cost per 1024-sample buffer with a full voice list (40 voices, more
// than the play calls ever start) and with the 10 that frequent effects reach.
// Every voice loops, so the list stays full for the whole run.
#include <benchmark/benchmark.h>

#include "shell/platform.h"
#include "sound/mixer.h"

namespace {
void BM_MixBuffer(benchmark::State& state) {
    UseHeadlessPlatform();
    prepareMixer();
    setVolume(0, 255);
    setVolume(1, 220);
    for (int id = 1; id <= 4; ++id) {
        const int32_t length = kMixRate + 1000 * id;  // about a second each, different ends
        int16_t* data = new int16_t[length + 1];
        for (int32_t i = 0; i <= length; ++i) data[i] = static_cast<int16_t>((i * 37 * id) % 40000 - 20000);
        replaceSound(id, SoundSample{id == 4 ? 1 : 0, length, 0, length, data});
    }
    const int count = static_cast<int>(state.range(0));
    voiceCount = 0;
    for (int v = 0; v < count; ++v) voices[voiceCount++] = Voice{1 + v % 4, -(v * 50), 1};
    int16_t out[kMixBufferSamples];
    for (auto _ : state) {
        mixBuffer(out);
        benchmark::DoNotOptimize(out[kMixBufferSamples - 1]);
    }
    state.SetItemsProcessed(state.iterations() * kMixBufferSamples);
    for (int id = 1; id <= 4; ++id) unloadSound(id);
}
BENCHMARK(BM_MixBuffer)->Arg(40)->Arg(10)->Arg(1);
}  // namespace

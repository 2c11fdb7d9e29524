// A full-screen blit in each pixel mode, and one full present with its texture
// upload through the real SDL platform (dummy video driver unless a display is set).
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "gfx/blit.h"
#include "gfx/surface.h"
#include "shell/display.h"
#include "shell/platform.h"
#include "shell/sdl_platform.h"

namespace {
Surface* MakeSource() {
    Surface* s = createSurface(640, 480);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) putPixel(s, x, y, ((x ^ y) & 7) ? packColour(x & 31, y & 31, (x + y) & 31) : 0);
    return s;
}

void BM_FullScreenBlit(benchmark::State& state) {
    const int mode = static_cast<int>(state.range(0));
    const int param = mode == BlitAlpha ? 128 : mode == BlitSparkle ? 7 : mode == BlitAdditive ? -2 : 0x1234;
    Surface* src = MakeSource();
    Surface* dest = createSurface(640, 480);
    for (auto _ : state) {
        drawSpriteParam(dest, 0, 0, 640, 480, src, 0, 0, mode, param);
        benchmark::DoNotOptimize(dest->memory[1000]);
    }
    state.SetItemsProcessed(state.iterations() * 640 * 480);
    removeSurface(src);
    removeSurface(dest);
}
BENCHMARK(BM_FullScreenBlit)->ArgName("mode")->Arg(BlitCopy)->Arg(BlitKeyed)->Arg(BlitAlpha)->Arg(BlitSolid)
    ->Arg(BlitAdditive)->Arg(BlitSparkle)->Arg(BlitFill);

void BM_PresentFull(benchmark::State& state) {
    if (!std::getenv("DISPLAY")) setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (!StartSdlPlatform(SdlOptions{true})) {
        state.SkipWithError("no SDL window");
        return;
    }
    Surface* frame = MakeSource();
    for (auto _ : state) PresentFull(frame);
    removeSurface(frame);
    StopSdlPlatform();
    UseHeadlessPlatform();
}
BENCHMARK(BM_PresentFull)->Unit(benchmark::kMicrosecond);
}  // namespace

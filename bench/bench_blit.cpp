// A full-screen blit in each pixel mode, and presents through the real SDL
// platform into a 2x window (dummy video driver unless a display is set).
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "gfx/blit.h"
#include "gfx/surface.h"
#include "gfx/display.h"
#include "shell/platform.h"
#include "app/sdl/sdl_platform.h"

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

// Presents that alternate between two frames, so that every present has work:
// arg 0 = 1 changes the whole picture, 0 only the 330 x 440 panel, as the menus do.
void BM_Present(benchmark::State& state) {
    if (!std::getenv("DISPLAY")) setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (!StartSdlPlatform(SdlOptions{true})) {
        state.SkipWithError("no SDL window");
        return;
    }
    Surface* frames[2] = {MakeSource(), MakeSource()};
    if (state.range(0))
        drawSpriteParam(frames[1], 0, 0, 640, 480, frames[1], 0, 0, BlitAdditive, 3);
    else
        drawSpriteParam(frames[1], 20, 20, 330, 440, frames[1], 20, 20, BlitAdditive, 3);
    int n = 0;
    for (auto _ : state) PresentFull(frames[++n & 1]);
    removeSurface(frames[0]);
    removeSurface(frames[1]);
    StopSdlPlatform();
    UseHeadlessPlatform();
}
BENCHMARK(BM_Present)->ArgName("whole_picture")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
}  // namespace

#include "app/fps_readout.h"

#include "gfx/font.h"
#include "gfx/surface.h"
#include "gfx/display.h"
#include "shell/log.h"
#include "shell/platform.h"

namespace {
constexpr int kBoxWidth = 212, kBoxHeight = 12;
constexpr int kSamplesPerReading = 30;

LoopRoutines game;
LoopRoutines timed;
void (*gamePresent)(const uint16_t*) = nullptr;

int64_t lastDrawAt = -1;
int64_t intervalSum = 0, drawSum = 0, tickSum = 0;
int intervalCount = 0, drawCount = 0, tickCount = 0;
std::string shown = "-- fps";

int32_t TimedUpdate(int32_t mode) {
    const int64_t start = platform.readCounter();
    const int32_t next = game.update(mode);
    tickSum += platform.readCounter() - start;
    ++tickCount;
    return next;
}

int32_t TimedDraw(int32_t mode) {
    const int64_t start = platform.readCounter();
    if (lastDrawAt >= 0) {
        intervalSum += start - lastDrawAt;
        ++intervalCount;
    }
    lastDrawAt = start;
    const int32_t next = game.draw(mode);
    drawSum += platform.readCounter() - start;
    ++drawCount;
    if (intervalCount >= kSamplesPerReading) {
        shown = FpsReadoutText(static_cast<double>(intervalSum) / intervalCount,
                               static_cast<double>(drawSum) / drawCount,
                               tickCount ? static_cast<double>(tickSum) / tickCount : 0.0,
                               static_cast<double>(platform.counterFrequency()));
        intervalSum = drawSum = tickSum = 0;
        intervalCount = drawCount = tickCount = 0;
    }
    return next;
}

// The play screens refresh only parts of the display, so the readout clears its
// own box before writing into the display buffer.
void PresentWithReadout(const uint16_t* pixels) {
    Surface view{kScreenWidth, kScreenHeight, 0, 1, kScreenWidth, kScreenWidth / 2, kScreenHeight / 2,
                 nullptr, displayBuffer};
    const int left = kScreenWidth - kBoxWidth;
    for (int y = 0; y < kBoxHeight; ++y)
        for (int x = left; x < kScreenWidth; ++x) displayBuffer[y * kScreenWidth + x] = 0;
    drawSmallText(&view, shown, left + 2, 2, packColour(31, 31, 0));
    gamePresent(pixels);
}
}  // namespace

std::string FpsReadoutText(double interval, double frame, double tick, double frequency) {
    if (frequency <= 0) return "-- fps";
    const double fps = interval > 0 ? frequency / interval : 0.0;
    return StrFormat("%.0f fps frame %.2f ms tick %.2f ms", fps, frame * 1000.0 / frequency,
                     tick * 1000.0 / frequency);
}

const LoopRoutines& StartFpsReadout(const LoopRoutines& routines) {
    game = routines;
    timed = routines;
    timed.update = TimedUpdate;
    timed.draw = TimedDraw;
    gamePresent = platform.present;
    platform.present = PresentWithReadout;
    return timed;
}

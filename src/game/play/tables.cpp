#include "game/play/tables.h"

#include <cmath>
#include <cstdlib>

int32_t sinTable[360];
int32_t cosTable[360];
const int32_t explosionFrames[11] = {0, 1, 2, 3, 2, 1, 2, 3, 4, 5, 6};

void FillTrigTables() {
    // 57.3 degrees to the radian, truncated toward zero: cos 0 is 256, sin 90 only 255.
    for (int a = 0; a < 360; ++a) {
        sinTable[a] = static_cast<int32_t>(std::trunc(std::sin(a / 57.3) * 256));
        cosTable[a] = static_cast<int32_t>(std::trunc(std::cos(a / 57.3) * 256));
    }
}

int32_t WrapAngle(int32_t angle) {
    while (angle < 0) angle += 360;
    while (angle > 359) angle -= 360;
    return angle;
}

namespace {
// The bearing of (dx, dy) before wrapping: 540 - atan(dx / dy) in degrees,
// with 180 added to the arctangent when the point lies above.
int32_t BearingOf(int64_t dx, int64_t dy) {
    if (dx == 0) return dy < 0 ? 0 : 180;
    double q = dy == 0 ? (dx > 0 ? HUGE_VAL : -HUGE_VAL) : static_cast<double>(dx) / static_cast<double>(dy);
    int32_t a = static_cast<int32_t>(std::trunc(std::atan(q) * 57.3));
    if (dy < 0) a += 180;
    return 540 - a;
}
}  // namespace

int32_t DirectionAngle(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    return BearingOf(static_cast<int64_t>(x1) - x0, static_cast<int64_t>(y1) - y0);
}

void AngleAndDistance(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t& bearing, int32_t& distance) {
    int64_t dx = static_cast<int64_t>(x1) - x0;
    const int64_t dy = static_cast<int64_t>(y1) - y0;
    const int64_t left = static_cast<int64_t>(x1) - (static_cast<int64_t>(x0) - 750);
    const int64_t right = static_cast<int64_t>(x1) - (static_cast<int64_t>(x0) + 750);
    if (std::llabs(left) < std::llabs(dx)) dx = left;
    else if (std::llabs(right) < std::llabs(dx)) dx = right;
    distance = (dx == 0 && dy == 0) ? 0 : static_cast<int32_t>(std::trunc(std::sqrt(static_cast<double>(dx * dx + dy * dy))));
    bearing = BearingOf(dx, dy);
    if (bearing < 0) bearing += 360;
    else if (bearing > 359) bearing -= 360;
}

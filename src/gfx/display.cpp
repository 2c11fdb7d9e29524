#include "gfx/display.h"

#include <algorithm>
#include <cstring>

#include "gfx/surface.h"
#include "shell/platform.h"

DisplayInfo displayInfo = {640, 480, 0, 0, 1, 640, 16, 0, 0};
uint16_t displayBuffer[kScreenWidth * kScreenHeight];
int32_t scorePanelRefresh = 0;

void FillDisplayInfo() { displayInfo = DisplayInfo{640, 480, 0, 0, 1, 640, 16, 0, 0}; }

namespace {
// Copies rows of a rectangle from the surface into the display buffer. The
// surface is the 640 x 480 back surface; anything smaller is copied as far as it
// reaches.
void CopyRows(const Surface* surface, int x, int y, int w, int rows) {
    if (x == 0 && w == kScreenWidth && surface->width == kScreenWidth && surface->xStep == 1 &&
        surface->yStep == kScreenWidth && y + rows <= std::min(surface->height, kScreenHeight)) {
        // Whole rows laid out as the display's: one block.
        std::memcpy(&displayBuffer[y * kScreenWidth], pixelAddress(surface, 0, y),
                    static_cast<size_t>(rows) * kScreenWidth * sizeof(uint16_t));
        return;
    }
    for (int row = y; row < y + rows; ++row) {
        if (row >= surface->height || row >= kScreenHeight) break;
        int width = w;
        if (x + width > surface->width) width = surface->width - x;
        if (width <= 0) break;
        std::memcpy(&displayBuffer[row * kScreenWidth + x], pixelAddress(surface, x, row), width * sizeof(uint16_t));
    }
}
}  // namespace

int PresentFull(const Surface* surface) {
    if (quitRequested) return 1;
    CopyRows(surface, 0, 0, kScreenWidth, kScreenHeight);
    platform.present(displayBuffer);
    return 1;
}

int PresentRegions(const Surface* surface) {
    if (quitRequested) return 1;
    CopyRows(surface, playfieldRect.x, playfieldRect.y, playfieldRect.w, playfieldRect.h);
    if (scorePanelRefresh != 0) {
        int rows = scorePanelRefresh == 1 ? scorePanelRect.h / 2 : scorePanelRect.h;
        CopyRows(surface, scorePanelRect.x, scorePanelRect.y, scorePanelRect.w, rows);
        scorePanelRefresh = 0;
    }
    platform.present(displayBuffer);
    return 1;
}

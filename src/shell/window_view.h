// The 640 x 480 picture in a window of any size: where it sits (centred, keeping
// its aspect ratio, optionally at whole multiples only), the nearest-neighbour
// map between window pixels and picture pixels, and the copying of just the
// rows that changed since the last present, scaled, into the window's pixels.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "shell/screen.h"

struct WindowView {
    int windowWidth = 0, windowHeight = 0;
    int left = 0, top = 0, width = 0, height = 0;  // the picture's rectangle in the window
    // Picture column x covers window columns left + firstColumn[x] up to
    // left + firstColumn[x + 1] - 1; rows likewise.
    std::vector<int> firstColumn, firstRow;
    int wholeColumns = 0;  // window columns per picture column when that is a whole number, else 0
};

struct WindowRect {
    int x, y, w, h;
};

// wholeScale > 0 asks for whole multiples of the picture size only (when the
// window holds at least one); 0 fits the picture as large as it goes.
WindowView FitPicture(int windowWidth, int windowHeight, int wholeScale);
void WindowToPicture(const WindowView& view, int wx, int wy, int& x, int& y);
void PictureToWindow(const WindowView& view, int x, int y, int& wx, int& wy);

// The first and last pixel in which two picture rows differ; false when none does.
inline bool ChangedSpan(const uint16_t* now, const uint16_t* before, int& first, int& last) {
    if (std::memcmp(now, before, kScreenWidth * sizeof(uint16_t)) == 0) return false;
    first = 0;
    while (now[first] == before[first]) ++first;
    last = kScreenWidth - 1;
    for (uint64_t a, b; last >= 4; last -= 4) {  // four pixels at a time from the right
        std::memcpy(&a, now + last - 3, sizeof a);
        std::memcpy(&b, before + last - 3, sizeof b);
        if (a != b) break;
    }
    while (now[last] == before[last]) --last;
    return true;
}

// Copies into the window's pixels (pitch in pixels) every picture row that
// differs from `shown` (all of them when `all`), converting each picture pixel
// through `colours`, and brings `shown` up to date. Each run of changed rows
// adds one window rectangle to `changed`.
template <typename Pixel>
void CopyChangedRows(const WindowView& view, const uint16_t* picture, uint16_t* shown, bool all,
                     const Pixel* colours, Pixel* window, int pitch, std::vector<WindowRect>& changed) {
    int bandTop = -1, bandLeft = kScreenWidth, bandRight = -1;
    auto closeBand = [&](int endRow) {
        if (bandTop < 0) return;
        const int x0 = view.firstColumn[bandLeft], x1 = view.firstColumn[bandRight + 1];
        const int y0 = view.firstRow[bandTop], y1 = view.firstRow[endRow];
        if (x1 > x0 && y1 > y0) changed.push_back({view.left + x0, view.top + y0, x1 - x0, y1 - y0});
        bandTop = -1;
        bandLeft = kScreenWidth;
        bandRight = -1;
    };
    for (int y = 0; y < kScreenHeight; ++y) {
        const uint16_t* now = picture + y * kScreenWidth;
        uint16_t* before = shown + y * kScreenWidth;
        int first = 0, last = kScreenWidth - 1;
        if (!all && !ChangedSpan(now, before, first, last)) {
            closeBand(y);
            continue;
        }
        std::memcpy(before + first, now + first, static_cast<size_t>(last - first + 1) * sizeof(uint16_t));
        if (bandTop < 0) bandTop = y;
        if (first < bandLeft) bandLeft = first;
        if (last > bandRight) bandRight = last;
        const int rowTop = view.firstRow[y], rowEnd = view.firstRow[y + 1];
        if (rowEnd == rowTop) continue;  // a picture row that the window is too small to show
        Pixel* row = window + static_cast<std::ptrdiff_t>(view.top + rowTop) * pitch + view.left;
        if (view.wholeColumns == 2) {
            for (int x = first; x <= last; ++x) row[2 * x] = row[2 * x + 1] = colours[now[x]];
        } else if (view.wholeColumns > 0) {
            const int k = view.wholeColumns;
            for (int x = first; x <= last; ++x) std::fill_n(row + k * x, k, colours[now[x]]);
        } else {
            for (int x = first; x <= last; ++x) {
                const Pixel colour = colours[now[x]];
                for (int c = view.firstColumn[x]; c < view.firstColumn[x + 1]; ++c) row[c] = colour;
            }
        }
        const int c0 = view.firstColumn[first];
        const size_t bytes = static_cast<size_t>(view.firstColumn[last + 1] - c0) * sizeof(Pixel);
        for (int r = rowTop + 1; r < rowEnd; ++r)
            std::memcpy(window + static_cast<std::ptrdiff_t>(view.top + r) * pitch + view.left + c0, row + c0, bytes);
    }
    closeBand(kScreenHeight);
}

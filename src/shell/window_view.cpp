#include "shell/window_view.h"

#include <algorithm>

namespace {
// The first of the `size` window pixels that shows each of the `count` picture
// pixels: window pixel c shows picture pixel c * count / size.
std::vector<int> FirstPixels(int count, int size) {
    std::vector<int> first(static_cast<size_t>(count) + 1);
    for (int i = 0; i <= count; ++i) first[static_cast<size_t>(i)] = (i * size + count - 1) / count;
    return first;
}
}  // namespace

WindowPlace PlaceWindow(int scale, const WindowRect& usable, int titleBar) {
    int n = std::max(scale, 1);
    while (n > 1 && (kScreenWidth * n > usable.w || kScreenHeight * n + titleBar > usable.h)) --n;
    WindowPlace place{0, 0, kScreenWidth * n, kScreenHeight * n, n};
    place.x = usable.x + std::max(0, (usable.w - place.width) / 2);
    place.y = usable.y + titleBar + std::max(0, (usable.h - titleBar - place.height) / 2);
    return place;
}

WindowView FitPicture(int windowWidth, int windowHeight, int wholeScale) {
    WindowView view;
    view.windowWidth = std::max(windowWidth, 1);
    view.windowHeight = std::max(windowHeight, 1);
    const int whole = std::min(view.windowWidth / kScreenWidth, view.windowHeight / kScreenHeight);
    if (wholeScale > 0 && whole >= 1) {
        view.width = kScreenWidth * whole;
        view.height = kScreenHeight * whole;
    } else if (view.windowWidth * kScreenHeight <= view.windowHeight * kScreenWidth) {
        view.width = view.windowWidth;
        view.height = std::max(view.windowWidth * kScreenHeight / kScreenWidth, 1);
    } else {
        view.height = view.windowHeight;
        view.width = std::max(view.windowHeight * kScreenWidth / kScreenHeight, 1);
    }
    view.left = (view.windowWidth - view.width) / 2;
    view.top = (view.windowHeight - view.height) / 2;
    view.firstColumn = FirstPixels(kScreenWidth, view.width);
    view.firstRow = FirstPixels(kScreenHeight, view.height);
    view.wholeColumns = view.width % kScreenWidth == 0 ? view.width / kScreenWidth : 0;
    return view;
}

void WindowToPicture(const WindowView& view, int wx, int wy, int& x, int& y) {
    x = std::clamp(static_cast<int>(static_cast<int64_t>(wx - view.left) * kScreenWidth / view.width), 0, kScreenWidth - 1);
    y = std::clamp(static_cast<int>(static_cast<int64_t>(wy - view.top) * kScreenHeight / view.height), 0,
                   kScreenHeight - 1);
}

void PictureToWindow(const WindowView& view, int x, int y, int& wx, int& wy) {
    wx = view.left + view.firstColumn[static_cast<size_t>(std::clamp(x, 0, kScreenWidth - 1))];
    wy = view.top + view.firstRow[static_cast<size_t>(std::clamp(y, 0, kScreenHeight - 1))];
}

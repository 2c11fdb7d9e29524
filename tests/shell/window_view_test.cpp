// The picture in a window: its fit, the pointer mapping, and the copy of only
// the changed rows, checked against a plain nearest-neighbour scaling.
#include <gtest/gtest.h>

#include <vector>

#include "shell/window_view.h"

namespace {
TEST(WindowViewTest, FitKeepsTheAspectRatioAndCentres) {
    WindowView wide = FitPicture(1920, 1080, 0);
    EXPECT_EQ(wide.width, 1440);
    EXPECT_EQ(wide.height, 1080);
    EXPECT_EQ(wide.left, 240);
    EXPECT_EQ(wide.top, 0);
    WindowView tall = FitPicture(1280, 1024, 0);
    EXPECT_EQ(tall.width, 1280);
    EXPECT_EQ(tall.height, 960);
    EXPECT_EQ(tall.top, 32);
    // Whole multiples only: the largest that fits, or a plain fit below 1x.
    WindowView whole = FitPicture(1920, 1080, 1);
    EXPECT_EQ(whole.width, 1280);
    EXPECT_EQ(whole.left, 320);
    EXPECT_EQ(whole.top, 60);
    WindowView small = FitPicture(320, 200, 3);
    EXPECT_EQ(small.width, 266);
    EXPECT_EQ(small.height, 200);
    // Every picture column gets its share of window columns, in order.
    EXPECT_EQ(wide.firstColumn.front(), 0);
    EXPECT_EQ(wide.firstColumn.back(), wide.width);
    EXPECT_EQ(wide.firstRow.back(), wide.height);
}

TEST(WindowViewTest, PointerMapsToThePictureAndBack) {
    const WindowView view = FitPicture(1920, 1080, 0);
    int x, y, wx, wy;
    for (int px : {0, 1, 319, 638, 639}) {
        for (int py : {0, 240, 479}) {
            PictureToWindow(view, px, py, wx, wy);
            WindowToPicture(view, wx, wy, x, y);
            EXPECT_EQ(x, px);
            EXPECT_EQ(y, py);
        }
    }
    WindowToPicture(view, 10, 5, x, y);  // in the black border: held at the edge
    EXPECT_EQ(x, 0);
    WindowToPicture(view, 1919, 1079, x, y);
    EXPECT_EQ(x, 639);
    EXPECT_EQ(y, 479);
}

// Window pixels hold the picture value plus one, so that black (0) is told
// apart from a pixel never written.
struct Window {
    WindowView view;
    std::vector<uint32_t> colours = std::vector<uint32_t>(65536);
    std::vector<uint32_t> pixels;
    std::vector<uint16_t> shown = std::vector<uint16_t>(kScreenWidth * kScreenHeight);
    std::vector<WindowRect> changed;

    Window(int w, int h) : view(FitPicture(w, h, 0)), pixels(static_cast<size_t>(w) * h) {
        for (uint32_t v = 0; v < 65536; ++v) colours[v] = v + 1;
    }
    void Present(const std::vector<uint16_t>& picture, bool all) {
        changed.clear();
        CopyChangedRows(view, picture.data(), shown.data(), all, colours.data(), pixels.data(), view.windowWidth,
                        changed);
    }
    uint32_t At(int wx, int wy) const { return pixels[static_cast<size_t>(wy) * view.windowWidth + wx]; }
    // What plain nearest-neighbour scaling puts at every pixel of the picture's rectangle.
    void ExpectShows(const std::vector<uint16_t>& picture) const {
        for (int r = 0; r < view.height; ++r)
            for (int c = 0; c < view.width; ++c) {
                const int x = c * kScreenWidth / view.width, y = r * kScreenHeight / view.height;
                ASSERT_EQ(At(view.left + c, view.top + r), picture[y * kScreenWidth + x] + 1u) << c << "," << r;
            }
    }
};

std::vector<uint16_t> Pattern(int seed) {
    std::vector<uint16_t> p(kScreenWidth * kScreenHeight);
    for (size_t i = 0; i < p.size(); ++i) p[i] = static_cast<uint16_t>((i * 2654435761u + seed) >> 7);
    return p;
}

TEST(WindowViewTest, ChangedRowsAloneAreCopiedAndReported) {
    for (auto [w, h] : {std::pair{1280, 960}, {1920, 1440}, {640, 600}, {1000, 777}, {1920, 1080}, {500, 300}}) {
        Window window(w, h);
        std::vector<uint16_t> picture = Pattern(1);
        window.Present(picture, true);
        window.ExpectShows(picture);
        ASSERT_EQ(window.changed.size(), 1u);
        EXPECT_EQ(window.changed[0].w, window.view.width);

        window.Present(picture, false);  // nothing changed: nothing sent
        EXPECT_TRUE(window.changed.empty());

        // Two separate changes: a panel-like block and a single pixel at the far corner.
        for (int y = 20; y < 460; ++y)
            for (int x = 20; x < 350; ++x) picture[y * kScreenWidth + x] ^= 0x5555;
        picture[kScreenWidth * kScreenHeight - 1] ^= 1;
        window.Present(picture, false);
        window.ExpectShows(picture);
        EXPECT_EQ(window.shown, picture);
        if (window.view.height < kScreenHeight) continue;  // scaled down, the last row is not shown
        ASSERT_EQ(window.changed.size(), 2u) << w;
        const WindowRect& panel = window.changed[0];
        int px, py;
        WindowToPicture(window.view, panel.x, panel.y, px, py);
        EXPECT_EQ(px, 20);
        EXPECT_EQ(py, 20);
        WindowToPicture(window.view, panel.x + panel.w - 1, panel.y + panel.h - 1, px, py);
        EXPECT_EQ(px, 349);
        EXPECT_EQ(py, 459);
        const WindowRect& corner = window.changed[1];
        EXPECT_EQ(corner.x + corner.w, window.view.left + window.view.width);
        EXPECT_EQ(corner.y + corner.h, window.view.top + window.view.height);
    }
}

TEST(WindowViewTest, BordersOutsideThePictureAreNeverWritten) {
    Window window(1920, 1080);
    window.Present(Pattern(7), true);
    for (int wy : {0, 500, 1079}) {
        EXPECT_EQ(window.At(0, wy), 0u);
        EXPECT_EQ(window.At(window.view.left - 1, wy), 0u);
        EXPECT_EQ(window.At(window.view.left + window.view.width, wy), 0u);
        EXPECT_NE(window.At(window.view.left, wy), 0u);
    }
}
}  // namespace

TEST(WindowViewTest, AWindowIsLoweredToTheLargestScaleThatFitsTheDesktop) {
    // A 1080 desktop takes scale 2 with room for the title bar, not scale 3.
    const WindowPlace hd = PlaceWindow(3, WindowRect{0, 0, 1920, 1080}, 40);
    EXPECT_EQ(hd.scale, 2);
    EXPECT_EQ(hd.width, 1280);
    EXPECT_EQ(hd.height, 960);
    EXPECT_EQ(hd.x, 320);
    EXPECT_EQ(hd.y, 40 + 40);
    EXPECT_EQ(PlaceWindow(3, WindowRect{0, 0, 3840, 2160}, 40).scale, 3);
    EXPECT_EQ(PlaceWindow(8, WindowRect{0, 0, 3840, 2160}, 40).scale, 4);
    // 1440 rows hold 2 x 480 and a title bar, not 3 x 480 and one.
    EXPECT_EQ(PlaceWindow(3, WindowRect{0, 0, 2560, 1440}, 40).scale, 2);
    EXPECT_EQ(PlaceWindow(3, WindowRect{0, 0, 2560, 1480}, 40).scale, 3);
    // A panel on top and a second monitor on the left: the window stays inside
    // the usable area, its title bar below the panel.
    const WindowPlace beside = PlaceWindow(2, WindowRect{1920, 32, 1366, 736}, 40);
    EXPECT_EQ(beside.scale, 1);
    EXPECT_EQ(beside.x, 1920 + (1366 - 640) / 2);
    EXPECT_GE(beside.y, 32 + 40);
    EXPECT_LE(beside.y + beside.height, 32 + 736);
    // A desktop too small even for scale 1 still gets a window whose title bar
    // can be reached.
    const WindowPlace tiny = PlaceWindow(2, WindowRect{0, 0, 600, 400}, 40);
    EXPECT_EQ(tiny.scale, 1);
    EXPECT_EQ(tiny.x, 0);
    EXPECT_EQ(tiny.y, 40);
}

#include "gfx/screen_note.h"

#include <algorithm>
#include <vector>

#include "gfx/font.h"
#include "gfx/surface.h"
#include "gfx/display.h"
#include "shell/screen.h"
#include "shell/platform.h"

namespace {
constexpr int kCharWidth = 6, kBoxHeight = 12, kMargin = 2;
constexpr int kMaxChars = (kScreenWidth - 2 * kMargin) / kCharWidth - 1;

std::string noteText;
int64_t noteEnds = 0;
// The box the note covers and the display pixels under it; empty while nothing is drawn.
int boxLeft = 0, boxTop = 0, boxWidth = 0;
std::vector<uint16_t> under;

uint16_t& DisplayPixel(int x, int y) { return displayBuffer[y * kScreenWidth + x]; }
}  // namespace

void ShowScreenNote(const std::string& text, double seconds) {
    // A long path keeps its end, where the file's name is.
    noteText = text.size() <= static_cast<size_t>(kMaxChars) ? text : "..." + text.substr(text.size() - (kMaxChars - 3));
    noteEnds = platform.readCounter() + static_cast<int64_t>(seconds * static_cast<double>(platform.counterFrequency()));
}

void LiftScreenNote() {
    for (int y = 0; y < kBoxHeight && !under.empty(); ++y)
        std::copy_n(&under[static_cast<size_t>(y * boxWidth)], boxWidth, &DisplayPixel(boxLeft, boxTop + y));
    under.clear();
}

void PutScreenNote() {
    if (noteText.empty()) return;
    if (platform.readCounter() >= noteEnds) {
        noteText.clear();
        return;
    }
    boxWidth = static_cast<int>(noteText.size()) * kCharWidth + 2 * kMargin;
    boxLeft = 0;
    boxTop = kScreenHeight - kBoxHeight;
    under.resize(static_cast<size_t>(boxWidth * kBoxHeight));
    for (int y = 0; y < kBoxHeight; ++y)
        for (int x = 0; x < boxWidth; ++x) {
            uint16_t& pixel = DisplayPixel(boxLeft + x, boxTop + y);
            under[static_cast<size_t>(y * boxWidth + x)] = pixel;
            pixel = 0;
        }
    Surface view{kScreenWidth, kScreenHeight, 0, 1, kScreenWidth, kScreenWidth / 2, kScreenHeight / 2, nullptr,
                 displayBuffer};
    drawSmallText(&view, noteText, boxLeft + kMargin, boxTop + 1, packColour(31, 31, 31));
}

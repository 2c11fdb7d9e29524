#include "game/flow/choose_level.h"

#include <string>

#include "game/game_state.h"
#include "game/layout.h"
#include "game/play/level.h"
#include "game/play/level_thumbnail.h"
#include "gfx/blit.h"
#include "gfx/font.h"
#include "gfx/picture.h"
#include "shell/input.h"

int32_t thumbIndex;
int32_t chooserPhase;

namespace {
Surface* choosePicture;
using namespace layout;

// A level number drawn outlined on its cell: a soft black ring, then white.
void DrawCellNumber(Surface* dest, int cell) {
    std::string text = std::to_string(cell + 1);
    const int x = kChooserGridX + (cell % 10) * kChooserCell + kChooserCell / 2 - 3 * static_cast<int>(text.size());
    const int y = kChooserGridY + (cell / 10) * kChooserCell + 9;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) drawSmallTextBlended(dest, text, x + dx, y + dy, 0, 48);
    drawSmallText(dest, text, x, y, packColour(31, 31, 31));
}

int CellLeft(int cell) { return kChooserGridX + (cell % 10) * kChooserCell; }
int CellTop(int cell) { return kChooserGridY + (cell / 10) * kChooserCell; }

// Lightens the square frame of a cell; amount(i, x, y) gets the position along
// an edge (-15..14) and the pixel.
template <typename Amount>
void LightenCellFrame(Surface* dest, int cell, Amount amount) {
    const int cx = CellLeft(cell) + 16, cy = CellTop(cell) + 16;
    auto lighten = [&](int i, int x, int y) { lightenPixel(dest, x, y, amount(i, x, y)); };
    for (int i = -15; i <= 14; ++i) {
        lighten(i, cx + i, cy - 16);
        lighten(i, cx + i, cy + 15);
        lighten(i, cx - 16, cy + i);
        lighten(i, cx + 15, cy + i);
    }
}
}  // namespace

bool LevelMayBeChosen(int32_t level) {
    return LevelProgressRow(difficulty)[level] != 0 || optUnlockAllLevels == 1;
}

int32_t ChooserCellAt(int32_t x, int32_t y) {
    const int32_t column = (x - kChooserGridX) / kChooserCell, row = (y - kChooserClickY) / kChooserCell;
    if (column < 0 || column > 9 || row < 0 || row > 9) return -1;
    return column + 10 * row;
}

void EndGameInProgress() {
    if (!gameInProgress) return;
    UnloadLevel();
    removeSurface(playfieldImage);
    gameInProgress = 0;
}

void EnterChooseLevel() {
    chooserPhase = 69;
    EndGameInProgress();
    LevelProgressRow(difficulty)[0] = 1;
    loadPicture("choose.png", choosePicture);
    levelChooserSheet = createSurface(kChooserSheetSide, kChooserSheetSide);
    drawSprite(levelChooserSheet, 0, 0, kChooserSheetSide, kChooserSheetSide, choosePicture, kChooserGridX,
               choosePicture->height - 328, BlitCopy);
    thumbIndex = 0;
}

void LeaveChooseLevel() {
    removeSurface(choosePicture);
    removeSurface(levelChooserSheet);
}

int32_t UpdateChooseLevel() {
    if (tickCounter % 3 == 0 && thumbIndex < levelCount) {
        if (LevelMayBeChosen(thumbIndex)) BuildLevelThumbnail(thumbIndex);
        thumbIndex += 1;
    } else {
        chooserPhase = (chooserPhase + 1) % 100;
        if (tickCounter % 3 == 0) thumbIndex += 1;
    }
    return ModeChooseLevel;
}

int32_t DrawChooseLevel() {
    Surface* dest = backSurface;
    drawSprite(dest, dest->halfWidth - choosePicture->halfWidth, dest->halfHeight - choosePicture->halfHeight,
               choosePicture->width, choosePicture->height, choosePicture, 0, 0, BlitCopy);
    drawSprite(dest, kChooserGridX, kChooserGridY, kChooserSheetSide, kChooserSheetSide, levelChooserSheet, 0, 0,
               BlitCopy);
    const int32_t held = mouseButtonDown ? ChooserCellAt(mouseX, mouseY) : -1;
    if (held >= 0) {
        for (int y = 0; y < kChooserCell; ++y)
            for (int x = 0; x < kChooserCell; ++x) {
                const int px = CellLeft(held) + x, py = CellTop(held) + y;
                lightenPixel(dest, px, py, (((px + py - static_cast<int>(tickCounter)) >> 1) & 31) >> 1);
            }
        DrawCellNumber(dest, held);
    }
    if (thumbIndex > 0 && thumbIndex <= levelCount) DrawCellNumber(dest, thumbIndex - 1);
    if (LevelProgressRow(difficulty)[1] == 0 || optUnlockAllLevels)
        LightenCellFrame(dest, 0, [](int, int x, int y) { return (x + y - static_cast<int>(tickCounter)) & 31; });
    if (thumbIndex > 99) {
        for (int k = chooserPhase; k <= chooserPhase + 30; ++k) {
            const int m = k % 100;
            if (!LevelMayBeChosen(m)) continue;
            const int period = k + 1 - chooserPhase;
            LightenCellFrame(dest, m, [period](int i, int, int) { return (i + static_cast<int>(tickCounter >> 4)) % period; });
        }
    }
    return ModeChooseLevel;
}

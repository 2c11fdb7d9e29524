// The level editor's pointer: picking from the two palettes, lifting, erasing
// and marking blocks, painting shapes, and dropping a lifted block.
#include "game/game_state.h"
#include "game/input/editor.h"
#include "game/play/block_set.h"
#include "game/play/blocks.h"
#include "game/play/level.h"
#include "game/play/power_ups.h"
#include "shell/input.h"

namespace {
constexpr int kPaletteRowPitch = 30;
constexpr int kPaletteGap = 2;
constexpr int kPaletteRightMargin = 50;
constexpr int kPowerUpPitchX = 24, kPowerUpPitchY = 16, kPowerUpFirstX = 12, kPowerUpReach = 10;

// Walks the block palette as it is drawn, bottom row first; returns whether a
// shape was taken, and leaves y at the row where the walk stopped.
bool PickShape(int& y) {
    int x = kEditorFieldX;
    y = kEditorFieldY + playfieldImage->height - 20;
    for (int k = 0; k < blockDescCount; ++k) {
        const BlockDesc& d = blockDescs[k];
        if (x - kEditorFieldX + d.width + kPaletteGap > playfieldImage->width - kPaletteRightMargin) {
            x = kEditorFieldX;
            y -= kPaletteRowPitch;
        }
        if (x <= mouseX && mouseX <= x + d.width && y <= mouseY && mouseY <= y + d.height) {
            editorKind = k;
            liftedFromLevel = 0;
            grabX = d.width / 2;
            grabY = d.height / 2;
            return true;
        }
        x += d.width + kPaletteGap;
    }
    return false;
}

void PickPowerUp(int rowY) {
    int x = kEditorFieldX + kPowerUpFirstX, y = rowY - 12;
    for (int t = 0; t < kPowerUpTypes; ++t) {
        if (x - kPowerUpReach <= mouseX && mouseX <= x + kPowerUpReach && y - kPowerUpReach <= mouseY &&
            mouseY <= y + kPowerUpReach) {
            editorPowerUp = t;
            return;
        }
        x += kPowerUpPitchX;
        if (x - kEditorFieldX > collisionMap->width - kPowerUpPitchX) {
            x = kEditorFieldX + kPowerUpFirstX;
            y -= kPowerUpPitchY;
        }
    }
}

void TouchBlock(bool press) {
    const int i = FindBlockAt(mouseX - kEditorFieldX, mouseY - kEditorFieldY);
    if (i < 0) return;
    if (editorPowerUp >= 0) {
        levelBlocks[i].powerUp = static_cast<uint16_t>(editorPowerUp + 1);
    } else if (press) {
        const LevelBlock& b = levelBlocks[i];
        editorKind = b.kind;
        grabX = mouseX - b.x - kEditorFieldX;
        grabY = mouseY - b.y - kEditorFieldY;
        DestroyBlock(i);
        liftedFromLevel = 1;
    } else {
        DestroyBlock(i);
    }
    ComposePlayfield();
}
}  // namespace

void EditorPointer(bool press) {
    if (press) {
        int rowY;
        const bool hit = PickShape(rowY);
        PickPowerUp(rowY);
        if (hit) return;
    }
    if (editorKind < 0) {
        TouchBlock(press);
    } else if (liftedFromLevel == 0 && mouseButtonDown == 1 && HeldShapeFits()) {
        AddLevelBlock(placeX, placeY, editorKind, editorPowerUp >= 0 ? editorPowerUp + 1 : 0);
        ComposePlayfield();
    }
}

void EditorClick() {
    if (editorKind >= 0 && liftedFromLevel == 1 && HeldShapeFits()) {
        AddLevelBlock(placeX, placeY, editorKind, 0);
        editorKind = -1;
        liftedFromLevel = 0;
        ComposePlayfield();
    }
}

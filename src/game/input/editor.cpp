// The level editor's state, entering and leaving it, its keys (level steps,
// Escape and the tightening of gaps) and the checks that placing relies on.
#include "game/input/editor.h"

#include "game/flow/choose_level.h"
#include "game/game_state.h"
#include "game/input/input_modes.h"
#include "game/play/block_set.h"
#include "game/play/blocks.h"
#include "game/play/level.h"
#include "gfx/blit.h"
#include "shell/input.h"
#include "shell/platform.h"

int32_t editorKind = -1;
int32_t liftedFromLevel;
int32_t grabX, grabY;
int32_t placeX, placeY;
int32_t editorPowerUp = -1;
int32_t editorCentreX, editorCentreY;

namespace {
constexpr int kTightenPasses = 10;
constexpr int kTightenReach = 5;  // gaps below this many pixels close

// The level with its surfaces. The untouched scenery copy is made too, so that
// freeing the level finds every surface it owns.
void LoadEditedLevel() {
    LoadLevel(currentLevel);
    if (sceneryPristine) removeSurface(sceneryPristine);
    sceneryPristine = createSurface(sceneryView->width, sceneryView->height);
    centerSurface(sceneryPristine, sceneryView);
}

void StepLevel(int32_t step) {
    SaveEditedLevel();
    UnloadLevel();
    currentLevel += step;
    LoadEditedLevel();
    ComposePlayfield();
}

// Takes every block out of the collision map, so that blocks which then move
// leave no stale pixels behind; ComposePlayfield stamps them again.
void ClearBlockStamps() {
    for (int i = 0; i < levelBlockCount; ++i) {
        const LevelBlock& b = levelBlocks[i];
        const BlockDesc& d = BlockDescOf(b.kind);
        drawSpriteParam(collisionMap, b.x, b.y, b.width, b.height, blockSetImage, d.srcX, d.srcY, BlitSolid, 0);
    }
}

int32_t Towards(int32_t c, int32_t centre) { return c < centre ? 1 : c > centre ? -1 : 0; }

void EditorKeyUp(int32_t key) {
    if (key == keyBindings[BindDown] && currentLevel > 0) StepLevel(-1);
    if (key == keyBindings[BindUp] && currentLevel < levelCount - 1) StepLevel(1);
    if (key == keyBindings[BindEscape]) {
        if (editorKind < 0 && editorPowerUp < 0) {
            SaveLevel(currentLevel);
            currentMode = ModeMainMenu;
        } else {
            editorKind = -1;
            editorPowerUp = -1;
        }
    }
    if (key == keyBindings[BindLeft] && levelBlockCount > 0) {
        ClearBlockStamps();
        TightenVertically();
        ComposePlayfield();
    }
    if (key == keyBindings[BindRight] && levelBlockCount > 0) {
        ClearBlockStamps();
        TightenHorizontally();
        ComposePlayfield();
    }
}
}  // namespace

void ComputeEditorCentre() {
    if (levelBlockCount == 0) {
        editorCentreX = collisionMap->width / 2;
        editorCentreY = collisionMap->height / 2;
        return;
    }
    int32_t sumX = 0, sumY = 0;
    for (int i = 0; i < levelBlockCount; ++i) {
        sumX += levelBlocks[i].x + levelBlocks[i].width / 2;
        sumY += levelBlocks[i].y + levelBlocks[i].height / 2;
    }
    editorCentreX = sumX / levelBlockCount;
    editorCentreY = sumY / levelBlockCount;
}

bool SaveEditedLevel() {
    if (SaveLevel(currentLevel)) return true;
    platform.messageBox("Unable to save level.", "ERROR", MessageOk);
    return false;
}

void EnterLevelEditor() {
    EndGameInProgress();
    if (currentLevel > levelCount - 1) currentLevel = 0;
    if (currentLevel < 0) currentLevel = levelCount - 1;
    LoadEditedLevel();
    ComputeEditorCentre();
    if (playfieldImage) removeSurface(playfieldImage);
    playfieldImage = createSurface(sceneryView->width, sceneryView->height);
    editorKind = -1;
    editorPowerUp = -1;
    liftedFromLevel = 0;
    ComposePlayfield();
}

void LeaveLevelEditor() {
    SaveEditedLevel();
    UnloadLevel();
    removeSurface(playfieldImage);
}

bool BlockOverlapsAt(int i, int dx, int dy) {
    const LevelBlock& a = levelBlocks[i];
    for (int j = 0; j < levelBlockCount; ++j) {
        if (j == i) continue;
        const LevelBlock& b = levelBlocks[j];
        const int ox = a.x + dx - b.x, oy = a.y + dy - b.y;
        if (ox + a.width > 0 && ox < b.width && oy + a.height > 0 && oy < b.height) return true;
    }
    return false;
}

void MoveLevelBlock(int i, int dx, int dy) {
    levelBlocks[i].x = static_cast<uint16_t>(levelBlocks[i].x + dx);
    levelBlocks[i].y = static_cast<uint16_t>(levelBlocks[i].y + dy);
}

void TightenVertically() {
    for (int pass = 0; pass < kTightenPasses; ++pass) {
        for (int i = 0; i < levelBlockCount; ++i) {
            const int32_t d = Towards(levelBlocks[i].y + levelBlocks[i].height / 2, editorCentreY);
            if (BlockOverlapsAt(i, 0, kTightenReach * d) && !BlockOverlapsAt(i, 0, d)) MoveLevelBlock(i, 0, d);
        }
    }
}

void TightenHorizontally() {
    for (int pass = 0; pass < kTightenPasses; ++pass) {
        for (int i = 0; i < levelBlockCount; ++i) {
            const int32_t d = Towards(levelBlocks[i].x + levelBlocks[i].width / 2, editorCentreX);
            if (BlockOverlapsAt(i, kTightenReach * d, 0) && !BlockOverlapsAt(i, d, 0)) MoveLevelBlock(i, d, 0);
        }
    }
}

bool HeldShapeFits() {
    if (editorKind < 0 || editorKind >= blockDescCount) return false;
    // Block positions are unsigned: a shape sticking out left or above cannot be stored.
    if (placeX < 0 || placeY < 0) return false;
    const BlockDesc& d = blockDescs[editorKind];
    for (int i = 0; i < d.width; ++i)
        for (int j = 0; j < d.height; ++j)
            if (getPixel(blockSetImage, d.srcX + i, d.srcY + j) != 0 && getPixel(collisionMap, placeX + i, placeY + j) > 0)
                return false;
    return true;
}

void LevelEditorInput(uint32_t message, uint32_t wParam, int32_t) {
    switch (message) {
        case MsgKeyUp: EditorKeyUp(KeyCode(wParam)); break;
        case MsgLeftDown: EditorPointer(true); break;
        case MsgMouseMove:
            if (mouseButtonDown == 1) EditorPointer(false);
            break;
        case MsgLeftUp: EditorClick(); break;
        default: break;
    }
}

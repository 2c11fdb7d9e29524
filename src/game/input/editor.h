// The level editor: the player builds levels with the pointer from a palette of
// block shapes and a palette of power-ups, and every way out saves the level.
#pragma once
#include <cstdint>
#include "shell/catalogue.h"

// The playfield is shown centred on the screen in the editor.
constexpr int kEditorFieldX = 155;
constexpr int kEditorFieldY = 20;

extern int32_t editorKind;        // kind of the shape in hand, or -1
extern int32_t liftedFromLevel;   // 1 when the shape in hand was lifted out of the level
extern int32_t grabX, grabY;      // where the pointer holds the shape, from its top-left
extern int32_t placeX, placeY;    // playfield position the shape in hand would go to
extern int32_t editorPowerUp;     // power-up type selected for marking blocks, or -1
extern int32_t editorCentreX, editorCentreY;  // what the tightening keys pull towards
extern int32_t editorHelpShown;   // 1 until the first click or key: the one-line help

void EnterLevelEditor();
void LeaveLevelEditor();
int32_t DrawLevelEditor();
void LevelEditorInput(uint32_t message, uint32_t wParam, int32_t param);

// The mean centre of the level's blocks; the playfield centre when it has none.
void ComputeEditorCentre();
// Saves the level being edited; a failure is shown to the player as well as logged.
bool SaveEditedLevel();
// Whether some other block overlaps block i moved by (dx, dy); touching is no overlap.
bool BlockOverlapsAt(int i, int dx, int dy);
void MoveLevelBlock(int i, int dx, int dy);
// Ten passes that slide blocks one pixel at a time towards the centre line
// until they touch a neighbour at most 4 pixels away.
void TightenVertically();
void TightenHorizontally();
// Whether the shape in hand can go at (placeX, placeY): none of its pixels lands
// on scenery or another block, and it does not stick out left of or above the field.
bool HeldShapeFits();
// Whether a shape that fits there would also stay: loading the level keeps it
// (not too deep, not on or just above scenery) and it is not wholly right of
// the field, where no ball reaches. A shape overhanging the right edge stays.
bool HeldShapeKept();
// The pointer's button press or drag, and its click, in screen coordinates.
void EditorPointer(bool press);
void EditorClick();

// The editor's one-line help along the bottom of the screen, shown until the
// first click or key.
constexpr const char* kEditorHelp =
    TrNoop("Pick a shape and paint  Press a block to lift it  Up/Down: level  Left/Right: close gaps");

// The level chooser: a 10 x 10 grid of level thumbnails, built one every third
// tick, then swept by a moving highlight over the levels that may be chosen.
#pragma once
#include <cstdint>

extern int32_t thumbIndex;    // next thumbnail to build; keeps counting past 100
extern int32_t chooserPhase;  // 0..99, start of the highlight sweep
// The level the keys have highlighted, or -1 while the pointer chooses; it is
// lit as a cell under a held button is.
extern int32_t chooserKeyCell;

// Whether a level may be chosen on the current difficulty.
bool LevelMayBeChosen(int32_t level);
// The cell (column + 10 x row) under a panel position, or -1.
int32_t ChooserCellAt(int32_t x, int32_t y);

void EnterChooseLevel();
void LeaveChooseLevel();
int32_t UpdateChooseLevel();
int32_t DrawChooseLevel();

// Ends the game in progress: frees the level and its playfield.
void EndGameInProgress();

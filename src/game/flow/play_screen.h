// The play screen: the playfield with its shake, the band line, the side panel
// with score, level and lives, the gameplay layers, the play messages and the
// hint box.
#pragma once
#include <cstdint>

// The values the side panel shows now; -1 forces a whole redraw.
extern int32_t panelScore, panelLevel, panelLives;

// The whole side panel from the title picture, with the three numbers, onto the
// back surface.
void DrawWholeSidePanel();
int32_t DrawPlay();
int32_t DrawLevelStart();

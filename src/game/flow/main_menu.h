// The main menu: the title picture with the items, and behind them either the
// drifting background or the dimmed paused game.
#pragma once
#include <cstdint>

extern int32_t menuGlow[6];  // per item, -31 dark .. 0 lit

// The item a pointer row falls on (truncating towards zero), or -1 outside.
int32_t MenuItemAt(int32_t y);

void EnterMainMenu();
void LeaveMainMenu();
int32_t UpdateMainMenu();
int32_t DrawMainMenu();

// The main menu: the title picture with the items, and behind them either the
// drifting background or the dimmed paused game.
#pragma once
#include <cstdint>
#include "shell/catalogue.h"

extern int32_t menuGlow[6];  // per item, -31 dark .. 0 lit
// The item the keys have highlighted, or -1 while the pointer chooses. It
// glows as the item under the pointer does.
extern int32_t menuKeyItem;

// The item a pointer row falls on (truncating towards zero), or -1 outside.
int32_t MenuItemAt(int32_t y);
// The first item shown: "Resume" only with a game in progress.
int32_t FirstMenuItem();
// Where the pointer rests on "Resume" when play goes back to the menu, so that
// it never waits on "Exit".
void ParkPointerOnResume();

void EnterMainMenu();
void LeaveMainMenu();
int32_t UpdateMainMenu();
int32_t DrawMainMenu();

// The credit line under the menu.
constexpr const char* kByline = TrNoop("By the Zapbrik team");

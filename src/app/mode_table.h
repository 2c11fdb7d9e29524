// Which routines run each mode. Every mode of the game has a row; a screen's
// routines live in the file of that screen.
#pragma once
#include <span>

#include "app/modes.h"

extern const std::span<const ModeRoutines> modeTable;

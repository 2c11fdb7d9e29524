// The exit picture: the next key or click ends the program.
#pragma once
#include <cstdint>

void EnterExitWallpaper();
void LeaveExitWallpaper();
int32_t DrawExitWallpaper();

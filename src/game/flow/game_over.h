// "Game Over" with the final score, over the title picture.
#pragma once
#include <cstdint>

void EnterGameOver();
int32_t DrawGameOver();

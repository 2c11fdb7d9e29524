// The high-score screen: the first 12 rows of the current difficulty's table.
#pragma once
#include <cstdint>

void EnterHighScores();
int32_t DrawHighScores();

// The one pseudo-random stream of the whole program. It starts at 1 and is never
// reseeded, so every run draws the same numbers; gameplay, drawing and sound all
// take from it.
#pragma once
#include <cstdint>

extern uint32_t randState;

inline int32_t Rand() {
    randState = randState * 214013u + 2531011u;
    return static_cast<int32_t>((randState >> 16) & 0x7FFF);
}

// "You have a high score!": the name entry with its on-screen keyboard.
#pragma once
#include <cstdint>

// The character a key of the on-screen keyboard stands for.
inline int32_t KeyboardCode(int column, int row) { return 32 + column + 12 * row; }

void EnterEnterName();
int32_t DrawEnterName();
// Appends a character while fewer than 10 are held; the name stays terminated.
void AppendNameCharacter(char c);
void EraseNameCharacter();
// Stores playerName with the score when it is not empty; the table shows next.
void FinishNameEntry();

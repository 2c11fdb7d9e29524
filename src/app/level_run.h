// A level played alone by the autoplayer (--autoplay --level N): the game starts
// straight into level N at a difficulty, ends once the level is cleared or lost,
// and reports one line:
//   level N difficulty D result cleared|lost ticks T score S balls_lost B capsules C
#pragma once
#include <cstdint>
#include <string>

// Starts a new game at level (1..100) and difficulty (1..4), without hints.
void StartLevelRun(int32_t level, int32_t difficulty, bool unlimitedLives);
// Ends the program once the level is cleared or the game is over. Runs in the
// message-drain step; does nothing unless a level run was started.
void CheckLevelRun();
// The result line; "lost" unless the level was cleared.
std::string LevelRunReport();

// The game in progress kept across the end of the program: "resume.dat" in the
// player's folder holds everything play runs on (the level's blocks, balls,
// debris, power-ups, paddle, score, lives, the random stream, and the changes
// play made to the level's pictures), so Resume on the next start's menu goes on
// exactly where the game stopped.
#pragma once

// When the program ends: writes the game in progress (the old file stays whole
// if the write fails), or removes the file when there is no game in progress.
void KeepGameInProgress();
// At start-up, after the settings: a kept game becomes the paused game in
// progress. A damaged or foreign file is ignored with a warning; true when a
// game was restored.
bool RestoreKeptGame();
// The paused game goes on (Resume), or a new game replaces it: a restored game
// takes up its random stream where it stopped, and the file is removed.
void ResumeKeptGame();
void ForgetKeptGame();

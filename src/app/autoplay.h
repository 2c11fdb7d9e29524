// The autoplayer: it plays by moving the pointer, the same input a player
// makes. It follows the ball that reaches the paddle first, places the paddle
// (raised up the zone when that opens a better angle) so the bounce heads for
// a remaining block and brings the ball back soon, catches helpful capsules,
// keeps clear of harmful ones and pushes into sand to dig when the paddle is
// boxed in. It looks ahead with a ghost ball that moves by the real ball's rules.
#pragma once
#include <cstdint>

extern int32_t autoplayEnabled;
extern int32_t autoplayBallsLost;        // times the last ball on the field was lost
extern int32_t autoplayCapsulesCaught;  // capsules that reached the paddle

// Clears the counts and the autoplayer's memory (a new level).
void ResetAutoplay();
// Runs in the message-drain step of every pass: during play it sends the
// pointer events that steer the paddle towards where it should be.
void RunAutoplay();

// Harmful capsules are the ones the autoplayer keeps away from.
bool HarmfulPowerUp(int type);

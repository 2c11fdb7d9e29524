// A fingerprint of everything play depends on: one 64-bit value for the whole
// state, made of one hash per part, so that two runs can be compared tick by
// tick and a difference named by the part it is in. Every field is fed in
// explicitly as a number (no padding bytes, no pointers), so the values are the
// same on every machine.
#pragma once
#include <cstdint>
#include <string>

enum StatePart {
    StateBalls, StateDebris, StateExplosions, StateBlocks, StateCapsules, StatePowerUps, StatePaddle,
    StateTimers, StateGame, StateRandom, StateMap, StateScenery, StateSounds, kStateParts
};
extern const char* const statePartNames[kStateParts];

uint64_t StatePartHash(int part);
// The whole state: the part hashes hashed in order.
uint64_t StateHash();
// One line of a state trace: the tick, the whole hash (16 hex digits), then each
// part's hash (its low 32 bits, 8 hex digits), separated by spaces.
std::string StateTraceLine();
// The header naming a trace's columns, starting with '#'.
std::string StateTraceHeader();

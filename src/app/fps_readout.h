// The --fps readout: frames a second and the time one frame and one tick take,
// measured with the platform counter and shown in the top right corner of the
// screen. Nothing of it runs without --fps.
#pragma once
#include <string>

#include "app/loop.h"

// Puts the readout over every present and returns the loop routines with their
// updates and draws timed.
const LoopRoutines& StartFpsReadout(const LoopRoutines& game);

// The readout's text for a frame interval, a frame cost and a tick cost in counts.
std::string FpsReadoutText(double interval, double frame, double tick, double frequency);

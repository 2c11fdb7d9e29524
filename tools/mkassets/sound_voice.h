// Voice lines spoken by espeak-ng at build time, trimmed and shaped.
#pragma once
#include <string>

#include "sound_synth.h"

// Speaks text (espeak-ng pitch 0..99, speed in words a minute) and returns it at
// rate, without the silence around it, lowered in pitch (and slowed) by the factor
// deepen (1 keeps it), at most maxSeconds long. Empty on failure.
Signal SpokenLine(const std::string& text, int pitch, int speed, double deepen, double maxSeconds, double rate);

// The sound families of the generator: effects and jingles, and the music tracks.
#pragma once
#include <string>

bool WriteSoundEffects(const std::string& out);
bool WriteMusic(const std::string& out);

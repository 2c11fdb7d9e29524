// Reads a written sample back through the game's own loader.
#pragma once
#include <cstddef>
#include <string>

// Loads out/Sound/name as the game would (half rate or not) and checks what the
// game then holds: the length, the closing silent sample and, for a track that
// waits on its first sample, a silent start. Prints what differs; false then.
bool ReadBackSample(const std::string& out, const std::string& name, bool halfRate, size_t fileSamples,
                    bool silentStart);

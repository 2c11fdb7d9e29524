// Reading the generated Data/ of the build folder back with the game's loaders.
#pragma once
#include <string>

#include "gfx/surface.h"

// Loads build/Data/<name> at a gamma level; complaints counts the message boxes
// the loader raised. The caller removes the surface.
Surface* LoadGenerated(const std::string& name, int gamma, int* complaints);
// The 8-bit-style components of a loaded pixel, 0..31.
struct Components {
    int r, g, b;
};
Components At(const Surface* s, int x, int y);

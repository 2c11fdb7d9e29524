// Pictures: PNG and JPEG files of the Data folder, decoded into 16-bit surfaces
// through the gamma table. A missing or broken picture never stops the game: the
// caller gets a 5 x 5 black surface instead.
#pragma once
#include <string>

#include "gfx/surface.h"

// Loads dataFolder + name into target (creating it when null, else drawing the
// picture centred into it). On return target is never null.
// Each loader answers whether the picture was read; the loaders also log and
// show what went wrong, and loadPicture leaves a 5 x 5 stand-in when it failed.
bool loadPicture(const std::string& name, Surface*& target);
bool loadPngPicture(const std::string& path, Surface*& target);
bool loadJpegPicture(const std::string& path, Surface*& target);

// Pictures: PNG and JPEG files of the Data folder, decoded into 16-bit surfaces
// through the gamma table. A missing or broken picture never stops the game: the
// caller gets a 5 x 5 black surface instead.
#pragma once
#include <string>

#include "gfx/surface.h"

// The pictures that carry words: each language has its own copy of them in
// Data/<language>/, under the same name and at the same size.
constexpr const char* kPicturesWithWords[] = {"titleBack.png", "mainMenu.png", "optionsWin.png", "choose.png",
                                              "strider.png",   "wxintro.png",  "wxwall.jpg",     "sprites.png"};
bool HasWords(const std::string& name);

// Loads dataFolder + name (for a picture with words, the player's language's
// copy when there is one) into target (creating it when null, else drawing the
// picture centred into it). On return target is never null.
// Each loader answers whether the picture was read; the loaders also log and
// show what went wrong, and loadPicture leaves a 5 x 5 stand-in when it failed.
bool loadPicture(const std::string& name, Surface*& target);
bool loadPngPicture(const std::string& path, Surface*& target);
bool loadJpegPicture(const std::string& path, Surface*& target);

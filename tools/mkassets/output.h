// Writing the generated pictures and reading every one back through the game's
// own picture loader, which must accept it at the size the game's code assumes.
#pragma once
#include <string>

#include "canvas.h"
#include "gfx/surface.h"

// The language being drawn: the source language's pictures go into Data/,
// another's pictures with words into Data/<language>/, and its other pictures
// (the same in every language) are not written again.
void SetDrawingLanguage(const std::string& language);
// The folder the current language's files go into: out/Data/ or out/Data/<language>/.
std::string LanguageDataFolder(const std::string& out);

// Writes out/Data/<name> as PNG (or baseline JPEG for a ".jpg" name) and checks it
// with loadPicture at the given gamma level. False, after a message on stderr,
// when the picture is not the size layout::kPictureSizes gives for it, writing
// fails, the loader complains or the size read back differs.
bool WritePicture(const std::string& out, const std::string& name, const Canvas& c, int gamma = 128);
// Loads out/Data/<name> as the game would; the caller owns the surface. Null,
// after a message, when the loader complained or the size is not w x h.
Surface* ReadBack(const std::string& out, const std::string& name, int w, int h, int gamma = 128);

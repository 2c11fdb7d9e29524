// Text from the Debian-packaged fonts through FreeType: whole strings as coverage
// masks for the pictures, and single glyphs for the game's own font pictures.
#pragma once
#include <string>

#include "canvas.h"

enum class Face { TitleHeavy, Narrow, Rounded, Sans, SansBold, Script };

// One rendered string: its mask, and where the pen started (the baseline's left
// end) inside that mask.
struct TextMask {
    Mask mask;
    int originX = 0;  // mask column of the pen's start
    int baseline = 0;  // mask row of the baseline
    int advance = 0;  // pen travel in pixels
};
// The text in Latin-1, the code page of the game's fonts; false when it holds a
// character Latin-1 does not have.
bool ToLatin1(const std::string& utf8, std::string& latin1);

// Renders text at a pixel size; `tracking` adds pixels between letters.
TextMask RenderText(Face face, float size, const std::string& text, float tracking = 0.0f);
// Pen travel of text in pixels.
int TextAdvance(Face face, float size, const std::string& text, float tracking = 0.0f);

// One glyph of a game font: its coverage, the offset of its left edge from the
// pen position, its top row relative to the baseline (negative above) and its
// horizontal advance.
struct GlyphImage {
    Mask mask;
    int left = 0;
    int top = 0;
    int advance = 0;
};
// Whether the outline font has a letter for the code.
bool HasGlyph(Face face, unsigned code);
// xScale narrows (below 1) or widens the glyph.
GlyphImage RenderGlyph(Face face, float size, unsigned code, float xScale = 1.0f);

// Draws text with its baseline's left end at (x, y), in colour, with an optional
// neon glow behind it. Returns the pen travel.
int DrawText(Canvas& c, Face face, float size, const std::string& text, int x, int y, Rgb colour, float tracking = 0.0f);
int DrawTextCentred(Canvas& c, Face face, float size, const std::string& text, int cx, int y, Rgb colour,
                    float tracking = 0.0f);
void NeonText(Canvas& c, Face face, float size, const std::string& text, int cx, int y, Rgb core, Rgb glow,
              int radius, float strength, float tracking = 0.0f);

// Bitmap fonts. The proportional fonts are found by scanning pictures: glyph rows
// stacked from the top, a reference mark in column 0 giving the baseline, glyphs
// separated by empty columns and numbered from '!' in reading order; the blue
// component of a glyph pixel is its intensity. The small fixed font draws 6-pixel
// characters from a grid of 7 x 11 cells.
#pragma once
#include <cstdint>
#include <string_view>

#include "gfx/surface.h"

struct Font {
    Surface* picture;  // owned by whoever loaded the picture
    uint8_t referenceHeight;  // baseline row within a glyph row
    uint16_t glyphX[256];       // picture column of the glyph's left edge
    uint16_t glyphY[256];       // picture row of its topmost ink
    uint16_t glyphWidth[256];
    uint16_t glyphBottom[256];  // one past the lowest ink, from the top of its glyph row
    uint16_t glyphTop[256];     // topmost ink, from the top of its glyph row
};

constexpr int kFontSlots = 3;
extern Font* fonts[kFontSlots];
extern Surface* smallFontPicture;  // "smallchars.png", loaded at start-up

// True when the font is ready with its reference mark and every glyph.
bool loadFont(Surface* picture, int index, int rowHeight);

// (x, y) is the left end of the baseline. drawText adds the glyph's intensity to
// the destination; drawTextBlended mixes colour in with weight 8 x intensity.
void drawText(Surface* dest, std::string_view text, int x, int y, int index);
void drawTextBlended(Surface* dest, std::string_view text, int x, int y, int index, uint16_t colour);
// Pixels drawText advances over text, including the gap after the last glyph.
int textWidth(std::string_view text, int index);
// The spacing callers put between lines of text.
int fontLineHeight(int index);
// The same with font slot 0.
void drawText(Surface* dest, std::string_view text, int x, int y);
int textWidth(std::string_view text);
int fontLineHeight();

void drawSmallText(Surface* dest, std::string_view text, int x, int y, uint16_t colour);
// alpha is the weight of the text colour against what lies under it.
void drawSmallTextBlended(Surface* dest, std::string_view text, int x, int y, uint16_t colour, int alpha);
// Into the back surface in paletteColours[colourIndex]; a and b play no part.
void drawSmallTextOnScreen(std::string_view text, int x, int y, int a, int b, int colourIndex);

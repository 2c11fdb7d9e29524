// The small fixed font: 5 x 5 capitals, digits and punctuation, lowercase with
// one descender row. Each glyph is six rows of five columns, '#' for ink; the
// sixth row is the descender. Accents sit in one more row above the six (over
// capitals) or reach into it (over small letters). Also used to letter tiny
// labels on the sheets.
#pragma once

// Glyph for codes 32..126 and 160..255; null for other codes.
const char* const* PixelGlyph(int code);
// The row above the glyph: an accent's top, or null when it has none.
const char* PixelRowAbove(int code);

// The small fixed font: 5 x 5 capitals, digits and punctuation, lowercase with
// one descender row. Each glyph is six rows of five columns, '#' for ink; the
// sixth row is the descender. Also used to letter tiny labels on the sheets.
#pragma once

// Glyph for codes 32..126; null for other codes.
const char* const* PixelGlyph(int code);

#include "gfx/font.h"

#include <algorithm>
#include <new>

#include "shell/log.h"

Font* fonts[kFontSlots];
Surface* smallFontPicture = nullptr;

namespace {
// Every font picture is meant to hold '!' to '~'.
constexpr int kExpectedGlyphs = 94;
constexpr int kSmallAdvance = 6;

// A slot that never loaded measures with empty tables and draws nothing.
const Font kNoFont{};

const Font& FontIn(int index) {
    return index >= 0 && index < kFontSlots && fonts[index] ? *fonts[index] : kNoFont;
}

bool Inked(const Surface* picture, int x, int y) { return getPixel(picture, x, y) != 0; }

// Scans one column of a glyph row. Only the first rowHeight - 3 rows count.
struct ColumnInk {
    bool inked = false;
    int top = 0;  // first inked row
    int end = 0;  // the row below the last run of ink that ends inside the scan
};
ColumnInk ScanColumn(const Surface* picture, int x, int top, int rowHeight) {
    ColumnInk ink;
    ink.end = top + 1;
    bool above = false;
    for (int y = top; y <= top + rowHeight - 4; ++y) {
        const bool here = Inked(picture, x, y);
        if (here && !ink.inked) {
            ink.inked = true;
            ink.top = y;
        }
        if (!here && above) ink.end = y;
        above = here;
    }
    return ink;
}

// Walks the glyph rows and fills the tables; returns the first code not found.
int ScanGlyphs(Font& f, int rowHeight) {
    const Surface* picture = f.picture;
    int code = 33;
    for (int top = 0; top < picture->height && code < 256; top += rowHeight) {
        bool previousInked = false;
        for (int x = 1; x < picture->width && code < 256; ++x) {
            const ColumnInk ink = ScanColumn(picture, x, top, rowHeight);
            if (ink.inked && !previousInked) {
                f.glyphX[code] = static_cast<uint16_t>(x);
                f.glyphY[code] = static_cast<uint16_t>(ink.top);
                f.glyphBottom[code] = static_cast<uint16_t>(ink.end - top);
                f.glyphTop[code] = static_cast<uint16_t>(ink.top - top);
            }
            if (ink.inked) {
                f.glyphY[code] = static_cast<uint16_t>(std::min<int>(f.glyphY[code], ink.top));
                f.glyphTop[code] = static_cast<uint16_t>(std::min<int>(f.glyphTop[code], ink.top - top));
                f.glyphBottom[code] = static_cast<uint16_t>(std::max<int>(f.glyphBottom[code], ink.end - top));
            }
            // A glyph that reaches the last column ends there without it.
            if ((!ink.inked && previousInked) || (ink.inked && x == picture->width - 1)) {
                f.glyphWidth[code] = static_cast<uint16_t>(x - f.glyphX[code]);
                ++code;
            }
            previousInked = ink.inked;
        }
    }
    return code;
}

// How far one byte of text moves the pen: 4 below '!', 5 for a space, otherwise
// the glyph and a one-pixel gap.
int Advance(const Font& f, unsigned char c) {
    if (c < 33) return c == ' ' ? 5 : 4;
    return 1 + f.glyphWidth[c];
}

// Calls draw(px, py, intensity) for each ink pixel of the text, laid out from the
// baseline at (x, y).
template <typename Draw>
void LayOut(const Font& f, std::string_view text, int x, int y, Draw draw) {
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 33 && f.picture) {
            const int height = f.glyphBottom[c] - f.glyphTop[c];
            for (int i = 0; i < f.glyphWidth[c]; ++i) {
                for (int j = 0; j < height; ++j) {
                    const int v = getPixel(f.picture, f.glyphX[c] + i, f.glyphY[c] + j) & 0x1F;
                    if (v) draw(x + i, y + j + f.glyphTop[c] - f.referenceHeight, v);
                }
            }
        }
        x += Advance(f, c);
    }
}

// Calls ink(px, py) for each ink pixel of the small font's text at (x, y).
template <typename Ink>
void LayOutSmall(std::string_view text, int x, int y, Ink ink) {
    if (!smallFontPicture) return;
    for (size_t k = 0; k < text.size(); ++k) {
        const auto c = static_cast<unsigned char>(text[k]);
        if (c == ' ') continue;
        const int g = std::max(c - 1, 0);
        const int cellX = (g % 32) * 7 + 1, cellY = (g / 32) * 11 + 2;
        const int left = x + kSmallAdvance * static_cast<int>(k);
        for (int i = 0; i < 6; ++i)
            for (int j = -1; j <= 8; ++j)
                if (getPixel(smallFontPicture, i + cellX, j + cellY) != 0) ink(left + i, y + j);
    }
}
}  // namespace

bool loadFont(Surface* picture, int index, int rowHeight) {
    if (index < 0 || index >= kFontSlots) {
        LogMessageColour(1, StrFormat("[ERROR] no font slot %d.\n", index), ColourRed);
        return false;
    }
    if (!fonts[index]) {
        fonts[index] = new (std::nothrow) Font{};
        if (!fonts[index]) {
            LogMessageColour(1, "[ERROR] unable to allocate memory for loadFont.\n", ColourRed);
            return false;
        }
    } else {
        LogMessageColour(1, "[ERROR] font of this index already loaded.\n", ColourRed);
        *fonts[index] = Font{};  // nothing of the old picture's glyphs survives
    }
    Font& f = *fonts[index];
    f.picture = picture;
    if (!picture) {
        LogMessageColour(1, "[ERROR] font not loaded.\n", ColourRed);
        return false;
    }
    int reference = 0;
    while (reference < rowHeight && !Inked(picture, 0, reference)) ++reference;
    // Without its mark the font still gets its glyphs, drawn from the top of the row.
    const bool marked = reference < rowHeight;
    if (!marked) {
        LogMessageColour(1, "[ERROR] can't locate font reference point.\n", ColourRed);
        reference = 0;
    }
    f.referenceHeight = static_cast<uint8_t>(reference);
    if (rowHeight < 1) return false;
    const int found = ScanGlyphs(f, rowHeight) - 33;
    LogMessage(1, StrFormat("Loaded %d characters\n", found));
    if (found < kExpectedGlyphs)
        LogMessage(1, StrFormat("[WARNING] font has %d of its %d characters.\n", found, kExpectedGlyphs));
    return marked && found >= kExpectedGlyphs;
}

void drawText(Surface* dest, std::string_view text, int x, int y, int index) {
    LayOut(FontIn(index), text, x, y, [dest](int px, int py, int v) { lightenPixel(dest, px, py, v); });
}

void drawTextBlended(Surface* dest, std::string_view text, int x, int y, int index, uint16_t colour) {
    LayOut(FontIn(index), text, x, y,
           [dest, colour](int px, int py, int v) { blendPixel(dest, px, py, colour, 255 - 8 * v); });
}

int textWidth(std::string_view text, int index) {
    const Font& f = FontIn(index);
    int width = 0;
    for (const char ch : text) width += Advance(f, static_cast<unsigned char>(ch));
    return width;
}

int fontLineHeight(int index) {
    const Font& f = FontIn(index);
    return f.referenceHeight + (f.referenceHeight >> 2);
}

void drawText(Surface* dest, std::string_view text, int x, int y) { drawText(dest, text, x, y, 0); }
int textWidth(std::string_view text) { return textWidth(text, 0); }
int fontLineHeight() { return fontLineHeight(0); }

void drawSmallText(Surface* dest, std::string_view text, int x, int y, uint16_t colour) {
    LayOutSmall(text, x, y, [dest, colour](int px, int py) { putPixel(dest, px, py, colour); });
}

void drawSmallTextBlended(Surface* dest, std::string_view text, int x, int y, uint16_t colour, int alpha) {
    LayOutSmall(text, x, y, [dest, colour, alpha](int px, int py) {
        putPixel(dest, px, py, blendColours(colour, getPixel(dest, px, py), alpha));
    });
}

void drawSmallTextOnScreen(std::string_view text, int x, int y, int, int, int colourIndex) {
    if (colourIndex < 0 || colourIndex > 6) return;
    drawSmallText(backSurface, text, x, y, paletteColours[colourIndex]);
}

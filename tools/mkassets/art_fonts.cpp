// The game's fonts: three proportional fonts rendered from packaged outline fonts
// into the layout the game's scanner reads, and the small fixed pixel font.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "canvas.h"
#include "art_families.h"
#include "families.h"
#include "game/layout.h"
#include "gfx/font.h"
#include "gfx/surface.h"
#include "output.h"
#include "pixel_font.h"
#include "text.h"

namespace {
constexpr int kFontPictureWidth = 512;
constexpr int kGlyphGap = 3;   // empty columns between glyphs
constexpr int kFontGamma = 80;  // the start-up loads the fonts at this level

struct FontStyle {
    const layout::FontLayout* where;
    Face face;
    int capHeight;    // ink height of 'H' in pixels
    int maxWidth;     // widest glyph the screens allow
    float tracking;   // extra advance per glyph
};

const FontStyle kStyles[3] = {
    {&layout::kFonts[0], Face::Narrow, 18, 24, 1.0f},
    {&layout::kFonts[2], Face::SansBold, 9, 16, 0.0f},
    {&layout::kFonts[1], Face::Rounded, 16, 16, 1.0f},
};

// The pixel size at which 'H' is inked over capHeight rows.
float SizeForCapHeight(Face face, int capHeight) {
    float size = static_cast<float>(capHeight);
    for (int step = 0; step < 200; step++, size += 0.1f) {
        GlyphImage h = RenderGlyph(face, size, 'H');
        int rows = 0;
        for (int y = 0; y < h.mask.height; y++) {
            float most = 0;
            for (int x = 0; x < h.mask.width; x++) most = std::max(most, h.mask.at(x, y));
            if (most >= 0.5f) rows++;
        }
        if (rows >= capHeight) return size;
    }
    return size;
}

// The 8-bit value that loads at gamma 80 as the 5-bit intensity closest to
// coverage x 30, or 0 when that rounds to nothing.
uint8_t FontValue(float coverage) {
    int want = static_cast<int>(std::lround(Clamp01(coverage) * 30.0f));
    if (want == 0) return 0;
    for (int v = 0; v < 32; v++)
        if (gammaTable[v] >= want) return static_cast<uint8_t>(v * 8 + 4);
    return 255;
}

bool WriteProportionalFont(const std::string& out, const FontStyle& style) {
    const layout::FontLayout& where = *style.where;
    int saved = getGamma();
    setGamma(kFontGamma);
    float size = SizeForCapHeight(style.face, style.capHeight);

    // Lay the 94 glyphs out in reading order, wrapping rows; the last column stays empty.
    struct Placed {
        GlyphImage glyph;
        int x, row, width, inkLeft;
    };
    std::vector<Placed> placed;
    int x = 1 + kGlyphGap, row = 0;
    for (unsigned code = 33; code <= 126; code++) {
        // Glyphs wider than the screens allow are narrowed until they fit.
        GlyphImage g;
        int inkLeft = 0, inkWidth = 0;
        for (float xScale = 1.0f; xScale > 0.5f; xScale -= 0.04f) {
            g = RenderGlyph(style.face, size, code, xScale);
            int inkRight = -1;
            inkLeft = g.mask.width;
            for (int i = 0; i < g.mask.width; i++)
                for (int j = 0; j < g.mask.height; j++)
                    if (FontValue(g.mask.at(i, j)) != 0) inkLeft = std::min(inkLeft, i), inkRight = std::max(inkRight, i);
            inkWidth = inkRight - inkLeft + 1;
            if (inkWidth <= style.maxWidth) break;
        }
        if (inkWidth > style.maxWidth) {
            std::fprintf(stderr, "mkassets: %s glyph '%c' is %d px wide, more than %d\n", where.file, code, inkWidth,
                         style.maxWidth);
            return false;
        }
        // The glyph's run spans its advance less the scanner's one-pixel gap, so
        // text keeps the outline font's spacing.
        int lead = std::max(0, g.left + inkLeft);
        int width = std::min(style.maxWidth, std::max(inkWidth, g.advance + static_cast<int>(style.tracking) - 1));
        lead = std::min(lead, width - inkWidth);
        if (x + width + kGlyphGap >= kFontPictureWidth - 1) x = 1 + kGlyphGap, row++;
        placed.push_back({g, x, row, width, inkLeft - lead});
        x += width + kGlyphGap;
    }
    int rows = placed.back().row + 1;
    Canvas c(kFontPictureWidth, rows * where.rowHeight);
    c.at(0, where.reference) = {1, 1, 1};  // the reference mark: the baseline row
    const float kInvisible = -1.0f;
    std::vector<float> level(static_cast<size_t>(c.width) * c.height, 0.0f);
    for (size_t k = 0; k < placed.size(); k++) {
        const Placed& p = placed[k];
        int top = p.row * where.rowHeight;
        int inkTopRow = where.rowHeight;
        for (int j = 0; j < p.glyph.mask.height; j++)
            for (int i = 0; i < p.width; i++) {
                int gx = p.inkLeft + i;
                if (gx < 0 || gx >= p.glyph.mask.width) continue;
                uint8_t v = FontValue(p.glyph.mask.get(gx, j));
                if (!v) continue;
                int y = where.reference + p.glyph.top + j;
                // A tip one row beyond the glyph row's ink rows (the top of a
                // '$' or the tail of a 'j') is trimmed; more would be a wrong size.
                if (y < -1 || y > where.rowHeight - 4) {
                    std::fprintf(stderr, "mkassets: %s glyph '%c' reaches row %d of its glyph row\n", where.file,
                                 static_cast<int>(33 + k), y);
                    return false;
                }
                if (y < 0 || y > where.rowHeight - 5) continue;
                inkTopRow = std::min(inkTopRow, y);
                level[static_cast<size_t>(top + y) * c.width + p.x + i] = p.glyph.mask.get(gx, j);
            }
        // Every column of the run needs ink for the scanner; empty ones (gaps in
        // '"' or '%', the spacing on either side) get a pixel that is red only,
        // which the scanner sees and the text drawing (blue only) does not. It
        // sits on the glyph's top ink row, so the glyph's height is unchanged.
        for (int i = 0; i < p.width; i++) {
            bool inked = false;
            for (int y = 0; y < where.rowHeight - 3; y++)
                if (level[static_cast<size_t>(top + y) * c.width + p.x + i] > 0) inked = true;
            if (!inked) level[static_cast<size_t>(top + inkTopRow) * c.width + p.x + i] = kInvisible;
        }
    }
    for (int y = 0; y < c.height; y++)
        for (int i = 1; i < c.width; i++) {
            float v = level[static_cast<size_t>(y) * c.width + i];
            if (v == kInvisible) {
                c.at(i, y) = {1, 0, 0};
            } else if (v > 0) {
                // A touch of light fall-off from the top of the glyph row gives the
                // letters a polished, lit-from-above face.
                int rowY = y % where.rowHeight;
                float shade = 1.0f - 0.22f * Clamp01(static_cast<float>(rowY - 2) / static_cast<float>(where.reference));
                // The faintest ink keeps at least the value that made it ink.
                uint8_t value = FontValue(v * shade);
                if (!value) value = FontValue(v);
                float grey = static_cast<float>(value) / 255.0f;
                c.at(i, y) = {grey, grey, grey};
            }
        }
    setGamma(saved);
    if (!WritePicture(out, where.file, c, kFontGamma)) return false;

    // Read it back as the start-up does and scan it with the game's own scanner:
    // every glyph must come out where it was put, and nothing more.
    Surface* picture = ReadBack(out, where.file, c.width, c.height, kFontGamma);
    if (!picture) return false;
    loadFont(picture, where.slot, where.rowHeight);
    const Font& font = *fonts[where.slot];
    bool good = font.referenceHeight == where.reference && font.glyphWidth[127] == 0;
    for (size_t k = 0; k < placed.size(); k++) {
        unsigned code = static_cast<unsigned>(33 + k);
        if (font.glyphX[code] != placed[k].x || font.glyphWidth[code] != placed[k].width ||
            font.glyphTop[code] + static_cast<uint16_t>(placed[k].row * where.rowHeight) != font.glyphY[code]) {
            std::fprintf(stderr, "mkassets: %s: the scanner reads glyph '%c' at x %d, %d wide; it was drawn at x %d, %d wide\n",
                         where.file, static_cast<int>(code), font.glyphX[code], font.glyphWidth[code], placed[k].x, placed[k].width);
            good = false;
            break;
        }
    }
    if (font.referenceHeight != where.reference || font.glyphWidth[127] != 0)
        std::fprintf(stderr, "mkassets: %s scans with baseline %d and %s glyph after '~'\n", where.file, font.referenceHeight,
                     font.glyphWidth[127] ? "a" : "no");
    delete fonts[where.slot];
    fonts[where.slot] = nullptr;
    removeSurface(picture);
    return good;
}

bool WriteSmallFont(const std::string& out) {
    using namespace layout;
    Canvas c(kSmallCellWidth * kSmallCellsPerRow, kSmallCellHeight * 4);
    for (int code = 33; code <= 126; code++) {
        const char* const* rows = PixelGlyph(code);
        int cx = (code - 1) % kSmallCellsPerRow * kSmallCellWidth, cy = (code - 1) / kSmallCellsPerRow * kSmallCellHeight;
        for (int j = 0; j < 6; j++)
            for (int i = 0; i < 5; i++)
                if (rows[j][i] == '#') c.at(cx + 1 + i, cy + 2 + j) = {1, 1, 1};
    }
    return WritePicture(out, "smallchars.png", c);
}

}  // namespace

bool WriteFonts(const std::string& out) {
    for (const FontStyle& style : kStyles)
        if (!WriteProportionalFont(out, style)) return false;
    return WriteSmallFont(out);
}

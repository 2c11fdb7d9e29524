#include "text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace {
const char* FacePath(Face face) {
    switch (face) {
        case Face::TitleHeavy: return "/usr/share/fonts/opentype/league-spartan/LeagueSpartan-Black.otf";
        case Face::Narrow: return "/usr/share/fonts/opentype/urw-base35/NimbusSansNarrow-Bold.otf";
        case Face::Rounded: return "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf";
        case Face::Sans: return "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
        case Face::SansBold: return "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
        case Face::Script: return "/usr/share/fonts/opentype/lobster/lobster.otf";
    }
    return "";
}

FT_Face LoadFace(Face face) {
    static FT_Library library = nullptr;
    static std::map<Face, FT_Face> faces;
    if (!library && FT_Init_FreeType(&library) != 0) {
        std::fprintf(stderr, "mkassets: FreeType does not start\n");
        std::exit(1);
    }
    auto found = faces.find(face);
    if (found != faces.end()) return found->second;
    FT_Face f = nullptr;
    if (FT_New_Face(library, FacePath(face), 0, &f) != 0) {
        std::fprintf(stderr, "mkassets: cannot open font %s (run scripts/install-deps)\n", FacePath(face));
        std::exit(1);
    }
    faces[face] = f;
    return f;
}

// Renders one character into a coverage bitmap; the slot stays valid until the next call.
FT_GlyphSlot LoadGlyph(FT_Face f, float size, unsigned code, float xScale) {
    FT_Set_Char_Size(f, 0, static_cast<FT_F26Dot6>(std::lround(size * 64.0f)), 72, 72);
    FT_Matrix squeeze = {static_cast<FT_Fixed>(std::lround(xScale * 65536.0f)), 0, 0, 0x10000};
    FT_Set_Transform(f, &squeeze, nullptr);
    FT_UInt index = FT_Get_Char_Index(f, code);
    int failed = FT_Load_Glyph(f, index, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP);
    FT_Set_Transform(f, nullptr, nullptr);
    if (failed) {
        std::fprintf(stderr, "mkassets: glyph %u does not load\n", code);
        std::exit(1);
    }
    FT_Render_Glyph(f->glyph, FT_RENDER_MODE_NORMAL);
    return f->glyph;
}

// Decodes UTF-8 into code points.
std::vector<unsigned> Codes(const std::string& text) {
    std::vector<unsigned> out;
    for (size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
        unsigned code = extra == 0 ? c : c & (0x3F >> extra);
        for (int k = 1; k <= extra && i + k < text.size(); k++)
            code = code << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        out.push_back(code);
        i += static_cast<size_t>(extra) + 1;
    }
    return out;
}

struct Placed {
    float penX;
    unsigned code;
};

std::vector<Placed> Layout(FT_Face f, float size, const std::vector<unsigned>& codes, float tracking, float& width) {
    FT_Set_Char_Size(f, 0, static_cast<FT_F26Dot6>(std::lround(size * 64.0f)), 72, 72);
    std::vector<Placed> placed;
    float pen = 0;
    FT_UInt previous = 0;
    for (unsigned code : codes) {
        FT_UInt index = FT_Get_Char_Index(f, code);
        if (previous && FT_HAS_KERNING(f)) {
            FT_Vector k;
            FT_Get_Kerning(f, previous, index, FT_KERNING_UNFITTED, &k);
            pen += static_cast<float>(k.x) / 64.0f;
        }
        FT_Load_Glyph(f, index, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP);
        placed.push_back({pen, code});
        pen += static_cast<float>(f->glyph->advance.x) / 64.0f + tracking;
        previous = index;
    }
    width = pen - (codes.empty() ? 0.0f : tracking);
    return placed;
}
}  // namespace

bool ToLatin1(const std::string& utf8, std::string& latin1) {
    latin1.clear();
    for (unsigned code : Codes(utf8)) {
        if (code > 255) return false;
        latin1 += static_cast<char>(code);
    }
    return true;
}

int TextAdvance(Face face, float size, const std::string& text, float tracking) {
    float width = 0;
    Layout(LoadFace(face), size, Codes(text), tracking, width);
    return static_cast<int>(std::lround(width));
}

TextMask RenderText(Face face, float size, const std::string& text, float tracking) {
    FT_Face f = LoadFace(face);
    float width = 0;
    std::vector<Placed> placed = Layout(f, size, Codes(text), tracking, width);
    int pad = static_cast<int>(size * 0.5f) + 2;
    TextMask out;
    out.originX = pad;
    out.baseline = static_cast<int>(std::ceil(size * 1.1f)) + 2;
    out.advance = static_cast<int>(std::lround(width));
    out.mask = Mask(out.advance + 2 * pad, out.baseline + static_cast<int>(std::ceil(size * 0.45f)) + 2);
    for (const Placed& p : placed) {
        // Render at the glyph's sub-pixel pen position by shifting the outline.
        FT_Set_Char_Size(f, 0, static_cast<FT_F26Dot6>(std::lround(size * 64.0f)), 72, 72);
        FT_Load_Glyph(f, FT_Get_Char_Index(f, p.code), FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP);
        float whole = std::floor(p.penX);
        FT_Outline_Translate(&f->glyph->outline, static_cast<FT_Pos>(std::lround((p.penX - whole) * 64.0f)), 0);
        FT_Render_Glyph(f->glyph, FT_RENDER_MODE_NORMAL);
        const FT_Bitmap& bm = f->glyph->bitmap;
        int gx = out.originX + static_cast<int>(whole) + f->glyph->bitmap_left;
        int gy = out.baseline - f->glyph->bitmap_top;
        for (unsigned j = 0; j < bm.rows; j++)
            for (unsigned i = 0; i < bm.width; i++) {
                int x = gx + static_cast<int>(i), y = gy + static_cast<int>(j);
                if (x < 0 || y < 0 || x >= out.mask.width || y >= out.mask.height) continue;
                float v = static_cast<float>(bm.buffer[j * static_cast<unsigned>(bm.pitch) + i]) / 255.0f;
                out.mask.at(x, y) = std::min(1.0f, out.mask.at(x, y) + v);
            }
    }
    return out;
}

bool HasGlyph(Face face, unsigned code) { return FT_Get_Char_Index(LoadFace(face), code) != 0; }

GlyphImage RenderGlyph(Face face, float size, unsigned code, float xScale) {
    FT_GlyphSlot g = LoadGlyph(LoadFace(face), size, code, xScale);
    GlyphImage out;
    out.mask = Mask(static_cast<int>(g->bitmap.width), static_cast<int>(g->bitmap.rows));
    for (unsigned j = 0; j < g->bitmap.rows; j++)
        for (unsigned i = 0; i < g->bitmap.width; i++)
            out.mask.at(static_cast<int>(i), static_cast<int>(j)) =
                static_cast<float>(g->bitmap.buffer[j * static_cast<unsigned>(g->bitmap.pitch) + i]) / 255.0f;
    out.left = g->bitmap_left;
    out.top = -g->bitmap_top;
    out.advance = static_cast<int>(std::lround(static_cast<float>(g->advance.x) / 64.0f));
    return out;
}

int DrawText(Canvas& c, Face face, float size, const std::string& text, int x, int y, Rgb colour, float tracking) {
    TextMask t = RenderText(face, size, text, tracking);
    PaintMask(c, t.mask, x - t.originX, y - t.baseline, colour);
    return t.advance;
}

int DrawTextCentred(Canvas& c, Face face, float size, const std::string& text, int cx, int y, Rgb colour, float tracking) {
    TextMask t = RenderText(face, size, text, tracking);
    PaintMask(c, t.mask, cx - t.advance / 2 - t.originX, y - t.baseline, colour);
    return t.advance;
}

void NeonText(Canvas& c, Face face, float size, const std::string& text, int cx, int y, Rgb core, Rgb glow, int radius,
              float strength, float tracking) {
    TextMask t = RenderText(face, size, text, tracking);
    int x = cx - t.advance / 2 - t.originX, top = y - t.baseline;
    Glow(c, t.mask, x, top, glow, radius, strength);
    PaintMask(c, t.mask, x, top, glow);
    // The tube's hot centre: the coverage eroded a little, in the core colour.
    Mask inner = t.mask;
    for (float& v : inner.a) v = Clamp01((v - 0.55f) * 2.2f);
    PaintMask(c, inner, x, top, core);
}

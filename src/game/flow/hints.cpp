#include "game/flow/hints.h"

#include <climits>
#include <fstream>
#include <sstream>

#include "game/game_state.h"
#include "game/layout.h"
#include "game/play/blocks.h"
#include "gfx/assets.h"
#include "gfx/blit.h"
#include "gfx/font.h"
#include "gfx/surface.h"
#include "gfx/display.h"
#include "shell/log.h"
#include "shell/paths.h"
#include "shell/text_number.h"

int32_t hintX;
int32_t hintY;
int32_t hintWidth = 200;
int32_t hintHeight = 100;
int32_t hintLeaving;

namespace {
constexpr size_t kMaxFieldChars = 1000;
constexpr size_t kMaxFields = 50;

void UseTag(const std::vector<std::string>& fields, HintFile& hint) {
    if (fields.size() != 2) return;
    const std::string& name = fields[0];
    if (name == "show")
        hint.icon = ParseClampedInt(fields[1]);
    else if (name == "width")
        hint.width = ParseClampedInt(fields[1]);
    else if (name == "hint")
        hint.text = fields[1];
}

int ColourComponent(char c) {
    int v = static_cast<unsigned char>(c) - 'A';
    return v < 0 ? 0 : v > 31 ? 31 : v;
}

// The width of the word that starts at i, in characters: a colour code's "^"
// counts -4 and carriage returns nothing.
int WordLength(const std::string& text, size_t i) {
    int count = 0;
    for (; i < text.size() && text[i] != ' ' && text[i] != '\n' && text[i] != '-'; ++i)
        count += text[i] == '^' ? -4 : text[i] == '\r' ? 0 : 1;
    return count;
}
}  // namespace

HintFile ParseHint(const std::string& contents) {
    HintFile hint;
    std::vector<std::string> fields;
    bool inTag = false;
    for (char c : contents) {
        if (!inTag) {
            if (c == '[') {
                inTag = true;
                fields.assign(1, std::string());
            }
        } else if (c == '|' || c == ']') {
            if (c == ']') {
                UseTag(fields, hint);
                inTag = false;
            } else if (fields.size() < kMaxFields + 1) {
                fields.emplace_back();  // one past the limit marks the tag as too long
            }
        } else if (fields.size() <= kMaxFields && fields.back().size() < kMaxFieldChars) {
            fields.back() += c;
        }
    }
    return hint;
}

HintLayout LayoutHint(const std::string& text, int32_t width, bool withIcon) {
    HintLayout layout;
    uint16_t colour = packColour(31, 31, 31);
    int32_t cx = 0, cy = 0;
    const int32_t lineEnd = width - 10;
    for (size_t i = 0; i < text.size(); ++i) {
        if (withIcon && cy < 27 && cx < 27) cx = 27;
        char c = text[i];
        if (c == '\n') {
            cx = 0;
            cy += 6;
        } else if (c == '^') {
            if (text.size() - i <= 3) break;  // a colour code cut short by the end
            colour = packColour(ColourComponent(text[i + 1]), ColourComponent(text[i + 2]),
                                ColourComponent(text[i + 3]));
            i += 3;
        } else if (!(c == ' ' && cx == 0)) {
            layout.glyphs.push_back({5 + cx, 5 + cy, c, colour});
            cx += 6;
            if (cx >= lineEnd) {
                cx = 0;
                cy += 6;
            }
        }
        if ((c == ' ' || c == '-') && cx + 6 * WordLength(text, i + 1) > lineEnd) {
            cx = 0;
            cy += 6;
        }
    }
    layout.height = cy + 16;
    return layout;
}

namespace {
void DrawHintBox(Surface* target, int32_t x, int32_t y) {
    using namespace layout;
    drawSprite(target, x, y - kHintTabHeight, kHintTabEndWidth, kHintTabHeight, spritesSheet, kHintTabEndX, kHintTabY,
               BlitKeyed);
    drawSprite(target, x + kHintTabEndWidth, y - kHintTabHeight, kHintTabBodyWidth, kHintTabHeight, spritesSheet,
               kHintTabBodyX, kHintTabY, BlitCopy);
    for (int32_t j = 0; j < hintHeight; ++j)
        for (int32_t i = 0; i < hintWidth; ++i) {
            if (!insideSurface(target, x + i, y + j)) continue;
            int r, g, b;
            unpackColour(getPixel(target, x + i, y + j), r, g, b);
            putPixel(target, x + i, y + j, packColour(r * 6 / 16, g * 6 / 16, b * 6 / 16));
        }
    const uint16_t grey = packColour(16, 16, 16), white = packColour(31, 31, 31);
    const int32_t right = x + hintWidth - 1, bottom = y + hintHeight - 1;
    for (int32_t i = x + 88; i <= right; ++i) putPixel(target, i, y, grey);
    for (int32_t i = x; i <= right; ++i) putPixel(target, i, bottom, grey);
    for (int32_t j = y; j <= bottom; ++j) {
        putPixel(target, x, j, grey);
        putPixel(target, right, j, grey);
    }
    putPixel(target, right, y, white);
    putPixel(target, x, bottom, white);
    putPixel(target, right, bottom, white);
    putPixel(target, x + 87, y, white);
}
}  // namespace

void DrawHint(Surface* target, int32_t x, int32_t y, int32_t level) {
    std::ifstream file(StrFormat("%shint%d.txt", dataFolder.c_str(), level), std::ios::binary);
    if (!file) {
        if (serveTimer > 200) serveTimer = 200;
        return;
    }
    std::ostringstream contents;
    contents << file.rdbuf();
    HintFile hint = ParseHint(contents.str());
    if (hint.width && *hint.width < hintWidth) hintWidth = *hint.width;

    x += playfieldRect.x;
    y += playfieldRect.y;
    DrawHintBox(target, x, y);
    // An icon number the sheet does not have keeps its place but draws nothing.
    const bool withIcon = hint.icon.has_value();
    const int32_t icon = hint.icon.value_or(-1);
    const bool iconDrawn = icon >= 0 && icon < layout::kPowerUpTypes;
    if (iconDrawn) DrawPowerUpIcon(target, x + 15, y + 15, tickCounter & 31, icon);
    HintLayout layout = LayoutHint(hint.text, hintWidth, withIcon);
    for (const HintGlyph& g : layout.glyphs) drawSmallText(target, std::string_view(&g.c, 1), x + g.x, y + g.y, g.colour);
    if (layout.height != hintHeight) {
        hintHeight = layout.height;
        if (iconDrawn) DrawPowerUpIcon(target, x + 15, y + 15, tickCounter & 31, icon);
    }
}

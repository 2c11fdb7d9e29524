// Text placement the screens share: centring, right alignment and the jitter
// that makes menu texts shimmer (a new random 0 or 1 in x and y every frame).
#pragma once
#include <cstdint>
#include <string_view>

#include "gfx/surface.h"

enum TextPlacement { TextLeft, TextCentred, TextRight };

// x is the left end, the centre or the right end of the text, as placement says;
// y is the baseline. colour 0 draws in the font's own white.
void DrawScreenText(Surface* dest, std::string_view text, int x, int y, int font, TextPlacement placement,
                    bool jittered = false, uint16_t colour = 0);
// The debug font centred on cx: 3 pixels per character to the left.
void DrawSmallTextCentred(Surface* dest, std::string_view text, int cx, int y, uint16_t colour);
// The panel background: the tile variant of backgroundScroll, drifting with it.
void TileBackground(Surface* dest);

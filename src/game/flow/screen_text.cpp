#include "game/flow/screen_text.h"

#include "game/game_state.h"
#include "gfx/assets.h"
#include "gfx/blit.h"
#include "gfx/font.h"
#include "shell/random.h"

void DrawScreenText(Surface* dest, std::string_view text, int x, int y, int font, TextPlacement placement,
                    bool jittered, uint16_t colour) {
    if (placement == TextCentred) x -= textWidth(text, font) >> 1;
    if (placement == TextRight) x -= textWidth(text, font);
    if (jittered) {
        x += Rand() & 1;
        y += Rand() & 1;
    }
    if (colour)
        drawTextBlended(dest, text, x, y, font, colour);
    else
        drawText(dest, text, x, y, font);
}

void DrawSmallTextCentred(Surface* dest, std::string_view text, int cx, int y, uint16_t colour) {
    drawSmallText(dest, text, cx - 3 * static_cast<int>(text.size()), y, colour);
}

void TileBackground(Surface* dest) {
    const int shift = backgroundScroll >> 3;
    tileSurface(dest, bgVariants[backgroundScroll & 7], shift, shift);
}

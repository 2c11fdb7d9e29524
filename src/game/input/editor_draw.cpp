// The level editor's frame: the playfield centred with the level number above
// it, the shape or power-up in hand under the pointer, and the exit button.
#include <string>

#include "game/game_state.h"
#include "game/layout.h"
#include "game/flow/screen_text.h"
#include "game/input/editor.h"
#include "shell/catalogue.h"
#include "game/play/block_set.h"
#include "game/play/blocks.h"
#include "game/play/level.h"
#include "gfx/assets.h"
#include "gfx/blit.h"
#include "gfx/font.h"
#include "shell/input.h"
#include "shell/screen.h"

namespace {
constexpr int kExitHoverMax = 5;
int32_t exitHover;

// The bite picture glowing brighter while the pointer rests on it.
void DrawExitButton() {
    using namespace layout;
    if (mouseX > kExitButtonX && mouseY > kExitButtonY) {
        if (exitHover < kExitHoverMax) exitHover += 1;
    } else {
        exitHover = 0;
    }
    if (!iconsSheet) return;
    drawSpriteParam(backSurface, kExitButtonX + kExitGlowOffsetX, kExitButtonY + kExitGlowOffsetY, kExitGlowWidth,
                    kExitGlowHeight, iconsSheet, kExitGlowX, kExitGlowY, BlitAdditive, (kExitHoverMax - exitHover) * -2);
    drawMasked(backSurface, kExitButtonX, kExitButtonY, kBiteWidth, kBiteHeight, iconsSheet, kBiteX, kBiteY, iconsSheet,
               kBiteMaskX, kBiteMaskY);
    if (exitHover > 0)
        drawSpriteParam(backSurface, kExitButtonX, kExitButtonY, kBiteWidth, kBiteHeight, iconsSheet, kBiteX, kBiteY,
                        BlitSparkle, 3);
}
}  // namespace

int32_t DrawLevelEditor() {
    clearSurface(backSurface);
    drawSprite(backSurface, kEditorFieldX, kEditorFieldY, playfieldImage->width, playfieldImage->height, playfieldImage,
               0, 0, BlitCopy);
    DrawSmallTextCentred(backSurface, std::to_string(currentLevel + 1), layout::kTitleWidth / 2, 2,
                         packColour(31, 31, 31));
    if (editorKind >= 0) {
        placeX = mouseX - grabX - kEditorFieldX;
        placeY = mouseY - grabY - kEditorFieldY;
        const BlockDesc& d = BlockDescOf(editorKind);
        drawSprite(backSurface, mouseX - grabX, mouseY - grabY, d.width, d.height, blockSetImage, d.srcX, d.srcY,
                   BlitKeyed);
    }
    if (editorPowerUp >= 0) DrawPowerUpIcon(backSurface, mouseX, mouseY, static_cast<int>(tickCounter & 31), editorPowerUp);
    DrawExitButton();
    if (editorHelpShown)
        drawSmallText(backSurface, Tr(kEditorHelp),
                      4, kScreenHeight - 14, packColour(31, 31, 16));
    return ModeLevelEditor;
}

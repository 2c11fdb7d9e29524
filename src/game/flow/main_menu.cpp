#include "game/flow/main_menu.h"

#include <cstdio>
#include <string_view>

#include "game/game_state.h"
#include "game/layout.h"
#include "game/flow/play_screen.h"
#include "game/flow/screen_text.h"
#include "game/flow/settings.h"
#include "game/play/level.h"
#include "gfx/blit.h"
#include "gfx/font.h"
#include "gfx/picture.h"
#include "gfx/display.h"
#include "shell/catalogue.h"
#include "shell/input.h"
#include "shell/platform.h"

int32_t menuGlow[6];
int32_t menuKeyItem = -1;

namespace {
Surface* menuTitle;  // the menu's own copy of the title picture
Surface* menuBackground;

int ItemX() { return layout::MenuItemX(mainMenuPicture->width); }
int ItemY(int item) { return layout::MenuItemY(item, gameInProgress); }

void AddPlainItems() {
    for (int i = FirstMenuItem(); i < layout::kMenuItemCount; ++i) drawMenuStrip(menuTitle, ItemX(), ItemY(i), i);
}

// The paused playfield, dimmed, and the side panel of the running game.
void PutPausedGameIntoTitle() {
    DrawWholeSidePanel();
    using namespace layout;
    drawSprite(menuTitle, kSidePanelX, kSidePanelY, kSidePanelWidth, kSidePanelHeight, backSurface, kSidePanelX,
               kSidePanelY, BlitCopy);
    for (int y = 0; y < playfieldImage->height; ++y)
        for (int x = 0; x < playfieldImage->width; ++x)
            putPixel(menuTitle, x + kPanelX, y + kPanelY, blendColours(getPixel(playfieldImage, x, y), 0, 50));
}
}  // namespace

int32_t FirstMenuItem() { return gameInProgress ? 0 : 1; }

void ParkPointerOnResume() { SetCursorPosition(kScreenWidth / 2, layout::MenuItemY(0, 1) + layout::kMenuTextCentreRow); }

int32_t MenuItemAt(int32_t y) { return (y - layout::kMenuTop - layout::kMenuInProgressShift * gameInProgress) / layout::kMenuPitch; }

void EnterMainMenu() {
    highScoreRank = -1;
    KeepSettings();
    loadPicture("titleBack.png", menuTitle);
    loadPicture("mainMenu.png", mainMenuPicture);
    menuBackground = createSurface(layout::kPanelWidth, layout::kPanelHeight);
    if (gameInProgress) PutPausedGameIntoTitle();
    for (int i = FirstMenuItem(); i < layout::kMenuItemCount; ++i) menuGlow[i] = 0;
    menuKeyItem = -1;
    AddPlainItems();
    ShowCursor();
}

void LeaveMainMenu() {
    removeSurface(mainMenuPicture);
    removeSurface(menuTitle);
    removeSurface(menuBackground);
}

int32_t UpdateMainMenu() {
    for (int i = FirstMenuItem(); i < layout::kMenuItemCount; ++i) {
        const bool lit = menuKeyItem >= 0 ? i == menuKeyItem : mouseY >= ItemY(i) && mouseY < ItemY(i) + layout::kMenuPitch;
        if (lit) {
            menuGlow[i] = menuGlow[i] + 5 > 0 ? 0 : menuGlow[i] + 5;
        } else if ((tickCounter & 1) == 0 && menuGlow[i] > -31) {
            menuGlow[i] -= 1;
        }
    }
    return ModeMainMenu;
}

int32_t DrawMainMenu() {
    if (menuTitle->width != backSurface->width) clearSurface(backSurface);
    if (!gameInProgress) {
        TileBackground(menuBackground);
        drawSprite(menuTitle, layout::kPanelX, layout::kPanelY, menuBackground->width, menuBackground->height,
                   menuBackground, 0, 0, BlitCopy);
        AddPlainItems();
    }
    centerSurface(backSurface, menuTitle);
    for (int i = FirstMenuItem(); i < layout::kMenuItemCount; ++i)
        drawMenuStripParam(backSurface, ItemX(), ItemY(i), i, menuGlow[i]);
    const uint16_t credit = packColour(10, 10, 31);
    const int cx = backSurface->width / 2;
    const std::string_view byline = Tr(kByline);
    drawSmallTextBlended(backSurface, byline, cx - 3 * static_cast<int>(byline.size()), backSurface->height - 9,
                         credit, 180);
    char version[16];
    std::snprintf(version, sizeof version, "V%1.2f", 1.11);
    drawSmallTextBlended(backSurface, version, cx - 3 * static_cast<int>(std::string_view(version).size()),
                         backSurface->height - 16, credit, 220);
    return ModeMainMenu;
}

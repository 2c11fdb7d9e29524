#include "game/flow/info_page.h"

#include <algorithm>
#include <string>

#include "game/game_state.h"
#include "game/layout.h"
#include "game/flow/screen_text.h"
#include "game/play/blocks.h"
#include "game/play/paddle.h"
#include "gfx/blit.h"
#include "gfx/picture.h"
#include "shell/catalogue.h"

int32_t scrollPos;
int32_t scrollSpeed;
int32_t panelOpen;
int32_t panelAnim;
Surface* infoPicture;

int32_t MaxScrollPos() { return infoPicture->height + 20 - layout::kPanelHeight; }

void EnterInfoPage() { loadPicture("strider.png", infoPicture); }

void LeaveInfoPage() { removeSurface(infoPicture); }

int32_t UpdateInfoPage() {
    if (steerUp)
        scrollSpeed = std::max(scrollSpeed - 1, -kMaxScrollSpeed);
    else if (steerDown)
        scrollSpeed = std::min(scrollSpeed + 1, kMaxScrollSpeed);
    else
        scrollSpeed += scrollSpeed > 0 ? -1 : scrollSpeed < 0 ? 1 : 0;
    scrollPos += scrollSpeed >> 1;
    scrollPos = std::clamp(scrollPos, 0, std::max(MaxScrollPos(), 0));
    panelAnim = panelOpen ? std::min(panelAnim + 1, 150) : std::max(panelAnim - 1, 0);
    return ModeInfoPage;
}

const char* const hiddenOptionNames[kHiddenOptions] = {TrNoop("Unlimited Lives"), TrNoop("Unlock All Levels"),
                                                     TrNoop("Fat Paddle"),      TrNoop("Max Power-up"),
                                                     TrNoop("See Power-ups"),   TrNoop("Disable Debris")};

namespace {
void DrawHiddenPanel(Surface* dest, int pageX) {
    using namespace layout;
    const int d = std::min(panelAnim / 4, 5), e = std::max(panelAnim - 35, 0);
    const int px = pageX + kHiddenPanelX, py = kInfoTop - scrollPos + kHiddenPanelY;
    drawSpriteParam(dest, px, py, kHiddenPanelWidth, kHiddenPanelHeight, infoPicture, kHiddenPanelX, kHiddenPanelY,
                    BlitFill, 0);
    const int32_t values[kHiddenOptions] = {optUnlimitedLives, optUnlockAllLevels, optFatPaddle,
                                            optMaxPowerUp,     optSeePowerUps,     optDisableDebris};
    DrawScreenText(dest, Tr("Level Editor"), kPanelCentreX, py + kHiddenPanelLineY[0], 1, TextCentred);
    for (int i = 0; i < kHiddenOptions; ++i) {
        std::string line = std::string(Tr(hiddenOptionNames[i])) + "  " + (values[i] ? Tr("ON") : Tr("OFF"));
        DrawScreenText(dest, line, kPanelCentreX, py + kHiddenPanelLineY[i + 1], 1, TextCentred);
    }
    // The lifted lid's shadow along its right and bottom edges.
    const int lx = px - d, ly = py - d - e;
    for (int k = 0; k < d; ++k) {
        for (int j = 0; j < kHiddenPanelHeight; ++j) darkenPixel(dest, lx + kHiddenPanelWidth + k, ly + j + d, (5 - k) * 4);
        for (int i = 0; i < kHiddenPanelWidth; ++i) darkenPixel(dest, lx + i + d, ly + kHiddenPanelHeight + k, (5 - k) * 4);
    }
    drawSprite(dest, lx, ly, kHiddenPanelWidth, kHiddenPanelHeight, infoPicture, kHiddenPanelX, kHiddenPanelY,
               BlitCopy);
}
}  // namespace

int32_t DrawInfoPage() {
    using namespace layout;
    Surface* dest = backSurface;
    const int pageX = kPanelCentreX - infoPicture->width / 2;
    drawSprite(dest, pageX, kInfoTop - scrollPos, infoPicture->width, infoPicture->height, infoPicture, 0, 0, BlitCopy);
    if (panelAnim > 0) DrawHiddenPanel(dest, pageX);
    if (scrollPos > 0) DrawPowerUpIcon(dest, kScrollArrowX, kScrollUpY, tickCounter & 31, 17);
    if (scrollPos < MaxScrollPos()) DrawPowerUpIcon(dest, kScrollArrowX, kScrollDownY, tickCounter & 31, 18);
    return ModeInfoPage;
}

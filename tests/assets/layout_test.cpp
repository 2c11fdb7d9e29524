// The coordinates that pictures and the game's code share agree with each other
// and with the generated pictures, all from the one table in layout.h.
#include <gtest/gtest.h>

#include <algorithm>

#include "asset_support.h"
#include "game/layout.h"
#include "gfx/font.h"

using namespace layout;

namespace {
bool Dark(Components c, int limit) { return std::max({c.r, c.g, c.b}) <= limit; }
}  // namespace

TEST(SharedLayout, OptionsWindowHitBoxesFitThePicture) {
    EXPECT_EQ(OptionsOriginX(kOptionsWidth), 61);
    EXPECT_EQ(OptionsOriginY(kOptionsHeight), 66);
    // The close button lies inside the window rows, below the last control row's
    // click area (font 1's line height is at most 12).
    EXPECT_LT(kCloseBottom - 1, kOptionsWindowHeight);
    EXPECT_LE(ControlRowClickBottom(4, 12), OptionsOriginY(kOptionsHeight) + kCloseTop + 1);
    EXPECT_EQ(ControlRowBaseline(0, 12), 264);
    EXPECT_EQ(ControlRowBaseline(4, 12), 332);
    // The knob travels 11..138 for volumes 0..255 and ends at the track's right end.
    EXPECT_EQ(kVolumeTrackLeft + 255 / 2 + kKnobWidth, kVolumeTrackRight);
}

TEST(SharedLayout, OptionsKnobIsOpaqueAndTheControlAreaPlain) {
    Surface* s = LoadGenerated("optionsWin.png", 128, nullptr);
    for (int y = 0; y < kKnobHeight; y++)
        for (int x = 0; x < kKnobWidth; x++) EXPECT_NE(getPixel(s, x, kOptionsWindowHeight + y), 0) << x << "," << y;
    // Where the game writes the control list the window is plain and dark.
    int top = kControlsHeaderY - OptionsOriginY(kOptionsHeight) - 10;
    for (int y = top; y < kCloseTop - 2; y++)
        for (int x = 12; x < kOptionsWidth - 12; x++) EXPECT_TRUE(Dark(At(s, x, y), 8)) << x << "," << y;
    removeSurface(s);
}

TEST(SharedLayout, MenuStripsStayInsideThePanelAndTheirRows) {
    EXPECT_LE(kMenuWidth, kMenuMaxWidth);
    EXPECT_GE(MenuItemX(kMenuWidth), 0);
    EXPECT_LE(MenuItemX(kMenuWidth) + kMenuWidth, kPanelX + kPanelWidth + 20);
    EXPECT_EQ(MenuItemY(1, 0), 67);
    EXPECT_EQ(MenuItemY(0, 1), 50);
    Surface* s = LoadGenerated("mainMenu.png", 128, nullptr);
    // Text keeps to the top rows that the hit test gives the item; the strip's
    // last rows, which overlap the next item, stay dark.
    for (int strip = 0; strip < 2 * kMenuItemCount; strip++) {
        int lit = 0;
        for (int y = 0; y < kMenuStripHeight; y++)
            for (int x = 0; x < kMenuWidth; x++) {
                Components c = At(s, x, strip * kMenuStripHeight + y);
                if (y >= kMenuPitch) {
                    EXPECT_TRUE(Dark(c, 3)) << strip << ":" << x << "," << y;
                }
                if (!Dark(c, 20)) lit++;
            }
        EXPECT_GT(lit, 50) << "strip " << strip << " has no text";
    }
    removeSurface(s);
}

TEST(SharedLayout, InformationPageHatchIsWhereTheCodeLooks) {
    EXPECT_GE(kInfoHeight, 2279);
    EXPECT_LE(kHiddenPanelY + kHiddenPanelHeight, kInfoHeight);
    // The hatch is centred on the panel's centre, so the centred option lines fall on it.
    int hatchCentre = InfoPageX(kInfoWidth) + kHiddenPanelX + kHiddenPanelWidth / 2;
    EXPECT_LE(std::abs(hatchCentre - kPanelCentreX), 3);
    // The scroll arrows, clicked at x < 30, lie left of the page.
    EXPECT_GE(InfoPageX(kInfoWidth), kScrollArrowClickRight);
    EXPECT_LT(kHiddenPanelLineY[kHiddenPanelLines - 1], kHiddenPanelHeight);
    EXPECT_EQ(kHiddenPanelLineY[0], 11);
    // The hatch is painted: nothing black inside it, so it reads as a plate.
    Surface* s = LoadGenerated("strider.png", 128, nullptr);
    int black = 0;
    for (int y = 4; y < kHiddenPanelHeight - 4; y++)
        for (int x = 4; x < kHiddenPanelWidth - 4; x++)
            if (getPixel(s, kHiddenPanelX + x, kHiddenPanelY + y) == 0) black++;
    EXPECT_EQ(black, 0);
    removeSurface(s);
}

TEST(SharedLayout, ChooserGridMatchesThePicture) {
    EXPECT_EQ(kChooserGridX, 5);
    EXPECT_EQ(kChooserGridY, 112);
    EXPECT_EQ(kChooserGridY, kChooseHeight - 328);
    EXPECT_EQ(kChooserClickY, kChooserGridY - 1);
    Surface* s = LoadGenerated("choose.png", 128, nullptr);
    // Each cell has a lit frame on its edge and a darker inside.
    for (int r = 0; r < kChooserRows; r++)
        for (int c = 0; c < kChooserColumns; c++) {
            int x0 = kChooserGridX + c * kChooserCell, y0 = kChooserGridY + r * kChooserCell;
            Components edge = At(s, x0 + 10, y0), inner = At(s, x0 + 10, y0 + 1);
            EXPECT_GT(edge.r + edge.g + edge.b, inner.r + inner.g + inner.b) << r << "," << c;
        }
    removeSurface(s);
}

TEST(SharedLayout, TitleKeepsThePanelAreaAndTheCreditLinesDark) {
    EXPECT_EQ(kSidePanelX + kSidePanelWidth, 627);
    EXPECT_GE(kScoreStripY, kSidePanelY);
    EXPECT_LE(kScoreStripY + kScoreStripHeight, kSidePanelY + kSidePanelHeight);
    EXPECT_GT(kMenuButtonLeft, kSidePanelX);
    Surface* s = LoadGenerated("titleBack.png", 128, nullptr);
    for (int y = kPanelY; y < kPanelY + kPanelHeight; y++)
        for (int x = kPanelX; x < kPanelX + kPanelWidth; x++) ASSERT_TRUE(Dark(At(s, x, y), 3)) << x << "," << y;
    for (int y = kCreditLinesTop; y <= kCreditLinesBottom; y++)
        for (int x = kCreditLinesLeft; x <= kCreditLinesRight; x++) EXPECT_TRUE(Dark(At(s, x, y), 6)) << x << "," << y;
    // The score, level and lives fields are plain behind the numbers.
    for (int x = kScoreCentreX - 50; x <= kScoreCentreX + 50; x++)
        for (int y = kScoreStripY + 3; y < kScoreBaseline + 4; y++) EXPECT_TRUE(Dark(At(s, x, y), 4)) << x << "," << y;
    removeSurface(s);
}

TEST(SharedLayout, SpriteCellsKeepTheirNeighboursApart) {
    Surface* s = LoadGenerated("sprites.png", 128, nullptr);
    for (int k = 0; k < 4; k++) {
        for (int y = 0; y < kBallCell; y++) EXPECT_EQ(getPixel(s, kBallCellX[k], kBallCellY + y), 0) << k;
        EXPECT_NE(getPixel(s, kBallCellX[k] + kBallCentre, kBallCellY + kBallCentre), 0) << k;
    }
    removeSurface(s);
}

TEST(SharedLayout, PowerUpIconsAreRoundAndMasked) {
    Surface* s = LoadGenerated("power-ups.png", 128, nullptr);
    for (int t = 0; t < kPowerUpTypes; t++)
        for (int y = 0; y < kPowerUpCell; y++)
            for (int x = 0; x < kPowerUpCell; x++) {
                int px = t * kPowerUpCell + x;
                Components mask = At(s, px, kPowerUpMaskRow + y);
                float dx = x + 0.5f - kPowerUpCell / 2.0f, dy = y + 0.5f - kPowerUpCell / 2.0f;
                // The visible icon keeps within a disc about 24 px across.
                if (dx * dx + dy * dy > 12.5f * 12.5f) {
                    EXPECT_EQ(mask.b, 0) << t << ":" << x << "," << y;
                }
                if (mask.b == 0) {
                    EXPECT_EQ(getPixel(s, px, kPowerUpIconRow + y), 0) << t << ":" << x << "," << y;
                }
                EXPECT_EQ(mask.r + mask.g, 0);
            }
    // The glow fades out before the cell edge, so neighbours do not touch.
    for (int t = 0; t < kPowerUpTypes; t++)
        for (int y = 0; y < kPowerUpCell; y++) EXPECT_EQ(getPixel(s, t * kPowerUpCell, kPowerUpGlowRow + y), 0) << t;
    removeSurface(s);
}

TEST(SharedLayout, ChomperBitesAtItsMouthAndItsMaskSitsOneRowLower) {
    Surface* s = LoadGenerated("icons.png", 128, nullptr);
    EXPECT_GT(At(s, kBiteMaskX + kBitePointX, kBiteMaskY + kBitePointY).b, 20);
    // Mask and picture cover the same shape: where the mask is empty the picture is too.
    for (int y = 0; y < kBiteHeight; y++)
        for (int x = 0; x < kBiteWidth; x++)
            if (At(s, kBiteMaskX + x, kBiteMaskY + y).b == 0) {
                EXPECT_EQ(getPixel(s, kBiteX + x, kBiteY + y), 0) << x << "," << y;
            }
    removeSurface(s);
}

TEST(SharedLayout, IntroBorderIsOneColourAndTheMouthOverlayOnlyTheMouth) {
    Surface* m = LoadGenerated("monkey.png", 128, nullptr);
    uint16_t corner = getPixel(m, 0, 0);
    for (int x = 0; x < m->width; x++) EXPECT_EQ(getPixel(m, x, m->height - 1), corner);
    for (int y = 0; y < m->height; y++) EXPECT_EQ(getPixel(m, m->width - 1, y), corner);
    Surface* mouth = LoadGenerated("monkeym.png", 128, nullptr);
    int lit = 0;
    for (int y = 0; y < mouth->height; y++)
        for (int x = 0; x < mouth->width; x++)
            if (getPixel(mouth, x, y)) lit++;
    EXPECT_GT(lit, 200);
    EXPECT_LT(lit, mouth->width * mouth->height / 10);
    removeSurface(m);
    removeSurface(mouth);
}

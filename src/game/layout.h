// Screen coordinates that the pictures of Data/ and the game's drawing and input
// code share. The asset generator paints its pictures from these numbers and the
// screens draw and hit-test with them, so the two cannot drift apart.
#pragma once
#include "shell/screen.h"

namespace layout {

// The panel (and the playfield) on the 640 x 480 screen.
constexpr int kPanelX = playfieldRect.x;
constexpr int kPanelY = playfieldRect.y;
constexpr int kPanelWidth = playfieldRect.w;
constexpr int kPanelHeight = playfieldRect.h;
constexpr int kPanelCentreX = kPanelWidth / 2;  // 165

// "titleBack.png" (640 x 480): side panel, its score strip, the numbers' anchors
// (centre x, baseline y of font 2) and the "Menu" button.
constexpr int kTitleWidth = kScreenWidth;
constexpr int kTitleHeight = kScreenHeight;
constexpr int kSidePanelX = scorePanelRect.x, kSidePanelY = scorePanelRect.y, kSidePanelWidth = scorePanelRect.w,
              kSidePanelHeight = scorePanelRect.h;
constexpr int kScoreStripY = 274, kScoreStripHeight = 35;
constexpr int kScoreCentreX = 509, kScoreBaseline = 292;
constexpr int kLevelCentreX = 435, kLivesCentreX = 575, kLevelLivesBaseline = 350;
constexpr int kMenuButtonLeft = 443, kMenuButtonRight = 560, kMenuButtonTop = 426, kMenuButtonBottom = 453;
// The main menu writes two debug-font lines here, so the title keeps it dark.
constexpr int kCreditLinesLeft = 280, kCreditLinesRight = 360, kCreditLinesTop = 462, kCreditLinesBottom = 474;

// "mainMenu.png": six highlighted strips, then the same six items plain.
constexpr int kMenuItemCount = 6;
constexpr int kMenuStripHeight = 40;
constexpr int kMenuWidth = 300;
constexpr int kMenuMaxWidth = 318;
constexpr int kMenuCentreX = 190;
constexpr int kMenuTop = 30;
constexpr int kMenuPitch = 37;
constexpr int kMenuInProgressShift = 20;
constexpr int kMenuTextCentreRow = 18;  // items are hit-tested in rows of kMenuPitch
constexpr int MenuItemX(int stripWidth) { return kMenuCentreX - stripWidth / 2; }
constexpr int MenuItemY(int item, int gameInProgress) { return kMenuTop + kMenuPitch * item + kMenuInProgressShift * gameInProgress; }

// "optionsWin.png": the window and, in its last rows, the volume knob. Offsets
// are from the picture's top-left in panel coordinates.
constexpr int kOptionsWidth = 208;
constexpr int kOptionsHeight = 308;
constexpr int kKnobWidth = 6, kKnobHeight = 18;
constexpr int kOptionsWindowHeight = kOptionsHeight - kKnobHeight;
constexpr int OptionsOriginX(int pictureWidth) { return kPanelCentreX - pictureWidth / 2; }
constexpr int OptionsOriginY(int pictureHeight) { return kPanelHeight / 2 - pictureHeight / 2; }
constexpr int kOptionsTitleRows = 30;
constexpr int kHintsTextX = 14, kHintsBaseline = 40, kHintsClickTop = 30, kHintsClickBottom = 43;
constexpr int kVolumeTrackLeft = 11, kVolumeTrackRight = 144;
constexpr int kEffectsKnobY = 72, kMusicKnobY = 103;
constexpr int kMusicLabelTop = 90;
constexpr int kDifficultyTextX = 12, kDifficultyBaseline = 135;
constexpr int kDifficultyClickLeft = 10, kDifficultyClickRight = 197, kDifficultyClickTop = 123, kDifficultyClickBottom = 140;
constexpr int kControlsHeaderY = 230;  // panel y
constexpr int kControlsLabelX = 79;
constexpr int kControlsKeyRight = kPanelWidth - 79;
constexpr int kCloseLeft = 143, kCloseRight = 196, kCloseTop = 270, kCloseBottom = 289;  // exclusive bounds
constexpr int ControlRowBaseline(int i, int lineHeight) { return kControlsHeaderY + (i + 2) * (lineHeight + 5); }
constexpr int ControlRowClickBottom(int i, int lineHeight) { return 235 + (i + 2) * (lineHeight + 5); }

// "strider.png", the information page, and its hidden options panel (page coordinates).
constexpr int kInfoWidth = 218;
constexpr int kInfoHeight = 2300;
constexpr int kInfoTop = 10;  // the page is drawn at panel y kInfoTop - scrollPos
constexpr int InfoPageX(int pageWidth) { return kPanelCentreX - pageWidth / 2; }
constexpr int kHiddenPanelX = 14, kHiddenPanelY = 2173, kHiddenPanelWidth = 191, kHiddenPanelHeight = 106;
constexpr int kHiddenPanelLines = 7;
constexpr int kHiddenPanelLineY[kHiddenPanelLines] = {11, 34, 47, 60, 73, 86, 99};
constexpr int kHiddenPanelMaxRise = 120;
constexpr int kScrollArrowX = 15, kScrollUpY = 15, kScrollDownY = kPanelHeight - 15;
constexpr int kScrollArrowClickRight = 30;

// "choose.png": the 10 x 10 grid of level cells.
constexpr int kChooseWidth = 330, kChooseHeight = 440;
constexpr int kChooserCell = 32;
constexpr int kChooserColumns = 10, kChooserRows = 10;
constexpr int kChooserSheetSide = kChooserCell * kChooserColumns;  // 320
constexpr int kChooserGridX = kPanelWidth - kChooserSheetSide - 5;    // 5
constexpr int kChooserGridY = kPanelHeight - kChooserSheetSide - 8;   // 112
constexpr int kChooserClickY = 111;

// "power-ups.png": 22 columns of 36 x 36 cells; rows icon, mask, glow.
constexpr int kPowerUpTypes = 22;
constexpr int kPowerUpCell = 36;
constexpr int kPowerUpIconRow = 0, kPowerUpMaskRow = 36, kPowerUpGlowRow = 72;

// "sprites.png".
constexpr int kBlastFrames = 7, kBlastCell = 32;
constexpr int kBallCellX[4] = {0, 7, 14, 21};
constexpr int kBallCellY = 32, kBallCell = 8, kBallCentre = 3;
constexpr int kHintTabEndX = 45, kHintTabBodyX = 53, kHintTabY = 33, kHintTabEndWidth = 8, kHintTabBodyWidth = 80,
              kHintTabHeight = 12;

// "icons.png": the chomper's bite (also the editor's exit button), its mask and glow.
constexpr int kBiteX = 1, kBiteY = 0, kBiteWidth = 51, kBiteHeight = 47;
constexpr int kBiteMaskX = 52, kBiteMaskY = 1;
constexpr int kBitePointX = 30, kBitePointY = 37;
constexpr int kExitGlowX = 103, kExitGlowY = 1, kExitGlowWidth = 60, kExitGlowHeight = 56;
// The editor's exit button: the bite picture in the screen's bottom right
// corner, its glow 3 pixels left of and 4 above it.
constexpr int kExitButtonWidth = 56, kExitButtonHeight = 52;
constexpr int kExitButtonX = kTitleWidth - kExitButtonWidth, kExitButtonY = kTitleHeight - kExitButtonHeight;
constexpr int kExitGlowOffsetX = -3, kExitGlowOffsetY = -4;

// The proportional fonts: row height of a glyph row and the baseline inside it.
struct FontLayout {
    const char* file;
    int slot;
    int rowHeight;
    int reference;
};
// In the order the game loads them.
constexpr FontLayout kFonts[3] = {
    {"c_tickertape.png", 0, 30, 20},
    {"c_neopolitical_l.png", 2, 26, 18},
    {"c_neopolitical.png", 1, 18, 10},
};
constexpr int kSmallCellWidth = 7, kSmallCellHeight = 11, kSmallCellsPerRow = 32;

// Every picture of Data/ the art ships, at the size the drawing code assumes
// (or, where the code takes any size, the size it is made at).
struct PictureSize {
    const char* file;
    int width, height;
};
constexpr PictureSize kPictureSizes[] = {
    {"titleBack.png", kTitleWidth, kTitleHeight},
    {"mainMenu.png", kMenuWidth, kMenuStripHeight * kMenuItemCount * 2},
    {"optionsWin.png", kOptionsWidth, kOptionsHeight},
    {"choose.png", kChooseWidth, kChooseHeight},
    {"strider.png", kInfoWidth, kInfoHeight},
    {"wxwall.jpg", kTitleWidth, kTitleHeight},
    {"qvlogo.png", 512, 128},
    {"wxintro.png", 512, 96},
    {"tnlogo.png", 64, 64},
    {"monkey.png", 320, 240},
    {"monkeym.png", 320, 240},
    {"sprites.png", 224, 48},
    {"icons.png", 164, 58},
    {"power-ups.png", kPowerUpCell * kPowerUpTypes, kPowerUpCell * 3},
    {"bg.png", 64, 64},
    {"smallchars.png", kSmallCellWidth * kSmallCellsPerRow, kSmallCellHeight * 4},
};

}  // namespace layout

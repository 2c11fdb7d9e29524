#include "game/flow/options.h"

#include "game/game_state.h"
#include "game/flow/info_page.h"
#include "game/layout.h"
#include "game/flow/music.h"
#include "game/flow/screen_text.h"
#include "gfx/blit.h"
#include "gfx/font.h"
#include "gfx/picture.h"
#include "shell/catalogue.h"
#include "shell/input.h"
#include "sound/mixer.h"

int32_t captureSlot = -1;
const char* const bindingLabels[5] = {TrNoop("Up"), TrNoop("Down"), TrNoop("Left"), TrNoop("Right"),
                                      TrNoop("Escape")};
const char* const difficultyNames[5] = {"", TrNoop("Difficulty: Easy"), TrNoop("Difficulty: Medium"),
                                        TrNoop("Difficulty: Hard"), TrNoop("Difficulty: Insane")};
Surface* optionsPicture;

void EnterOptions() {
    loadPicture("optionsWin.png", optionsPicture);
    scrollPos = 0;
    musicFade = 255;
    ApplyMusicVolume();
    musicShown = musicPlaying = musicWanted;
}

void LeaveOptions() { removeSurface(optionsPicture); }

int32_t DrawOptions() {
    using namespace layout;
    Surface* dest = backSurface;
    const int ox = OptionsOriginX(optionsPicture->width), oy = OptionsOriginY(optionsPicture->height);
    const int windowHeight = optionsPicture->height - kKnobHeight;
    drawSprite(dest, ox, oy, optionsPicture->width, windowHeight, optionsPicture, 0, 0, BlitCopy);
    drawSprite(dest, ox + kVolumeTrackLeft + getVolume(0) / 2, oy + kEffectsKnobY, kKnobWidth, kKnobHeight,
               optionsPicture, 0, windowHeight, BlitCopy);
    drawSprite(dest, ox + kVolumeTrackLeft + musicVolume / 2, oy + kMusicKnobY, kKnobWidth, kKnobHeight,
               optionsPicture, 0, windowHeight, BlitCopy);

    if (difficulty < 1 || difficulty > 4) difficulty = 1;
    DrawScreenText(dest, Tr(difficultyNames[difficulty]), ox + kDifficultyTextX, oy + kDifficultyBaseline, 1, TextLeft);
    if (hintsEnabled != 0) hintsEnabled = 1;
    DrawScreenText(dest, hintsEnabled ? Tr("Helpful Hints: ON") : Tr("Helpful Hints: OFF"), ox + kHintsTextX,
                   oy + kHintsBaseline, 1, TextLeft);

    DrawScreenText(dest, Tr("Control Configuration"), kPanelCentreX, kControlsHeaderY, 1, TextCentred);
    const int lineHeight = fontLineHeight(1);
    for (int i = 0; i < 5; ++i) {
        const int y = ControlRowBaseline(i, lineHeight);
        const bool waiting = captureSlot == i;
        const uint16_t colour = waiting ? packColour(31, tickCounter & 31, 31) : 0;
        DrawScreenText(dest, Tr(bindingLabels[i]), kControlsLabelX, y, 1, TextLeft, waiting, colour);
        DrawScreenText(dest, KeyName(keyBindings[i]), kControlsKeyRight, y, 1, TextRight, waiting, colour);
    }
    if (captureSlot >= 0 && captureSlot < 5) {
        DrawSmallTextCentred(dest, Tr("Press Desired Button for"), kPanelCentreX, 235, packColour(31, 31, 31));
        DrawSmallTextCentred(dest, Tr(bindingLabels[captureSlot]), kPanelCentreX, 242, packColour(31, 0, 0));
    }
    return ModeOptions;
}

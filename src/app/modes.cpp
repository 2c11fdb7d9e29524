#include "app/modes.h"

#include "game/game_state.h"
#include "game/layout.h"
#include "app/mode_table.h"
#include "game/input/input_modes.h"
#include "game/flow/music.h"
#include "game/flow/screen_text.h"
#include "gfx/blit.h"

const ModeRoutines* FindModeRoutines(int32_t mode) {
    for (const ModeRoutines& m : modeTable)
        if (m.mode == mode) return &m;
    return nullptr;
}

bool IsPanelMode(int32_t mode) {
    switch (mode) {
        case ModeChooseLevel: case ModeOptions: case ModeHighScores: case ModeInfoPage: case ModeEnterName:
        case ModeGameOver:
            return true;
        default:
            return false;
    }
}

void EnterMode(int32_t mode) {
    const ModeRoutines* m = FindModeRoutines(mode);
    if (m && m->enter) m->enter();
}

void LeaveMode(int32_t mode) {
    const ModeRoutines* m = FindModeRoutines(mode);
    if (m && m->leave) m->leave();
}

int32_t UpdateMode(int32_t mode) {
    tickCounter += 1;
    modeTickCount += 1;
    MusicStep(mode);
    const ModeRoutines* m = FindModeRoutines(mode);
    int32_t next = m && m->update ? m->update() : mode;
    // The scroll counter runs down for ever and wraps round like an unsigned value.
    if (next != ModePlay) backgroundScroll = static_cast<int32_t>(static_cast<uint32_t>(backgroundScroll) - 1u);
    return next;
}

// Panel screens draw into a 330 x 440 surface over the drifting background,
// which stands in for the back surface while they draw and is then copied to
// the panel's place on the screen.
int32_t DrawMode(int32_t mode) {
    modeFrameCount += 1;
    const ModeRoutines* m = FindModeRoutines(mode);
    if (!m || !m->draw) return mode;
    if (!IsPanelMode(mode)) return m->draw();

    static Surface* panel = createSurface(layout::kPanelWidth, layout::kPanelHeight);
    TileBackground(panel);
    Surface* screen = backSurface;
    backSurface = panel;
    int32_t next = m->draw();
    backSurface = screen;
    drawSprite(backSurface, layout::kPanelX, layout::kPanelY, panel->width, panel->height, panel, 0, 0, BlitCopy);
    return next;
}

void HandleInput(uint32_t message, uint32_t wParam, int32_t param) {
    if (HandleGeneralInput(message, wParam, param)) return;
    if (IsPanelMode(currentMode)) ShiftPointerToPanel();
    const ModeRoutines* m = FindModeRoutines(currentMode);
    if (m && m->input) m->input(message, wParam, param);
}

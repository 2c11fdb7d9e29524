#include "game/flow/modes.h"

#include "game/flow/game_state.h"
#include "game/flow/mode_table.h"

const ModeRoutines* FindModeRoutines(int32_t mode) {
    for (const ModeRoutines& m : modeTable)
        if (m.mode == mode) return &m;
    return nullptr;
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
    const ModeRoutines* m = FindModeRoutines(mode);
    int32_t next = m && m->update ? m->update() : mode;
    if (next != ModePlay) backgroundScroll -= 1;
    return next;
}

int32_t DrawMode(int32_t mode) {
    modeFrameCount += 1;
    const ModeRoutines* m = FindModeRoutines(mode);
    return m && m->draw ? m->draw() : mode;
}

void HandleInput(uint32_t message, uint32_t wParam, int32_t param) {
    const ModeRoutines* m = FindModeRoutines(currentMode);
    if (m && m->input) m->input(message, wParam, param);
}

// The four routines the main loop drives and the input routine, dispatched on the
// mode number through the mode table.
#pragma once
#include <cstdint>

// One mode's own work; any of them may be missing.
struct ModeRoutines {
    int32_t mode;
    void (*enter)();
    void (*leave)();
    int32_t (*update)();  // the mode's own step of a tick; returns the next mode
    int32_t (*draw)();    // one frame; returns the next mode
    void (*input)(uint32_t message, uint32_t wParam, int32_t param);
};

const ModeRoutines* FindModeRoutines(int32_t mode);
// The screens drawn in the 330 x 440 panel at (20, 20), in panel coordinates.
bool IsPanelMode(int32_t mode);

void EnterMode(int32_t mode);
void LeaveMode(int32_t mode);
int32_t UpdateMode(int32_t mode);
int32_t DrawMode(int32_t mode);
void HandleInput(uint32_t message, uint32_t wParam, int32_t param);

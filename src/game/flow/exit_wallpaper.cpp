#include "game/flow/exit_wallpaper.h"

#include "game/game_state.h"
#include "gfx/blit.h"
#include "gfx/picture.h"

namespace {
Surface* exitPicture;
}

void EnterExitWallpaper() { loadPicture("wxwall.jpg", exitPicture); }
void LeaveExitWallpaper() { removeSurface(exitPicture); }

int32_t DrawExitWallpaper() {
    centerSurface(backSurface, exitPicture);
    return ModeExitWallpaper;
}

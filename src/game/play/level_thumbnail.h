// The level chooser's 32 x 32 pictures of a level's blocks.
#pragma once
#include "gfx/surface.h"

extern Surface* levelChooserSheet;  // 320 x 320, ten cells a row

void BuildLevelThumbnail(int level);

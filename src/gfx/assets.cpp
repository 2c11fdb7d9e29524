#include "gfx/assets.h"

Surface* titleBackPicture;
Surface* spritesSheet;
Surface* iconsSheet;
Surface* powerUpsSheet;
Surface* bgPicture;
Surface* bgVariants[8];
Surface* workSurface;

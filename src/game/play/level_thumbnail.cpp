#include "game/play/level_thumbnail.h"

#include "game/play/block_set.h"
#include "game/play/level.h"
#include "gfx/blit.h"
#include "gfx/picture.h"
#include "shell/log.h"

Surface* levelChooserSheet;

namespace {
constexpr int kWorkSide = 240;

// Each output pixel is the per-component average of a 2 x 2 square; pixels
// outside the surface read 0. Works in place.
void HalveInPlace(Surface* t, int outputSide) {
    for (int y = 0; y < outputSide; ++y) {
        for (int x = 0; x < outputSide; ++x) {
            int r = 0, g = 0, b = 0;
            for (int k = 0; k < 4; ++k) {
                int pr, pg, pb;
                unpackColour(getPixel(t, 2 * x + (k & 1), 2 * y + (k >> 1)), pr, pg, pb);
                r += pr;
                g += pg;
                b += pb;
            }
            putPixel(t, x, y, packColour(r >> 2, g >> 2, b >> 2));
        }
    }
}
}  // namespace

void BuildLevelThumbnail(int level) {
    Surface* t = createSurface(kWorkSide, kWorkSide);
    loadPicture(StrFormat("blocks%d.png", PictureSetOf(level)), blockSetImage);
    LoadBlockSet(PictureSetOf(level));
    ApplyColourVariant(blockSetImage, ColourVariantOf(level));
    if (!ReadLevelFile(level)) {
        removeSurface(blockSetImage);
        removeSurface(t);
        return;
    }
    for (int n = 0; n < levelBlockCount; ++n) {
        const LevelBlock& b = levelBlocks[n];
        if (b.y >= 400) continue;
        const BlockDesc& d = BlockDescOf(b.kind);
        for (int i = 0; i < b.width; ++i)
            for (int j = 0; j < b.height; ++j)
                if (uint16_t c = getPixel(blockSetImage, d.srcX + i, d.srcY + j))
                    blendPixel(t, (b.x + i) * 10 / 26, (b.y + j) * 10 / 26, c, 80);
    }
    HalveInPlace(t, 128);
    HalveInPlace(t, 64);
    drawSprite(levelChooserSheet, (level % 10) * 32, (level / 10) * 32, 32, 32, t, 0, 0, BlitCopy);
    removeSurface(t);
    removeSurface(blockSetImage);
    levelBlockCount = 0;
}

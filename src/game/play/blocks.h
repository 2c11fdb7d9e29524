// Blocks on the playfield: painting them into the visible image and the
// collision map, and destroying them.
#pragma once
#include <cstdint>

#include "game/play/level.h"
#include "gfx/surface.h"

constexpr uint16_t kBlockRed = 31 << 11;

// Rebuilds playfieldImage from the scenery and stamps every block into both it
// and the collision map; adds power-up markers and, in the editor, its extras.
// No level blocks and no block shapes.
void ResetBlocks();
void ComposePlayfield();
// Bursts block i into debris, scores it, releases its capsule and clears it from
// the map and the image.
void DestroyBlock(int i);
// Points for destroying a block of this width: smaller blocks are worth more.
int32_t BlockScore(int width);
// The level is complete when only indestructible blocks remain.
inline bool OnlyIndestructibleLeft() { return indestructibleCount >= levelBlockCount; }
// A 36 x 36 power-up icon with its glow, centred on (cx, cy).
void DrawPowerUpIcon(Surface* dest, int cx, int cy, int glow, int type);

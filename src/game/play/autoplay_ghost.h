// The autoplayer's look-ahead. A ghost ball moves by the same rules as a real
// one but changes nothing in the field; a distance map tells how far every free
// pixel is from the nearest breakable block, going round walls.
#pragma once
#include <cstdint>

#include "game/play/balls.h"

enum class GhostEnd { PaddleLine, Block, Lost, TimeOut };

struct GhostRun {
    GhostEnd end;
    int32_t steps;    // ball steps taken
    int32_t closest;  // the smallest block distance the ghost passed through
    int32_t lastHit;  // the step at which it last met a breakable block, or -1
    int32_t block;    // the breakable block it stopped at, or -1
    Ball ball;        // the ghost where it stopped
};

// What a ghost does on meeting a breakable block: stop there, bounce off it as
// off a wall, or break it as a real ball does.
enum class GhostBlocks { Stop, Bounce, Break };

// Moves a ghost copy of b until it comes down to the paddle line lineY (the
// paddle is taken to be wherever it arrives), is lost, or has made maxSteps
// steps. Blocks the ghost breaks are taken out of the collision map for the run
// and put back before it returns.
GhostRun RunGhost(Ball b, int32_t lineY, int32_t maxSteps, GhostBlocks blocks);

// Rebuilds the distance map when the breakable blocks or the map have changed.
void RefreshBlockDistances();
// Pixels from (x, y) to the nearest breakable block through free space; 0 on a
// breakable block, kNoPath where none can be reached.
constexpr int32_t kNoPath = 0xFFFF;
int32_t BlockDistance(int32_t x, int32_t y);

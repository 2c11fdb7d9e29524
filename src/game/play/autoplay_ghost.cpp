#include "game/play/autoplay_ghost.h"

#include <algorithm>
#include <vector>

#include "game/play/block_set.h"
#include "game/play/blocks.h"
#include "game/play/level.h"
#include "game/play/power_ups.h"
#include "gfx/blit.h"

namespace {
std::vector<uint16_t> distances;
const Surface* distancesMap = nullptr;
uint64_t distancesBlocks = 0;

inline bool Passable(uint16_t pixel) { return (pixel >> 11) == 0 && (pixel & 31) == 0; }
}  // namespace

void RefreshBlockDistances() {
    // The breakable blocks, told apart by where they are; the same map can be
    // reused by the next level.
    uint64_t blocks = 0;
    for (int i = 0; i < levelBlockCount; ++i) {
        const LevelBlock& b = levelBlocks[i];
        if (b.kind == 0) continue;
        uint64_t h = (uint64_t{b.x} << 32 | uint64_t{b.y} << 16 | uint64_t{b.width} << 8 | b.height) + 1;
        h *= 0x9E3779B97F4A7C15ull;
        blocks += h ^ (h >> 29);
    }
    if (distancesMap == collisionMap && distancesBlocks == blocks && !distances.empty()) return;
    distancesMap = collisionMap;
    distancesBlocks = blocks;
    const int w = collisionMap->width, h = collisionMap->height;
    distances.assign(static_cast<size_t>(w) * h, kNoPath);
    std::vector<int32_t> queue;
    queue.reserve(distances.size());
    for (int i = 0; i < levelBlockCount; ++i) {
        const LevelBlock& b = levelBlocks[i];
        if (b.kind == 0) continue;
        for (int y = std::max<int>(b.y, 0); y < std::min(b.y + b.height, h); ++y)
            for (int x = std::max<int>(b.x, 0); x < std::min(b.x + b.width, w); ++x) {
                uint16_t& d = distances[static_cast<size_t>(y) * w + x];
                if (d != 0) queue.push_back(y * w + x);
                d = 0;
            }
    }
    // Breadth first through pixels a ball can pass: free ground and sand.
    for (size_t head = 0; head < queue.size(); ++head) {
        const int32_t at = queue[head], x = at % w, y = at / w;
        const uint16_t next = static_cast<uint16_t>(std::min<int32_t>(distances[at] + 1, kNoPath - 1));
        const int32_t around[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
        for (const auto& p : around) {
            if (p[0] < 0 || p[1] < 0 || p[0] >= w || p[1] >= h) continue;
            const int32_t n = p[1] * w + p[0];
            if (distances[n] != kNoPath || !Passable(getPixel(collisionMap, p[0], p[1]))) continue;
            distances[n] = next;
            queue.push_back(n);
        }
    }
}

int32_t BlockDistance(int32_t x, int32_t y) {
    // Distances of another map are no answer for this one.
    if (distancesMap != collisionMap || !distancesMap) return kNoPath;
    if (x < 0 || y < 0 || x >= distancesMap->width || y >= distancesMap->height) return kNoPath;
    return distances[static_cast<size_t>(y) * distancesMap->width + x];
}

namespace {
// A block the ghost broke: its pixels of the collision map as they were.
struct Broken {
    int32_t x, y, width, height;
    std::vector<uint16_t> pixels;
};

// Clears block j from the collision map as a destroyed block clears it, keeping
// what was there.
void Break(int j, std::vector<Broken>& broken) {
    const LevelBlock block = levelBlocks[j];
    Broken b{block.x, block.y, block.width, block.height, {}};
    for (int v = 0; v < b.height; ++v)
        for (int u = 0; u < b.width; ++u) b.pixels.push_back(getPixel(collisionMap, b.x + u, b.y + v));
    broken.push_back(std::move(b));
    const BlockDesc& d = BlockDescOf(block.kind);
    drawSpriteParam(collisionMap, block.x, block.y, block.width, block.height, blockSetImage, d.srcX, d.srcY, BlitSolid, 0);
}

void Mend(std::vector<Broken>& broken) {
    for (auto b = broken.rbegin(); b != broken.rend(); ++b)
        for (int v = 0; v < b->height; ++v)
            for (int u = 0; u < b->width; ++u) putPixel(collisionMap, b->x + u, b->y + v, b->pixels[v * b->width + u]);
    broken.clear();
}
}  // namespace

GhostRun RunGhost(Ball b, int32_t lineY, int32_t maxSteps, GhostBlocks blocks) {
    GhostRun run{GhostEnd::TimeOut, 0, kNoPath, -1, -1, b};
    const bool fireball = PowerUpActive(PowerFireball);
    std::vector<Broken> broken;
    const auto finish = [&](GhostEnd end) {
        Mend(broken);
        run.end = end;
        run.ball = b;
        return run;
    };
    for (; run.steps < maxSteps; ++run.steps) {
        if (AdvanceBall(b)) return finish(GhostEnd::Lost);
        const int32_t bx = b.x >> 10, by = b.y >> 10;
        run.closest = std::min(run.closest, BlockDistance(bx, by));
        for (int k = 0; k < 8; ++k) {
            const int32_t px = bx + probeDX[k], py = by + probeDY[k];
            const uint16_t pixel = getPixel(collisionMap, px, py);
            if ((pixel >> 11) != 0) {
                const bool breakable = BlockDistance(px, py) == 0;
                if (breakable) run.lastHit = run.steps;
                if (breakable && blocks == GhostBlocks::Stop) {
                    ++run.steps;
                    run.block = FindBlockAt(px, py);
                    return finish(GhostEnd::Block);
                }
                if (!fireball || !breakable) BounceBallOffMap(b);
                if (const int j = FindBlockAt(px, py); breakable && blocks == GhostBlocks::Break && j >= 0) Break(j, broken);
                b.x += b.vx;
                b.y += b.vy;
                break;
            }
            if ((pixel & 31) != 0) {
                if (((pixel >> 6) & 31) != 0 && GreenToTheBottom(px, py)) return finish(GhostEnd::Lost);
                BounceBallOffMap(b);
                b.x += b.vx;
                b.y += b.vy;
                NormaliseBallVelocity(b);
                break;
            }
            if (by > lineY - 3 && by < lineY + 7) {
                ++run.steps;
                return finish(GhostEnd::PaddleLine);
            }
        }
    }
    return finish(GhostEnd::TimeOut);
}

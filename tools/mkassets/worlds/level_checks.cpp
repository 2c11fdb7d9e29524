#include "worlds/level_checks.h"

#include <algorithm>
#include <deque>

namespace {

// The ball's eight probe points.
const int kProbeX[8] = {0, 2, 3, 2, 0, -2, -3, -2};
const int kProbeY[8] = {-3, -2, 0, 2, 3, 2, 0, -2};

// Owner of each pixel: -1 free (or sand), -2 wall, else the block index.
std::vector<int> PaintOwners(const WorldView& world, const LevelSource& level) {
    std::vector<int> owner(static_cast<size_t>(world.width) * world.height, -1);
    for (int y = 0; y < world.height; ++y)
        for (int x = 0; x < world.width; ++x) {
            uint16_t p = world.at(x, y);
            bool ballFree = (p >> 11) == 0 && (p & 31) == 0;  // black, or green sand
            if (!ballFree) owner[static_cast<size_t>(y) * world.width + x] = -2;
        }
    for (size_t i = 0; i < level.blocks.size(); ++i) {
        const PlacedBlock& b = level.blocks[i];
        const WorldView::Shape& shape = world.shapes[b.kind];
        for (int v = 0; v < shape.height; ++v)
            for (int u = 0; u < shape.width; ++u) {
                int x = b.x + u, y = b.y + v;
                if (shape.solid[static_cast<size_t>(v) * shape.width + u] && x < world.width && y < world.height)
                    owner[static_cast<size_t>(y) * world.width + x] = static_cast<int>(i);
            }
    }
    return owner;
}

bool RectsOverlap(const PlacedBlock& a, const PlacedBlock& b, const WorldView& world) {
    const WorldView::Shape &sa = world.shapes[a.kind], &sb = world.shapes[b.kind];
    return a.x < b.x + sb.width && b.x < a.x + sa.width && a.y < b.y + sb.height && b.y < a.y + sa.height;
}

}  // namespace

std::vector<int> UnreachableBlocks(const WorldView& world, const LevelSource& level) {
    const int w = world.width, h = world.height;
    std::vector<int> owner = PaintOwners(world, level);
    auto ownerAt = [&](int x, int y) { return x < 0 || y < 0 || x >= w || y >= h ? -2 : owner[static_cast<size_t>(y) * w + x]; };
    // free[c]: a ball centred on c touches nothing.
    std::vector<uint8_t> free(static_cast<size_t>(w) * h, 0);
    auto refresh = [&](int x0, int y0, int x1, int y1) {
        for (int y = std::max(y0, 0); y <= std::min(y1, h - 1); ++y)
            for (int x = std::max(x0, 0); x <= std::min(x1, w - 1); ++x) {
                bool clear = true;
                for (int k = 0; k < 8 && clear; ++k) clear = ownerAt(x + kProbeX[k], y + kProbeY[k]) == -1;
                free[static_cast<size_t>(y) * w + x] = clear;
            }
    };
    refresh(0, 0, w - 1, h - 1);
    auto isFree = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && free[static_cast<size_t>(y) * w + x]; };
    std::vector<uint8_t> seen(static_cast<size_t>(w) * h, 0);
    std::vector<uint8_t> broken(level.blocks.size(), 0);
    std::deque<std::pair<int, int>> queue;
    auto visit = [&](int x, int y) {
        if (!isFree(x, y) || seen[static_cast<size_t>(y) * w + x]) return;
        seen[static_cast<size_t>(y) * w + x] = 1;
        queue.emplace_back(x, y);
    };
    auto seenAt = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && seen[static_cast<size_t>(y) * w + x]; };
    for (int y = kServeTop + 4; y <= kServeBottom - 4; ++y)
        for (int x = kServeLeft + 4; x <= kServeRight - 4; ++x) visit(x, y);
    const int stepX[4] = {1, -1, 0, 0}, stepY[4] = {0, 0, 1, -1};
    while (!queue.empty()) {
        auto [x, y] = queue.front();
        queue.pop_front();
        // A block is hit when a step to a neighbouring centre puts a probe on it.
        for (int s = 0; s < 4; ++s) {
            int nx = x + stepX[s], ny = y + stepY[s];
            if (isFree(nx, ny)) continue;
            for (int k = 0; k < 8; ++k) {
                int j = ownerAt(nx + kProbeX[k], ny + kProbeY[k]);
                if (j < 0 || broken[j] || level.blocks[j].kind == 0) continue;
                // The block breaks; the centres its pixels freed are reached
                // again from their seen neighbours.
                broken[j] = 1;
                const PlacedBlock& b = level.blocks[j];
                const WorldView::Shape& shape = world.shapes[b.kind];
                for (int v = 0; v < shape.height; ++v)
                    for (int u = 0; u < shape.width; ++u)
                        if (ownerAt(b.x + u, b.y + v) == j) owner[static_cast<size_t>(b.y + v) * w + b.x + u] = -1;
                refresh(b.x - 4, b.y - 4, b.x + shape.width + 4, b.y + shape.height + 4);
                for (int cy = b.y - 4; cy <= b.y + shape.height + 4; ++cy)
                    for (int cx = b.x - 4; cx <= b.x + shape.width + 4; ++cx)
                        if (seenAt(cx - 1, cy) || seenAt(cx + 1, cy) || seenAt(cx, cy - 1) || seenAt(cx, cy + 1))
                            visit(cx, cy);
            }
        }
        for (int s = 0; s < 4; ++s) visit(x + stepX[s], y + stepY[s]);
    }
    std::vector<int> unreachable;
    for (size_t i = 0; i < level.blocks.size(); ++i)
        if (level.blocks[i].kind != 0 && !broken[i]) unreachable.push_back(static_cast<int>(i));
    return unreachable;
}

std::vector<std::string> CheckLevel(const WorldView& world, const LevelSource& level) {
    std::vector<std::string> problems;
    auto name = [&](size_t i) {
        const PlacedBlock& b = level.blocks[i];
        return "block " + std::to_string(i) + " (kind " + std::to_string(b.kind) + " at " + std::to_string(b.x) + "," +
               std::to_string(b.y) + ")";
    };
    bool anyDestructible = false;
    bool shapesKnown = true;
    for (size_t i = 0; i < level.blocks.size(); ++i) {
        const PlacedBlock& b = level.blocks[i];
        if (b.kind < 0 || b.kind >= static_cast<int>(world.shapes.size())) {
            problems.push_back(name(i) + ": no such shape");
            shapesKnown = false;
            continue;
        }
        const WorldView::Shape& shape = world.shapes[b.kind];
        anyDestructible |= b.kind != 0;
        if (b.x < 0 || b.y < 0 || b.x + shape.width > world.width || b.y + shape.height > world.height) {
            problems.push_back(name(i) + ": outside the field");
            continue;
        }
        if (b.y > kDeepestBlockTop) problems.push_back(name(i) + ": lower than " + std::to_string(kDeepestBlockTop));
        bool clear = true;
        for (int v = 0; v < shape.height && clear; ++v)
            for (int u = 0; u < shape.width && clear; ++u)
                clear = world.at(b.x + u, b.y + v) == 0 && world.at(b.x + u, b.y + v + 40) == 0;
        if (!clear) problems.push_back(name(i) + ": on a wall or sand, or within 40 rows above one");
        if (b.x < kServeRight + 1 && b.x + shape.width > kServeLeft && b.y < kServeBottom + 1 &&
            b.y + shape.height > kServeTop)
            problems.push_back(name(i) + ": in the serve area");
        for (size_t j = 0; j < i; ++j)
            if (level.blocks[j].kind >= 0 && level.blocks[j].kind < static_cast<int>(world.shapes.size()) &&
                RectsOverlap(b, level.blocks[j], world)) {
                problems.push_back(name(i) + ": overlaps " + name(j));
                break;
            }
    }
    if (!anyDestructible) problems.push_back("no destructible block");
    for (int y = kServeTop; y <= kServeBottom; ++y)
        for (int x = kServeLeft; x <= kServeRight; ++x)
            if (world.at(x, y) != 0) {
                problems.push_back("the serve area is not free at " + std::to_string(x) + "," + std::to_string(y));
                y = kServeBottom;
                break;
            }
    // The paddle starts at (165, 420); its collision rows are 423 and 424, and
    // with the fat-paddle option it reaches 58 pixels to either side.
    for (int y = 423; y <= 424; ++y)
        for (int x = 165 - 58; x < 165 + 58; ++x)
            if (world.at(x, y) != 0) {
                problems.push_back("the paddle's start is not free");
                y = 425;
                break;
            }
    if (shapesKnown && problems.empty())
        for (int i : UnreachableBlocks(world, level)) problems.push_back(name(i) + ": cannot be reached by a ball");
    return problems;
}

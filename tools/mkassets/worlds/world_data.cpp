#include "worlds/world_data.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "gfx/picture.h"
#include "gfx/png_writer.h"
#include "worlds/block_shapes.h"

bool ReadLevelSources(const std::string& folder, std::vector<LevelSource>& levels, std::string& error) {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (entry.path().extension() == ".lvl") files.push_back(entry.path().string());
    if (ec) {
        error = "cannot read " + folder;
        return false;
    }
    std::sort(files.begin(), files.end());
    std::vector<LevelSource> all;
    for (const std::string& file : files) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        if (!ParseLevelSource(text.str(), std::filesystem::path(file).filename().string(), all, error)) return false;
    }
    levels.assign(kLevelCount, LevelSource{});
    for (LevelSource& level : all) {
        if (levels[level.number].number >= 0) {
            error = level.where + ": level " + std::to_string(level.number) + " is already defined at " +
                    levels[level.number].where;
            return false;
        }
        levels[level.number] = std::move(level);
    }
    for (int i = 0; i < kLevelCount; ++i)
        if (levels[i].number < 0) {
            error = "level " + std::to_string(i) + " has no source";
            return false;
        }
    return true;
}

void LoadWorldView(int world, WorldView& view) {
    Surface* map = nullptr;
    Surface* blocks = nullptr;
    loadPicture("scheme" + std::to_string(world) + ".png", map);
    loadPicture("blocks" + std::to_string(world) + ".png", blocks);
    view.width = map->width;
    view.height = map->height;
    view.map.resize(static_cast<size_t>(view.width) * view.height);
    for (int y = 0; y < view.height; ++y)
        for (int x = 0; x < view.width; ++x) view.map[static_cast<size_t>(y) * view.width + x] = getPixel(map, x, y);
    view.shapes.clear();
    for (int kind = 0; kind < kBlockShapeCount; ++kind) {
        WorldView::Shape shape;
        shape.width = kBlockShapes[kind].width;
        shape.height = kBlockShapes[kind].height;
        BlockPlace at = BlockShapePlace(kind);
        for (int v = 0; v < shape.height; ++v)
            for (int u = 0; u < shape.width; ++u) shape.solid.push_back(getPixel(blocks, at.x + u, at.y + v) != 0);
        view.shapes.push_back(std::move(shape));
    }
    removeSurface(map);
    removeSurface(blocks);
}

bool WriteSurfacePng(const std::string& path, const Surface* surface) {
    std::vector<uint16_t> pixels;
    for (int y = 0; y < surface->height; ++y)
        for (int x = 0; x < surface->width; ++x) pixels.push_back(getPixel(surface, x, y));
    return WriteRgb565Png(path, pixels.data(), surface->width, surface->height);
}

#include "worlds/level_source.h"

#include <map>
#include <sstream>

#include "worlds/block_shapes.h"

const char* const kPowerUpNames[kPowerUpTypes] = {
    "homing", "slow",    "fountain", "volcano",   "splitter", "wide",   "narrow", "fastballs",
    "blaster", "chomper", "sluggish", "lasers",   "fireball", "quick",  "loseballs", "life",
    "frozen",  "raise",   "lower",    "reveal",   "burnout",  "drain",
};

int PowerUpByName(const std::string& name) {
    for (int t = 0; t < kPowerUpTypes; ++t)
        if (name == kPowerUpNames[t]) return t;
    return -1;
}

namespace {

int ShapeByName(const std::string& name) {
    for (int k = 0; k < kBlockShapeCount; ++k)
        if (name == kBlockShapes[k].name) return k;
    return -1;
}

struct Key {
    int kind;
    int powerUp;
};

using KeyTable = std::map<char, Key>;

KeyTable DefaultKeys() {
    KeyTable keys;
    for (int k = 0; k < kBlockShapeCount; ++k) keys[kBlockShapes[k].symbol] = {k, -1};
    return keys;
}

bool ParseInt(const std::string& word, int& value) {
    if (word.empty()) return false;
    size_t used = 0;
    try {
        value = std::stoi(word, &used);
    } catch (...) {
        return false;
    }
    return used == word.size();
}

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r"), e = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? "" : s.substr(b, e - b + 1);
}

}  // namespace

bool ParseLevelSource(const std::string& text, const std::string& fileName, std::vector<LevelSource>& levels,
                      std::string& error) {
    KeyTable fileKeys = DefaultKeys(), keys = fileKeys;
    LevelSource* level = nullptr;
    std::istringstream in(text);
    std::string raw;
    int lineNo = 0;
    // An open grid: its origin, pitch and the next row.
    bool inGrid = false;
    int gx = 0, gy = 0, gdx = 0, gdy = 0, row = 0;
    auto fail = [&](const std::string& what) {
        error = fileName + ":" + std::to_string(lineNo) + ": " + what;
        return false;
    };
    while (std::getline(in, raw)) {
        ++lineNo;
        // Inside a grid '#' is the steel symbol, so comments end only outside.
        std::string line = Trim(raw);
        if (inGrid) {
            if (line == "end") {
                inGrid = false;
                continue;
            }
            for (size_t c = 0; c < line.size(); ++c) {
                char symbol = line[c];
                if (symbol == '.' || symbol == ' ' || symbol == '-') continue;
                auto it = keys.find(symbol);
                if (it == keys.end()) return fail(std::string("unknown symbol '") + symbol + "'");
                level->blocks.push_back({gx + gdx * static_cast<int>(c), gy + gdy * row, it->second.kind,
                                         it->second.powerUp});
            }
            ++row;
            continue;
        }
        size_t hash = line.find('#');
        if (hash != std::string::npos) line = Trim(line.substr(0, hash));
        if (line.empty()) continue;
        std::istringstream words(line);
        std::string command;
        words >> command;
        if (command == "level") {
            int number;
            std::string word;
            words >> word;
            if (!ParseInt(word, number) || number < 0 || number > 99) return fail("bad level number");
            std::string title;
            std::getline(words, title);
            title = Trim(title);
            if (title.size() < 2 || title.front() != '"' || title.back() != '"') return fail("level needs a \"title\"");
            levels.push_back({number, title.substr(1, title.size() - 2), fileName + ":" + std::to_string(lineNo), {}});
            level = &levels.back();
            keys = fileKeys;
        } else if (command == "key") {
            std::string symbol, shape, power, extra;
            words >> symbol >> shape >> power >> extra;
            if (symbol.size() != 1 || symbol == "." || !extra.empty()) return fail("key needs one symbol, a shape and a power-up");
            Key key{ShapeByName(shape), power.empty() ? -1 : PowerUpByName(power)};
            if (key.kind < 0) return fail("unknown shape " + shape);
            if (!power.empty() && key.powerUp < 0) return fail("unknown power-up " + power);
            (level ? keys : fileKeys)[symbol[0]] = key;
            if (!level) keys = fileKeys;
        } else if (command == "grid" || command == "place") {
            if (!level) return fail(command + " outside a level");
            std::vector<std::string> args;
            for (std::string w; words >> w;) args.push_back(w);
            if (command == "grid") {
                if (args.size() != 4 || !ParseInt(args[0], gx) || !ParseInt(args[1], gy) || !ParseInt(args[2], gdx) ||
                    !ParseInt(args[3], gdy))
                    return fail("grid needs x y pitch-x pitch-y");
                inGrid = true;
                row = 0;
            } else {
                PlacedBlock block;
                if (args.size() < 3 || args.size() > 4 || !ParseInt(args[1], block.x) || !ParseInt(args[2], block.y))
                    return fail("place needs a shape, x, y and an optional power-up");
                block.kind = ShapeByName(args[0]);
                if (block.kind < 0) return fail("unknown shape " + args[0]);
                if (args.size() == 4 && (block.powerUp = PowerUpByName(args[3])) < 0)
                    return fail("unknown power-up " + args[3]);
                level->blocks.push_back(block);
            }
        } else {
            return fail("unknown command " + command);
        }
    }
    if (inGrid) return fail("grid without end");
    return true;
}

std::vector<uint8_t> CompileLevel(const LevelSource& level) {
    std::vector<uint8_t> bytes;
    for (const PlacedBlock& b : level.blocks) {
        const BlockShape& shape = kBlockShapes[b.kind];
        int power = b.powerUp + 1;
        uint8_t record[12] = {static_cast<uint8_t>(b.x & 255), static_cast<uint8_t>(b.x >> 8),
                              static_cast<uint8_t>(b.y & 255), static_cast<uint8_t>(b.y >> 8),
                              static_cast<uint8_t>(b.kind),    static_cast<uint8_t>(shape.width),
                              static_cast<uint8_t>(shape.height), 0, 0, 0,
                              static_cast<uint8_t>(power & 255), static_cast<uint8_t>(power >> 8)};
        bytes.insert(bytes.end(), record, record + 12);
    }
    return bytes;
}

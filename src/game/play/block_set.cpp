#include "game/play/block_set.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "shell/log.h"
#include "shell/paths.h"
#include "shell/text_number.h"

BlockDesc blockDescs[kMaxBlockDescs];
int32_t blockDescCount;

namespace {
constexpr int kMaxFields = 50;
constexpr size_t kMaxFieldLength = 40;

void EvaluateRecord(const std::vector<std::string>& fields) {
    if (fields.size() != 5 || fields[0] != "block" || blockDescCount >= kMaxBlockDescs) return;
    // The file counts in two thirds of a pixel. Positions are worked out in 16
    // bits and sizes in 8, so a size above 85 wraps.
    BlockDesc& d = blockDescs[blockDescCount++];
    d.srcX = static_cast<uint16_t>(static_cast<uint16_t>(int64_t{ParseClampedInt(fields[1])} * 3) / 2);
    d.srcY = static_cast<uint16_t>(static_cast<uint16_t>(int64_t{ParseClampedInt(fields[2])} * 3) / 2);
    d.width = static_cast<uint8_t>(static_cast<uint8_t>(int64_t{ParseClampedInt(fields[3])} * 3) / 2);
    d.height = static_cast<uint8_t>(static_cast<uint8_t>(int64_t{ParseClampedInt(fields[4])} * 3) / 2);
    LogMessage(1, ".");
}
}  // namespace

void ParseBlockSet(const char* text, long length) {
    std::vector<std::string> fields;
    std::string field;
    bool inside = false;
    auto endField = [&] {
        if (fields.size() < kMaxFields) fields.push_back(field);
        field.clear();
    };
    for (long i = 0; i < length; ++i) {
        const char c = text[i];
        if (c == '[') {
            fields.clear();
            field.clear();
            inside = true;
        } else if (c == ',') {
            endField();
        } else if (c == ']') {
            endField();
            EvaluateRecord(fields);
            fields.clear();
            inside = false;
        } else if (inside && field.size() < kMaxFieldLength) {
            field += c;
        }
    }
}

void LoadBlockSet(int set) {
    blockDescCount = 0;
    std::memset(blockDescs, 0, sizeof blockDescs);
    const std::string path = StrFormat("%sblocks%d.txt", dataFolder.c_str(), set);
    FILE* file = std::fopen(path.c_str(), "r");
    if (!file) {
        LogMessageColour(1, "[ERROR] block description not found\n", ColourRed);
        return;
    }
    std::vector<char> text;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.insert(text.end(), buffer, buffer + n);
    std::fclose(file);
    ParseBlockSet(text.data(), static_cast<long>(text.size()));
}

const BlockDesc& BlockDescOf(int kind) {
    static const BlockDesc empty{};
    return kind >= 0 && kind < blockDescCount ? blockDescs[kind] : empty;
}

#include "worlds/hint_checks.h"

#include <set>

namespace {

struct Tag {
    std::vector<std::string> fields;
};

// Splits the text into bracketed tags as the game does; text outside is ignored.
std::vector<Tag> ReadTags(const std::string& text, bool& unterminated) {
    std::vector<Tag> tags;
    bool inside = false;
    for (char c : text) {
        if (!inside) {
            if (c == '[') {
                tags.push_back({{""}});
                inside = true;
            }
        } else if (c == '|') {
            tags.back().fields.push_back("");
        } else if (c == ']') {
            inside = false;
        } else {
            tags.back().fields.back() += c;
        }
    }
    unterminated = inside;
    return tags;
}

bool IsNumber(const std::string& s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// The length the box's word wrap gives the word starting at i.
int WordLength(const std::string& text, size_t i) {
    int n = 0;
    for (; i < text.size() && text[i] != ' ' && text[i] != '\n' && text[i] != '-'; ++i) n += text[i] == '^' ? -4 : 1;
    return n;
}

}  // namespace

int HintLineCount(const std::string& text, bool icon, int width) {
    int cx = 0, cy = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (icon)
            while (cy < 27 && cx < 27) cx = 27;
        char c = text[i];
        if (c == '\n') {
            cx = 0;
            cy += 6;
            continue;
        }
        if (c == '^') {
            i += 3;
            continue;
        }
        if (!(c == ' ' && cx == 0)) {
            cx += 6;
            if (cx >= width - 10) {
                cx = 0;
                cy += 6;
            }
        }
        if ((c == ' ' || c == '-') && cx + 6 * WordLength(text, i + 1) > width - 10) {
            cx = 0;
            cy += 6;
        }
    }
    return cy / 6 + 1;
}

std::vector<std::string> CheckHint(const std::string& text) {
    std::vector<std::string> problems;
    if (text.find('\r') != std::string::npos) problems.push_back("holds a carriage return");
    bool unterminated = false;
    std::vector<Tag> tags = ReadTags(text, unterminated);
    if (unterminated) problems.push_back("a tag is not closed");
    const std::string* hint = nullptr;
    bool icon = false;
    int width = 200;
    for (const Tag& tag : tags) {
        if (tag.fields.size() != 2) {
            problems.push_back("a tag has " + std::to_string(tag.fields.size()) + " fields");
            continue;
        }
        const std::string &name = tag.fields[0], &value = tag.fields[1];
        if (value.size() > 1000) problems.push_back(name + ": longer than 1000 characters");
        if (value.find_first_of("[\t") != std::string::npos) problems.push_back(name + ": holds '[' or a tab");
        if (name == "hint") {
            hint = &value;
        } else if (name == "show") {
            if (!IsNumber(value) || std::stoi(value) >= kPowerUpTypes) problems.push_back("show: no icon " + value);
            icon = true;
        } else if (name == "width") {
            if (!IsNumber(value)) problems.push_back("width: not a number");
            else if (std::stoi(value) < width) width = std::stoi(value);
        } else {
            problems.push_back("unknown tag " + name);
        }
    }
    if (!hint) {
        problems.push_back("no hint text");
        return problems;
    }
    for (size_t i = 0; i < hint->size(); ++i)
        if ((*hint)[i] == '^') {
            bool complete = i + 3 < hint->size();
            for (size_t k = 1; complete && k <= 3; ++k) {
                char c = (*hint)[i + k];
                complete = (c >= 'A' && c <= 'Z') || (c >= '`' && c <= 'z');
            }
            if (!complete) problems.push_back("a colour code is not three letters");
            i += 3;
        }
    int lines = HintLineCount(*hint, icon, width);
    if (lines > kMaxHintLines) problems.push_back("wraps to " + std::to_string(lines) + " lines");
    return problems;
}

std::vector<int> LevelsNeedingHints(const std::vector<LevelSource>& levels) {
    std::set<int> need;
    for (int i = 0; i < 20; ++i) need.insert(i);
    std::set<int> kinds, powerUps;
    for (const LevelSource& level : levels)
        for (const PlacedBlock& b : level.blocks) {
            if (kinds.insert(b.kind).second) need.insert(level.number);
            if (b.powerUp >= 0 && powerUps.insert(b.powerUp).second) need.insert(level.number);
        }
    return {need.begin(), need.end()};
}

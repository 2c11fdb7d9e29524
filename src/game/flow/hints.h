// Hints: a short text per level, shown in a box over the playfield while the
// level's first serve waits. Each level's "hint%d.txt" holds tags "[name|value]":
// "show" picks a power-up icon, "width" narrows the box, "hint" is the text, in
// which "^" and three letters set the colour.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct Surface;

// The hint box: its position in playfield coordinates, its size, and whether it
// is sliding away.
extern int32_t hintX;
extern int32_t hintY;
extern int32_t hintWidth;
extern int32_t hintHeight;
extern int32_t hintLeaving;

struct HintFile {
    std::optional<int32_t> icon;   // the "show" tag's number
    std::optional<int32_t> width;  // the "width" tag's number
    std::string text;
};

// Reads the tags of a hint file's contents; anything else is ignored.
HintFile ParseHint(const std::string& contents);

// One character of the laid-out text, relative to the box's top left.
struct HintGlyph {
    int32_t x, y;
    char c;
    uint16_t colour;
};

struct HintLayout {
    std::vector<HintGlyph> glyphs;
    int32_t height;  // the box height that fits the text
};

// Places the text in a box of the given width, 6 pixels per character and per
// line, wrapping words after blanks and '-'; with an icon the first lines start
// right of it.
HintLayout LayoutHint(const std::string& text, int32_t width, bool withIcon);

// Reads the level's hint file and draws the box at (x, y) of the playfield.
// Without a file the serve is shortened to the normal wait instead.
void DrawHint(Surface* target, int32_t x, int32_t y, int32_t level);

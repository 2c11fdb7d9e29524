// The look every picture shares: a dark violet arcade hall, neon tubes in cyan,
// magenta and electric yellow, chrome rims and glassy panels.
#pragma once
#include <string>

#include "canvas.h"
#include "text.h"

namespace theme {
const Rgb kCyan = Hex(0x29F0FF);
const Rgb kPink = Hex(0xFF3CC8);
const Rgb kYellow = Hex(0xFFE23A);
const Rgb kLime = Hex(0x7CFF5A);
const Rgb kOrange = Hex(0xFF8A1E);
const Rgb kWhite = Hex(0xFFFFFF);
const Rgb kInk = Hex(0xE8E4FF);      // body text
const Rgb kNight = Hex(0x0C0618);    // the hall's darkest violet
const Rgb kDusk = Hex(0x26103F);     // the hall's lit violet

// The hall: violet fBm haze with a faint perspective-free grid of light.
void Backdrop(Canvas& c, int x, int y, int w, int h, uint32_t seed, float brightness = 1.0f);
// A chrome tube around the rectangle's outside, lit by a neon glow of colour.
void NeonFrame(Canvas& c, int x, int y, int w, int h, Rgb colour, int thickness = 5);
// A dark glass panel with a bevelled metal rim.
void GlassPanel(Canvas& c, int x, int y, int w, int h, Rgb tint, int radius = 8);
// A raised button with a centred label.
void Button(Canvas& c, int x, int y, int w, int h, const std::string& label, Rgb colour, float size = 13.0f);
// A little chrome screw head.
void Screw(Canvas& c, float cx, float cy);
// A horizontal neon line from x0 to x1 with a zig-zag spark in its middle.
void ZapLine(Canvas& c, float x0, float x1, float y, float amplitude, Rgb colour, float width);
// The game's name in neon, centred at cx with its baseline at y.
void Logo(Canvas& c, int cx, int y, float size);
}  // namespace theme

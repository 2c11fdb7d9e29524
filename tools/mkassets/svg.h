// Hand-written illustrations from assets/*.svg, rendered with librsvg and cairo.
#pragma once
#include <string>

#include "canvas.h"

// A rendered illustration: premultiplied colour and its coverage.
struct SvgImage {
    Canvas colour;
    Mask alpha;
};
// Renders assets/<name> scaled to fit w x h.
SvgImage RenderSvg(const std::string& name, int w, int h);
// Lays an illustration over c with its top-left at (x, y).
void Composite(Canvas& c, const SvgImage& image, int x, int y);

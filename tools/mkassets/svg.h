// Hand-written illustrations from assets/*.svg, rendered with librsvg and cairo.
#pragma once
#include <string>

#include "canvas.h"

// Renders assets/<name> scaled to fit w x h and composites it over c at (x, y).
void DrawSvg(Canvas& c, const std::string& name, int x, int y, int w, int h);

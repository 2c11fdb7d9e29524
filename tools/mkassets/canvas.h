// The generator's drawing kit: a floating-point RGB canvas, coverage masks,
// tileable value noise with fBm, antialiased shapes from signed distances,
// height-field lighting for bevels and shaded spheres. Everything is plain
// arithmetic on fixed inputs, so the same program draws the same bytes.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct Rgb {
    float r = 0, g = 0, b = 0;
};
inline Rgb operator*(Rgb c, float k) { return {c.r * k, c.g * k, c.b * k}; }
inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb Mix(Rgb a, Rgb b, float t) { return a * (1 - t) + b * t; }
// 8-bit colour written as 0xRRGGBB.
Rgb Hex(uint32_t rgb);

// Coverage (0..1) per pixel.
struct Mask {
    int width = 0, height = 0;
    std::vector<float> a;
    Mask() = default;
    Mask(int w, int h) : width(w), height(h), a(static_cast<size_t>(w) * h, 0.0f) {}
    float& at(int x, int y) { return a[static_cast<size_t>(y) * width + x]; }
    float get(int x, int y) const {
        return x < 0 || y < 0 || x >= width || y >= height ? 0.0f : a[static_cast<size_t>(y) * width + x];
    }
};
// Three box passes of the given radius: close to a Gaussian.
void Blur(Mask& m, int radius);

struct Canvas {
    int width = 0, height = 0;
    std::vector<Rgb> px;
    Canvas() = default;
    Canvas(int w, int h, Rgb fill = {}) : width(w), height(h), px(static_cast<size_t>(w) * h, fill) {}
    Rgb& at(int x, int y) { return px[static_cast<size_t>(y) * width + x]; }
    const Rgb& at(int x, int y) const { return px[static_cast<size_t>(y) * width + x]; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    void blend(int x, int y, Rgb c, float alpha) {
        if (inside(x, y) && alpha > 0) at(x, y) = Mix(at(x, y), c, alpha > 1 ? 1 : alpha);
    }
    void add(int x, int y, Rgb c, float k) {
        if (inside(x, y) && k > 0) at(x, y) = at(x, y) + c * k;
    }
    // Copies src with its top-left at (x, y).
    void paste(const Canvas& src, int x, int y);
    // 8-bit RGB, rounded and clamped.
    std::vector<uint8_t> bytes() const;
};

// Paints colour through a mask placed at (x, y): blended (normal) or added (light).
void PaintMask(Canvas& c, const Mask& m, int x, int y, Rgb colour, float opacity = 1.0f);
void AddMask(Canvas& c, const Mask& m, int x, int y, Rgb colour, float strength = 1.0f);
// A glow: the mask blurred by radius, added with strength.
void Glow(Canvas& c, const Mask& m, int x, int y, Rgb colour, int radius, float strength);

// Noise that wraps every `period` units; fBm doubles the frequency per octave.
float ValueNoise(float x, float y, int period, uint32_t seed);
float Fbm(float x, float y, int period, int octaves, uint32_t seed);

// Signed distances (negative inside) and their coverage.
float SdCircle(float x, float y, float cx, float cy, float r);
float SdRoundBox(float x, float y, float cx, float cy, float hw, float hh, float r);
float SdSegment(float x, float y, float ax, float ay, float bx, float by);
inline float Coverage(float d) { return d < -0.5f ? 1.0f : d > 0.5f ? 0.0f : 0.5f - d; }
// A mask of width x height whose coverage comes from sdf(x + 0.5, y + 0.5).
Mask ShapeMask(int width, int height, const std::function<float(float, float)>& sdf);

// Light from the upper left, towards the viewer.
struct Light {
    float x = -0.5f, y = -0.65f, z = 0.57f;
};
// Lights a raised shape: its height rises over `bevel` pixels from the edge of
// sdf, and the surface normal from that height field shades the base colour.
// Blended into c over the shape's antialiased coverage.
void BevelShape(Canvas& c, int x0, int y0, int w, int h, const std::function<float(float, float)>& sdf, float bevel,
                const std::function<Rgb(int, int)>& base, float shine = 0.6f, bool sunken = false);
// A shaded sphere with a specular highlight, antialiased at its rim.
void Sphere(Canvas& c, float cx, float cy, float r, Rgb colour, float shine = 1.0f);

// Clamp to 0..1 and smoothstep.
float Clamp01(float v);
float SmoothStep(float e0, float e1, float v);

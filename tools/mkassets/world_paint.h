// Painting helpers for the worlds: deterministic value noise and fBm, a floating
// point RGB canvas, height-field lighting, and the PNG output of a canvas.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    float r, g, b;
};
inline Rgb operator+(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Rgb operator*(Rgb a, float s) { return {a.r * s, a.g * s, a.b * s}; }
inline Rgb operator*(Rgb a, Rgb b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Rgb Mix(Rgb a, Rgb b, float t) { return a * (1 - t) + b * t; }
// 8-bit colour written as 0..1 components.
inline Rgb Hex(uint32_t rgb) {
    return {((rgb >> 16) & 255) / 255.0f, ((rgb >> 8) & 255) / 255.0f, (rgb & 255) / 255.0f};
}

float Clamp01(float v);
float Smoothstep(float edge0, float edge1, float x);

// A hash of a lattice point, 0..1.
float Hash01(int x, int y, uint32_t seed);
// Smooth value noise, 0..1, one lattice cell per unit.
float ValueNoise(float x, float y, uint32_t seed);
// Fractal sum of octaves of value noise at doubling frequency, 0..1.
float Fbm(float x, float y, int octaves, uint32_t seed);
// 1 - |2n - 1| of fBm: sharp ridges along the noise's mid level, 0..1.
float Ridged(float x, float y, int octaves, uint32_t seed);

// Diffuse plus specular light on a height field's slope (dh/dx, dh/dy), lit from
// the upper left. Returns the diffuse factor; spec receives the highlight.
float ShadeSlope(float dhdx, float dhdy, float shininess, float* spec);

struct Canvas {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;
    Canvas(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h, Rgb{0, 0, 0}) {}
    Rgb& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
    const Rgb& at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Writes the canvas as an 8-bit RGB PNG. With keepVisible, a pixel that would
// load as black (every component below 8) is lifted so that it stays visible;
// exact black stays black.
bool WriteCanvas(const std::string& path, const Canvas& canvas, bool keepVisible);

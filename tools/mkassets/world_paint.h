// Painting helpers the worlds add to the drawing kit: a white-noise hash, fBm
// that never visibly repeats, ridged noise, and diffuse plus specular light on
// a height field's slope.
#pragma once
#include <cstdint>

#include "canvas.h"

// A hash of a lattice point, 0..1.
float Hash01(int x, int y, uint32_t seed);
// fBm of the kit's value noise with a period far larger than any picture, 0..1.
float FieldFbm(float x, float y, int octaves, uint32_t seed);
// 1 - |2n - 1| of FieldFbm: sharp ridges along the noise's mid level, 0..1.
float Ridged(float x, float y, int octaves, uint32_t seed);

// Diffuse plus specular light on a height field's slope (dh/dx, dh/dy), lit from
// the upper left. Returns the diffuse factor; highlight receives the highlight.
float ShadeSlope(float dhdx, float dhdy, float shininess, float* highlight);

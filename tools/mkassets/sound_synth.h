// Small signal toolkit for the generated sounds: a deterministic noise source,
// oscillators, envelopes, filters, and the finishing steps (DC removal, level,
// peak limiting) that every sample file goes through before it is written.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

using Signal = std::vector<float>;

constexpr double kPi = 3.14159265358979323846;

// White noise in -1..1 from a fixed-seed generator, so every build is the same.
struct Noise {
    uint32_t state;
    explicit Noise(uint32_t seed) : state(seed) {}
    float next();
};

// A phase accumulator; advance() takes the frequency in Hz and returns the phase
// in 0..1 before the step.
struct Phase {
    double value = 0;
    double advance(double hz, double rate);
};

float Sine(double phase);
// Band-limited sawtooth and square (polyBLEP corrections at the jumps).
float Saw(double phase, double hz, double rate);
float Square(double phase, double hz, double rate);

// Linear attack to 1, then exponential decay with the given time constant.
float AttackDecay(double t, double attack, double decay);

// RBJ biquad sections.
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    void lowPass(double hz, double q, double rate);
    void highPass(double hz, double q, double rate);
    void bandPass(double hz, double q, double rate);
    float run(float x);
};

// Runs the signal through a biquad in place (fresh state).
void FilterInPlace(Signal& s, Biquad filter);

// Halves the rate after a low-pass at 0.42 of the new rate.
Signal DecimateByTwo(const Signal& s);

// Finishing steps.
void RemoveDc(Signal& s);                            // subtracts the mean
void FadeOut(Signal& s, double seconds, double rate); // raised-cosine tail that ends on 0
void FadeIn(Signal& s, double seconds, double rate);
float PeakOf(const Signal& s);
double RmsOf(const Signal& s);
void Scale(Signal& s, float gain);
// A compressor for a loop: where the level over 50 ms rises above level, it is
// turned down to a 1/ratio share of the rise, the gain eased over about 0.1 s.
void EvenOut(Signal& s, float level, double ratio, double rate);
// Rounds off what rises above half the ceiling so that nothing reaches it;
// below that the signal is left as it is.
void SoftClip(Signal& s, float ceiling);
// Smooth gain reduction that keeps |s| below ceiling; treats s as a loop when
// circular is set, so a looping track keeps its seam.
void LimitPeaks(Signal& s, float ceiling, double rate, bool circular);

// Writes signed 16-bit little-endian mono samples (s is in sample units, rounded
// and clamped). Returns false and prints the path when the file cannot be written.
bool WriteRaw(const std::string& path, const Signal& s);
std::vector<int16_t> Quantise(const Signal& s);

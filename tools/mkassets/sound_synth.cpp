#include "sound_synth.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <deque>

float Noise::next() {
    state = state * 1664525u + 1013904223u;
    return static_cast<float>(static_cast<int32_t>(state)) / 2147483648.0f;
}

double Phase::advance(double hz, double rate) {
    double before = value;
    value += hz / rate;
    value -= std::floor(value);
    return before;
}

float Sine(double phase) { return static_cast<float>(std::sin(2 * kPi * phase)); }

namespace {
// Correction that smooths a unit jump at phase 0 over one sample on either side.
double PolyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1;
    }
    if (t > 1 - dt) {
        t = (t - 1) / dt;
        return t * t + t + t + 1;
    }
    return 0;
}
}  // namespace

float Saw(double phase, double hz, double rate) {
    double dt = std::min(0.5, hz / rate);
    return static_cast<float>(2 * phase - 1 - PolyBlep(phase, dt));
}

float Square(double phase, double hz, double rate) {
    double dt = std::min(0.5, hz / rate);
    double v = phase < 0.5 ? 1 : -1;
    v += PolyBlep(phase, dt);
    double shifted = phase + 0.5;
    v -= PolyBlep(shifted - std::floor(shifted), dt);
    return static_cast<float>(v);
}

float AttackDecay(double t, double attack, double decay) {
    if (t < 0) return 0;
    if (t < attack) return static_cast<float>(t / attack);
    return static_cast<float>(std::exp(-(t - attack) / decay));
}

void Biquad::lowPass(double hz, double q, double rate) {
    double w = 2 * kPi * hz / rate, alpha = std::sin(w) / (2 * q), c = std::cos(w), a0 = 1 + alpha;
    b0 = (1 - c) / 2 / a0;
    b1 = (1 - c) / a0;
    b2 = b0;
    a1 = -2 * c / a0;
    a2 = (1 - alpha) / a0;
}

void Biquad::highPass(double hz, double q, double rate) {
    double w = 2 * kPi * hz / rate, alpha = std::sin(w) / (2 * q), c = std::cos(w), a0 = 1 + alpha;
    b0 = (1 + c) / 2 / a0;
    b1 = -(1 + c) / a0;
    b2 = b0;
    a1 = -2 * c / a0;
    a2 = (1 - alpha) / a0;
}

void Biquad::bandPass(double hz, double q, double rate) {
    double w = 2 * kPi * hz / rate, alpha = std::sin(w) / (2 * q), c = std::cos(w), a0 = 1 + alpha;
    b0 = alpha / a0;
    b1 = 0;
    b2 = -alpha / a0;
    a1 = -2 * c / a0;
    a2 = (1 - alpha) / a0;
}

float Biquad::run(float x) {
    double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return static_cast<float>(y);
}

void FilterInPlace(Signal& s, Biquad filter) {
    for (float& v : s) v = filter.run(v);
}

Signal DecimateByTwo(const Signal& s) {
    // Blackman-windowed sinc, cut-off at 0.21 of the input rate; the input is
    // treated as a loop so that a looping track stays seamless.
    constexpr int kHalf = 48;
    constexpr double kCut = 0.21;
    std::vector<double> taps(2 * kHalf + 1);
    double sum = 0;
    for (int k = -kHalf; k <= kHalf; ++k) {
        double x = 2 * kCut * k;
        double sinc = k == 0 ? 1 : std::sin(kPi * x) / (kPi * x);
        double w = 0.42 + 0.5 * std::cos(kPi * k / kHalf) + 0.08 * std::cos(2 * kPi * k / kHalf);
        taps[k + kHalf] = sinc * w;
        sum += sinc * w;
    }
    for (double& t : taps) t /= sum;
    size_t n = s.size();
    Signal out(n / 2);
    for (size_t i = 0; i < out.size(); ++i) {
        double acc = 0;
        for (int k = -kHalf; k <= kHalf; ++k) {
            size_t j = (2 * i + n + static_cast<size_t>(k + static_cast<int>(n))) % n;
            acc += taps[k + kHalf] * s[j];
        }
        out[i] = static_cast<float>(acc);
    }
    return out;
}

void RemoveDc(Signal& s) {
    if (s.empty()) return;
    double mean = 0;
    for (float v : s) mean += v;
    mean /= static_cast<double>(s.size());
    for (float& v : s) v -= static_cast<float>(mean);
}

void FadeOut(Signal& s, double seconds, double rate) {
    size_t len = std::min(s.size(), static_cast<size_t>(seconds * rate));
    for (size_t i = 0; i < len; ++i) {
        double x = static_cast<double>(i + 1) / static_cast<double>(len);  // reaches 1 on the last sample
        s[s.size() - len + i] *= static_cast<float>(0.5 + 0.5 * std::cos(kPi * x));
    }
}

void FadeIn(Signal& s, double seconds, double rate) {
    size_t len = std::min(s.size(), static_cast<size_t>(seconds * rate));
    for (size_t i = 0; i < len; ++i) {
        double x = static_cast<double>(i) / static_cast<double>(len);
        s[i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * x));
    }
}

float PeakOf(const Signal& s) {
    float peak = 0;
    for (float v : s) peak = std::max(peak, std::fabs(v));
    return peak;
}

double RmsOf(const Signal& s) {
    if (s.empty()) return 0;
    double sum = 0;
    for (float v : s) sum += static_cast<double>(v) * v;
    return std::sqrt(sum / static_cast<double>(s.size()));
}

void Scale(Signal& s, float gain) {
    for (float& v : s) v *= gain;
}

void EvenOut(Signal& s, float level, double ratio, double rate) {
    const size_t n = s.size(), w = std::max<size_t>(1, static_cast<size_t>(0.05 * rate));
    if (n == 0) return;
    auto square = [&](size_t i) { return static_cast<double>(s[i % n]) * s[i % n]; };
    // The window of sample i is i - w/2 .. i - w/2 + w - 1, round the loop.
    const size_t back = n * (w / n + 1) - w / 2;  // adds to i to step back w/2 without wrapping below 0
    double sum = 0;
    for (size_t k = 0; k < w; ++k) sum += square(back + k);
    std::vector<double> gain(n);
    for (size_t i = 0; i < n; ++i) {
        const double env = std::sqrt(std::max(0.0, sum) / static_cast<double>(w));
        gain[i] = env > level ? std::pow(level / env, 1 - 1 / ratio) : 1;
        sum += square(i + back + w) - square(i + back);
    }
    // Eased forward and then backward, each over two laps so the seam matches.
    const double a = 1 - std::exp(-1 / (0.1 * rate));
    std::vector<double> forward(n);
    double g = 1;
    for (int lap = 0; lap < 2; ++lap)
        for (size_t i = 0; i < n; ++i) forward[i] = g += (gain[i] - g) * a;
    for (int lap = 0; lap < 2; ++lap)
        for (size_t i = n; i-- > 0;) gain[i] = g += (forward[i] - g) * a;
    for (size_t i = 0; i < n; ++i) s[i] *= static_cast<float>(gain[i]);
}

void SoftClip(Signal& s, float ceiling) {
    const float knee = ceiling / 2;
    for (float& v : s) {
        const float over = std::fabs(v) - knee;
        if (over > 0) v = std::copysign(knee + knee * std::tanh(over / knee), v);
    }
}

void LimitPeaks(Signal& s, float ceiling, double rate, bool circular) {
    // The gain each sample needs; its minimum over +-w; a slow recovery after each
    // reduction; then a moving average over +-w/2. Every averaged value is at most
    // the need of the sample in the middle, so the ceiling holds.
    const size_t n = s.size();
    const size_t w = static_cast<size_t>(rate * 0.01) + 1, h = w / 2;
    if (n == 0) return;
    auto at = [&](long i) {  // s beyond its ends: the loop again, or silence
        if (i >= 0 && i < static_cast<long>(n)) return s[static_cast<size_t>(i)];
        return circular ? s[static_cast<size_t>((i % static_cast<long>(n) + static_cast<long>(n)) % static_cast<long>(n))]
                        : 0.0f;
    };
    std::vector<float> low(n);
    std::deque<std::pair<long, float>> window;  // increasing need
    for (long i = -static_cast<long>(2 * w); i < static_cast<long>(n); ++i) {
        float a = std::fabs(at(i + static_cast<long>(w)));
        float need = a > ceiling ? ceiling / a : 1.0f;
        while (!window.empty() && window.back().second >= need) window.pop_back();
        window.emplace_back(i + static_cast<long>(w), need);
        if (window.front().first < i - static_cast<long>(w)) window.pop_front();
        if (i >= 0) low[static_cast<size_t>(i)] = window.front().second;
    }
    const float recover = static_cast<float>(1.0 - std::exp(-1.0 / (0.08 * rate)));
    std::vector<float> held(n);
    float g = 1.0f;
    for (int pass = circular ? 2 : 1; pass > 0; --pass)
        for (size_t i = 0; i < n; ++i) held[i] = g = std::min(low[i], g + (1 - g) * recover);
    std::vector<double> prefix(n + 2 * h + 1, 0);
    for (size_t k = 0; k < n + 2 * h; ++k) {
        long i = static_cast<long>(k) - static_cast<long>(h);
        // Beyond the ends of a one-shot sound the gain is held at its end value:
        // a 1 there would lift a loud start or end over the ceiling.
        double v = i >= 0 && i < static_cast<long>(n) ? held[static_cast<size_t>(i)]
                   : circular ? held[static_cast<size_t>((i + static_cast<long>(n)) % static_cast<long>(n))]
                              : held[i < 0 ? 0 : n - 1];
        prefix[k + 1] = prefix[k] + v;
    }
    for (size_t i = 0; i < n; ++i) s[i] *= static_cast<float>((prefix[i + 2 * h + 1] - prefix[i]) / static_cast<double>(2 * h + 1));
}

std::vector<int16_t> Quantise(const Signal& s) {
    std::vector<int16_t> out(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        long v = std::lround(s[i]);
        out[i] = static_cast<int16_t>(std::clamp(v, -32767L, 32767L));
    }
    return out;
}

bool WriteRaw(const std::string& path, const Signal& s) {
    std::vector<int16_t> q = Quantise(s);
    std::vector<unsigned char> bytes(q.size() * 2);
    for (size_t i = 0; i < q.size(); ++i) {
        uint16_t u = static_cast<uint16_t>(q[i]);
        bytes[2 * i] = static_cast<unsigned char>(u & 0xFF);
        bytes[2 * i + 1] = static_cast<unsigned char>(u >> 8);
    }
    FILE* f = std::fopen(path.c_str(), "wb");
    bool ok = f && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (f && std::fclose(f) != 0) ok = false;
    if (!ok) std::fprintf(stderr, "mkassets: cannot write %s\n", path.c_str());
    return ok;
}

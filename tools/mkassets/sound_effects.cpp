// The sound effects and the two half-rate jingles, synthesised here from
// oscillators, noise, filters and envelopes; the two voice lines are spoken by
// espeak-ng and then shaped.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "families.h"
#include "sound_families.h"
#include "sound_readback.h"
#include "sound_synth.h"
#include "sound_voice.h"

namespace {

constexpr double kFull = 22050, kHalf = 11025;
// Effects peak near full scale; at the default effects volume the mixer plays
// them 12 dB down, and its sum saturates where several loud ones meet.
constexpr float kEffectPeak = 32000;
// How far an effect is driven into the limiter, so that it holds its own
// beside the music.
constexpr float kEffectDrive = 1.6f;  // about 4 dB

Signal Blank(double seconds, double rate) { return Signal(static_cast<size_t>(seconds * rate), 0.0f); }

double Time(size_t i, double rate) { return static_cast<double>(i) / rate; }

// Exponential glide from a to b over the given time, then holding b.
double Glide(double t, double a, double b, double time) { return a * std::pow(b / a, std::min(t / time, 1.0)); }

// Menu click: a short bright blip that rises a little.
Signal Cleep() {
    Signal s = Blank(0.06, kFull);
    Phase p;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = Time(i, kFull), hz = Glide(t, 1700, 2500, 0.02);
        double ph = p.advance(hz, kFull);
        s[i] = (Sine(ph) + 0.3f * Sine(2 * ph)) * AttackDecay(t, 0.001, 0.012);
    }
    return s;
}

// Ball on block: a tiny downward zap with a click of noise at the front.
Signal Electron() {
    Signal s = Blank(0.08, kFull);
    Phase carrier, mod;
    Noise noise(7);
    for (size_t i = 0; i < s.size(); ++i) {
        double t = Time(i, kFull), hz = Glide(t, 1900, 420, 0.06);
        double m = Sine(mod.advance(hz * 1.5, kFull)) * 0.35 * AttackDecay(t, 0.0, 0.02);
        double ph = carrier.advance(hz, kFull) + m;
        ph -= std::floor(ph);
        s[i] = (0.8f * Square(ph, hz, kFull) * 0.5f + 0.5f * Sine(ph)) * AttackDecay(t, 0.0005, 0.018) +
               0.4f * noise.next() * AttackDecay(t, 0.0, 0.002);
    }
    Biquad lp;
    lp.lowPass(7000, 0.7, kFull);
    FilterInPlace(s, lp);
    return s;
}

// A bell-like strike: a few inharmonic partials decaying at their own pace.
void AddBell(Signal& s, double start, double hz, double decay, float level, double rate) {
    static const double kRatio[4] = {1.0, 2.0, 2.76, 5.4}, kGain[4] = {1.0, 0.5, 0.35, 0.15};
    for (int k = 0; k < 4; ++k) {
        if (hz * kRatio[k] > rate * 0.45) continue;
        Phase p;
        for (size_t i = static_cast<size_t>(start * rate); i < s.size(); ++i) {
            double t = Time(i, rate) - start;
            s[i] += level * static_cast<float>(kGain[k]) * Sine(p.advance(hz * kRatio[k], rate)) *
                    AttackDecay(t, 0.002, decay / (1 + k));
        }
    }
}

// Bonus: a bright two-note chime.
Signal General8() {
    Signal s = Blank(0.25, kFull);
    AddBell(s, 0.0, 1318.5, 0.12, 0.6f, kFull);
    AddBell(s, 0.05, 1975.5, 0.1, 0.7f, kFull);
    return s;
}

// Bad news: a low buzzy double thud, falling.
Signal General48() {
    Signal s = Blank(0.6, kFull);
    for (double start : {0.0, 0.22}) {
        Phase p;
        for (size_t i = static_cast<size_t>(start * kFull); i < s.size(); ++i) {
            double t = Time(i, kFull) - start, hz = Glide(t, start > 0 ? 150 : 190, 70, 0.25);
            double ph = p.advance(hz, kFull);
            s[i] += (0.6f * Square(ph, hz, kFull) + 0.6f * Sine(ph)) * AttackDecay(t, 0.004, 0.12);
        }
    }
    Biquad lp;
    lp.lowPass(900, 1.2, kFull);
    FilterInPlace(s, lp);
    return s;
}

// A sawtooth glide through a resonant filter that tracks it, with a quick warble.
Signal Sweep(double from, double to) {
    Signal s = Blank(0.42, kFull);
    Phase p, q;
    Biquad lp;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = Time(i, kFull);
        double hz = Glide(t, from, to, 0.38) * (1 + 0.03 * Sine(q.advance(22, kFull)));
        if (i % 32 == 0) lp.lowPass(std::min(hz * 4, 9000.0), 3.0, kFull);
        double ph = p.advance(hz, kFull);
        s[i] = lp.run(Saw(ph, hz, kFull) * 0.6f + 0.4f * Square(std::fmod(ph * 2, 1.0), 2 * hz, kFull)) *
               AttackDecay(t, 0.01, 0.35);
    }
    return s;
}

Signal Maximize() { return Sweep(180, 1500); }
Signal Minimize() { return Sweep(1500, 160); }

// A whoosh: noise through a band that sweeps up and back down.
Signal Zwiff() {
    Signal s = Blank(0.3, kFull);
    Noise noise(11);
    Biquad bp;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = Time(i, kFull), x = t / 0.3;
        if (i % 16 == 0) bp.bandPass(500 + 4500 * std::sin(kPi * x) * std::sin(kPi * x), 2.5, kFull);
        s[i] = bp.run(noise.next()) * static_cast<float>(std::sin(kPi * std::pow(x, 0.7)));
    }
    return s;
}

// Explosion: a low thump under noise whose brightness falls away.
Signal Destroy() {
    Signal s = Blank(0.55, kFull);
    Noise noise(13);
    Biquad lp;
    Phase thump;
    float rumble = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = Time(i, kFull);
        if (i % 32 == 0) lp.lowPass(Glide(t, 6000, 150, 0.4), 0.9, kFull);
        rumble = 0.97f * rumble + 0.03f * noise.next();
        float body = lp.run(noise.next()) * AttackDecay(t, 0.002, 0.14) + 3.0f * rumble * AttackDecay(t, 0.01, 0.2);
        s[i] = body + 0.9f * Sine(thump.advance(Glide(t, 110, 38, 0.2), kFull)) * AttackDecay(t, 0.002, 0.09);
    }
    // Driven into a soft clip, so the blast is dense and loud rather than one spike.
    float peak = PeakOf(s);
    for (float& v : s) v = std::tanh(3.0f * v / peak);
    return s;
}

// Chomper: two quick crunches, each a knock with a spray of crackles.
Signal Chomp() {
    Signal s = Blank(0.32, kFull);
    Noise noise(17);
    for (double start : {0.0, 0.15}) {
        Biquad bp;
        bp.bandPass(1400, 1.2, kFull);
        Phase knock;
        for (size_t i = static_cast<size_t>(start * kFull); i < s.size(); ++i) {
            double t = Time(i, kFull) - start;
            float crackle = noise.next();
            crackle = std::fabs(crackle) > 0.85f ? crackle : crackle * 0.25f;
            s[i] += bp.run(crackle) * 2.2f * AttackDecay(t, 0.001, 0.04) +
                    0.8f * Sine(knock.advance(Glide(t, 260, 120, 0.05), kFull)) * AttackDecay(t, 0.001, 0.025);
        }
    }
    return s;
}

// Volcano: a hiss that swells and settles, full of sparks.
Signal Fizz() {
    Signal s = Blank(0.8, kFull);
    Noise noise(19), sparks(23);
    Biquad hp, lp;
    hp.highPass(2500, 0.7, kFull);
    lp.lowPass(9000, 0.7, kFull);
    float spark = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        double t = Time(i, kFull);
        float hiss = hp.run(noise.next()) * AttackDecay(t, 0.08, 0.25);
        spark *= 0.9f;
        if (sparks.next() > 0.994f) spark = sparks.next();
        s[i] = lp.run(0.6f * hiss + 1.2f * spark * noise.next() * AttackDecay(t, 0.02, 0.35));
    }
    return s;
}

// Score tally: a quick rising arpeggio of soft square notes.
Signal ScoreUp() {
    Signal s = Blank(0.4, kFull);
    const double notes[4] = {1046.5, 1318.5, 1568.0, 2093.0};
    for (int n = 0; n < 4; ++n) {
        Phase p;
        double start = 0.06 * n;
        for (size_t i = static_cast<size_t>(start * kFull); i < s.size(); ++i) {
            double t = Time(i, kFull) - start;
            double ph = p.advance(notes[n], kFull);
            s[i] += (0.4f * Square(ph, notes[n], kFull) + 0.6f * Sine(ph)) * AttackDecay(t, 0.003, 0.06 + 0.04 * n);
        }
    }
    Biquad lp;
    lp.lowPass(6000, 0.7, kFull);
    FilterInPlace(s, lp);
    return s;
}

// A vowel sung through three formant filters: f0 and the formants are functions of
// the time in seconds; the source is a band-limited sawtooth with a breath of noise.
Signal Vowel(double seconds, double rate, const std::function<double(double)>& pitch,
             const std::function<void(double, double*)>& formants, const std::function<float(double)>& level) {
    Signal s = Blank(seconds, rate);
    Phase p;
    Noise breath(29);
    Biquad f[3];
    const float gain[3] = {1.0f, 0.7f, 0.35f};
    for (size_t i = 0; i < s.size(); ++i) {
        double t = Time(i, rate), hz = pitch(t);
        if (i % 16 == 0) {
            double fq[3];
            formants(t, fq);
            for (int k = 0; k < 3; ++k) f[k].bandPass(fq[k], 6 + 2 * k, rate);
        }
        float src = Saw(p.advance(hz, rate), hz, rate) + 0.05f * breath.next();
        float v = 0;
        for (int k = 0; k < 3; ++k) v += gain[k] * f[k].run(src);
        s[i] = v * level(t);
    }
    return s;
}

double Mix(double a, double b, double x) { return a + (b - a) * std::clamp(x, 0.0, 1.0); }

// Comic scream: "aaah" that leaps up, wobbles and falls away.
Signal Scream() {
    return Vowel(
        1.0, kHalf,
        [](double t) {
            double base = t < 0.12 ? Glide(t, 420, 880, 0.12) : Glide(t - 0.12, 880, 330, 0.88);
            return base * (1 + 0.05 * std::sin(2 * kPi * 9 * t));
        },
        [](double t, double* fq) {
            fq[0] = Mix(850, 700, t);
            fq[1] = Mix(1250, 1100, t);
            fq[2] = 2600;
        },
        [](double t) { return AttackDecay(t, 0.03, 0.6); });
}

// Intro jingle: a monkey's "ooh ooh aah aah" rising in pitch, then a bright chord
// of bells. It starts about 0.47 s into the splash and has ended by 1.95 s, before
// the splash begins to fade.
Signal Monkey() {
    const double calls[4] = {0.0, 0.18, 0.36, 0.54}, pitch[4] = {420, 500, 620, 740};
    Signal s = Blank(1.45, kHalf);
    for (int c = 0; c < 4; ++c) {
        bool aah = c >= 2;
        Signal call = Vowel(
            0.16, kHalf,
            [&](double t) { return pitch[c] * (1 + 0.25 * t / 0.16) * (1 + 0.03 * std::sin(2 * kPi * 11 * t)); },
            [&](double t, double* fq) {
                double x = t / 0.16;
                fq[0] = aah ? Mix(400, 800, 3 * x) : 320;
                fq[1] = aah ? Mix(900, 1250, 3 * x) : 800;
                fq[2] = 2400;
            },
            [](double t) { return static_cast<float>(std::sin(kPi * std::min(t / 0.16, 1.0))); });
        size_t at = static_cast<size_t>(calls[c] * kHalf);
        for (size_t i = 0; i < call.size() && at + i < s.size(); ++i) s[at + i] += call[i];
    }
    const double chord[4] = {523.3, 659.3, 784.0, 1046.5};
    for (int n = 0; n < 4; ++n) AddBell(s, 0.74 + 0.04 * n, chord[n], 0.3, 0.12f, kHalf);
    FadeOut(s, 0.25, kHalf);
    return s;
}

// A deep, slow "Fear me!" that rings in a stone hall.
Signal FearMe() {
    Signal s = SpokenLine("Fear me!", 5, 120, 1.25, 1.2, kFull);
    if (s.empty()) return s;
    const size_t delay = static_cast<size_t>(0.11 * kFull);
    s.resize(s.size() + 2 * delay, 0.0f);
    for (size_t i = delay; i < s.size(); ++i) s[i] += 0.35f * s[i - delay];  // echoes of echoes
    return s;
}

struct Effect {
    const char* name;
    double rate;
    float level;  // share of the effect peak
    std::function<Signal()> make;
};

// Band-limit (below 0.43 of the rate, so nothing near the top folds or hisses),
// high-pass against DC, soft edges that start and end on 0, then the level,
// driven into the limiter.
void Finish(Signal& s, double rate, float peak) {
    Biquad hp, lp;
    hp.highPass(30, 0.7, rate);
    lp.lowPass(0.43 * rate, 0.7, rate);
    FilterInPlace(s, hp);
    FilterInPlace(s, lp);
    FilterInPlace(s, lp);
    FadeIn(s, 0.001, rate);
    FadeOut(s, 0.006, rate);
    RemoveDc(s);
    FadeIn(s, 0.001, rate);
    FadeOut(s, 0.002, rate);
    float p = PeakOf(s);
    if (p > 0) Scale(s, kEffectDrive * peak / p);
    LimitPeaks(s, peak, rate, false);
}

}  // namespace

bool WriteSoundEffects(const std::string& out) {
    const Effect effects[] = {
        {"cleep2.raw", kFull, 0.6f, Cleep},
        {"electron.raw", kFull, 0.75f, Electron},
        {"generalsfx8.raw", kFull, 0.8f, General8},
        {"generalsfx48.raw", kFull, 1.0f, General48},
        {"maximize03.raw", kFull, 0.85f, Maximize},
        {"minimize3.raw", kFull, 0.85f, Minimize},
        {"zwiff.raw", kFull, 0.8f, Zwiff},
        {"DESTROY.raw", kFull, 1.0f, Destroy},
        {"chomp.raw", kFull, 1.0f, Chomp},
        {"fizz.raw", kFull, 0.8f, Fizz},
        {"scoreup.raw", kFull, 0.7f, ScoreUp},
        {"doh.raw", kFull, 1.0f, [] { return SpokenLine("Doh!", 25, 150, 1.0, 0.7, kFull); }},
        {"fearme1.raw", kFull, 1.0f, FearMe},
        {"scream.raw", kHalf, 0.9f, Scream},
        {"monkey.raw", kHalf, 1.0f, Monkey},
    };
    for (const Effect& e : effects) {
        Signal s = e.make();
        if (s.empty()) {
            std::fprintf(stderr, "mkassets: %s came out empty\n", e.name);
            return false;
        }
        Finish(s, e.rate, kEffectPeak * e.level);
        if (!WriteRaw(out + "Sound/" + e.name, s) || !ReadBackSample(out, e.name, e.rate == kHalf, s.size(), false))
            return false;
    }
    return true;
}

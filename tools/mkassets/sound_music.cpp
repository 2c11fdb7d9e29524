// The six music tracks: note data from assets/music/, played through FluidSynth
// with the General MIDI soundfont at twice the file rate, folded into a seamless
// loop, band-limited and halved to 11025 Hz, then levelled.
#include <fluidsynth.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

#include "families.h"
#include "music_score.h"
#include "sound_families.h"
#include "sound_readback.h"
#include "sound_synth.h"

namespace {

constexpr const char* kSoundFont = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
constexpr int kRenderRate = 22050;
constexpr int kFileRate = 11025;
// At the default music volume the mixer plays a track about 14.7 dB down: a
// track at this level makes play sound at about -20 dBFS.
constexpr double kMusicRms = 18500;     // aimed at; the clipper leaves it near -5.3 dBFS
constexpr float kMusicCeiling = 32000;

const char* const kTracks[] = {"coolcat", "vorpala", "percmysterya", "burningloveb", "slowbassorgan", "spacemonkey"};

struct MidiEvent {
    long sample;
    int on;  // 0 off, 1 on; offs sort first so a repeated key is released before it strikes again
    int channel, key, velocity;
    bool operator<(const MidiEvent& o) const {
        return sample != o.sample ? sample < o.sample : on < o.on;
    }
};

void QuietLog(int, const char*, void*) {}

// Sample (at the render rate) where a grid step starts, with swing on odd steps.
long StepSample(const Score& score, int step) {
    double stepSeconds = 60.0 / score.tempo / score.steps;
    double pos = step % 2 ? step - 1 + 2 * score.swing : step;
    return std::lround(pos * stepSeconds * kRenderRate);
}

std::vector<MidiEvent> EventsOf(const Score& score, const std::vector<int>& channels) {
    std::vector<MidiEvent> events;
    Noise humanise(0x5eed1234u);
    for (const ScoreNote& n : score.notes) {
        int channel = channels[n.voice];
        int velocity = std::clamp(n.velocity + static_cast<int>(humanise.next() * 6), 1, 127);
        long start = StepSample(score, n.startStep);
        // Melodic notes end a little before the next step so repeated keys re-strike.
        long end = StepSample(score, n.startStep + n.lengthSteps) - kRenderRate / 100;
        events.push_back({start, 1, channel, n.key, velocity});
        events.push_back({std::max(end, start + 1), 0, channel, n.key, 0});
    }
    std::stable_sort(events.begin(), events.end());
    return events;
}

// Renders the score to a mono loop at the render rate; the tail past the loop end
// is added onto the start, as the next pass of the loop would hear it.
bool RenderLoop(const Score& score, Signal* loop) {
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", kRenderRate);
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    fluid_settings_setint(settings, "synth.reverb.active", 1);
    fluid_settings_setnum(settings, "synth.reverb.room-size", 0.5);
    fluid_settings_setnum(settings, "synth.reverb.damp", 0.4);
    fluid_settings_setnum(settings, "synth.reverb.level", 0.8);
    fluid_settings_setint(settings, "synth.polyphony", 128);
    fluid_settings_setint(settings, "synth.cpu-cores", 1);
    // Every sample is in memory before the first note: loading them on demand
    // happens on a thread of its own, and a late sample changes the output.
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 0);
    fluid_settings_setnum(settings, "synth.gain", 0.5);
    fluid_synth_t* synth = new_fluid_synth(settings);
    bool ok = synth && fluid_synth_sfload(synth, kSoundFont, 1) != FLUID_FAILED;
    if (!ok) std::fprintf(stderr, "mkassets: cannot load the soundfont %s\n", kSoundFont);

    std::vector<int> channels;
    int next = 0;
    for (const ScoreVoice& v : score.voices) {
        if (next == 9) ++next;
        int channel = v.drums ? 9 : next++;
        channels.push_back(channel);
        if (!ok) continue;
        if (channel > 15) {
            std::fprintf(stderr, "mkassets: more voices than MIDI channels\n");
            ok = false;
            continue;
        }
        if (!v.drums) fluid_synth_program_change(synth, channel, v.program);
        fluid_synth_cc(synth, channel, 7, v.volume);
        fluid_synth_cc(synth, channel, 10, 64);
        fluid_synth_cc(synth, channel, 91, v.reverb);
        fluid_synth_cc(synth, channel, 93, 0);  // no chorus: its modulation would blur the mono mix
    }

    const long loopLength = 2 * std::lround(score.totalSteps / static_cast<double>(score.steps) * 60.0 /
                                            score.tempo * kFileRate);
    const long total = loopLength + std::lround(score.tail * kRenderRate);
    std::vector<float> left(static_cast<size_t>(total)), right(static_cast<size_t>(total));
    if (ok) {
        std::vector<MidiEvent> events = EventsOf(score, channels);
        long at = 0;
        auto renderTo = [&](long until) {
            until = std::min(until, total);
            if (until > at)
                fluid_synth_write_float(synth, static_cast<int>(until - at), left.data(), static_cast<int>(at), 1,
                                        right.data(), static_cast<int>(at), 1);
            at = std::max(at, until);
        };
        for (const MidiEvent& e : events) {
            renderTo(e.sample);
            if (e.on) fluid_synth_noteon(synth, e.channel, e.key, e.velocity);
            else fluid_synth_noteoff(synth, e.channel, e.key);
        }
        renderTo(total);
    }
    if (synth) delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    if (!ok) return false;

    loop->assign(static_cast<size_t>(loopLength), 0.0f);
    for (long i = 0; i < total; ++i) (*loop)[static_cast<size_t>(i % loopLength)] += left[i] + right[i];
    return true;
}

// Turns the loop so that it starts on a rising zero crossing close to the start.
void StartOnZeroCrossing(Signal& s) {
    size_t best = 0;
    float bestStep = 1e30f;
    size_t search = std::min(s.size(), static_cast<size_t>(kFileRate / 20));
    for (size_t k = 1; k < search; ++k) {
        if (s[k - 1] < 0 && s[k] >= 0) {
            float step = std::fabs(s[k]) + std::fabs(s[k - 1]);
            if (step < bestStep) {
                bestStep = step;
                best = k;
            }
        }
    }
    std::rotate(s.begin(), s.begin() + static_cast<long>(best), s.end());
    s[0] = 0;
}

// Writes one track; report gets a line about it, or about what went wrong.
bool WriteTrack(const std::string& out, const char* name, std::string* report, size_t* samples) {
    std::string path = AssetSourceFolder() + "/music/" + name + ".txt";
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    Score score;
    std::string error;
    if (!in || !ParseScore(text.str(), &score, &error)) {
        *report = path + ": " + (in ? error : "cannot read");
        return false;
    }
    Signal loop;
    if (!RenderLoop(score, &loop)) {
        *report = std::string(name) + ": cannot render";
        return false;
    }
    Signal track = DecimateByTwo(loop);
    RemoveDc(track);
    double rms = RmsOf(track);
    if (rms <= 0) {
        *report = std::string(name) + " renders silent";
        return false;
    }
    Scale(track, static_cast<float>(kMusicRms / rms));
    EvenOut(track, static_cast<float>(kMusicRms), 3, kFileRate);
    const float unlimited = PeakOf(track);
    LimitPeaks(track, kMusicCeiling, kFileRate, true);
    // The limiter leaves the track well below its level; the clipper rounds off
    // the peaks of what is brought back up. Each pass lowers the level a little.
    for (int pass = 0; pass < 4; ++pass) {
        Scale(track, static_cast<float>(kMusicRms / RmsOf(track)));
        SoftClip(track, kMusicCeiling);
    }
    RemoveDc(track);
    StartOnZeroCrossing(track);
    char line[160];
    std::snprintf(line, sizeof line, "%s.raw %.1f s, peak %.0f (limited by %.1f dB), rms %.0f", name,
                  static_cast<double>(track.size()) / kFileRate, static_cast<double>(PeakOf(track)),
                  20 * std::log10(std::max(1.0f, unlimited / kMusicCeiling)), RmsOf(track));
    *report = line;
    *samples = track.size();
    return WriteRaw(out + "Sound/" + name + ".raw", track);
}

}  // namespace

bool WriteMusic(const std::string& out) {
    fluid_set_log_function(FLUID_WARN, QuietLog, nullptr);
    fluid_set_log_function(FLUID_INFO, QuietLog, nullptr);
    fluid_set_log_function(FLUID_DBG, QuietLog, nullptr);
    // Two workers, each with synthesisers of its own; every track is rendered the
    // same way whichever worker takes it.
    constexpr size_t kCount = std::size(kTracks);
    std::string reports[kCount];
    bool written[kCount] = {};
    size_t samples[kCount] = {};
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t i; (i = next++) < kCount;) written[i] = WriteTrack(out, kTracks[i], &reports[i], &samples[i]);
    };
    // The synthesiser fills its shared tables when the first one is made; make
    // that one here, before the workers start, so neither reads them half-filled.
    fluid_settings_t* settings = new_fluid_settings();
    delete_fluid_synth(new_fluid_synth(settings));
    delete_fluid_settings(settings);
    std::thread helper(work);
    work();
    helper.join();
    bool ok = true;
    for (size_t i = 0; i < kCount; ++i) {
        std::fprintf(written[i] ? stdout : stderr, "mkassets: %s\n", reports[i].c_str());
        ok = ok && written[i] && ReadBackSample(out, std::string(kTracks[i]) + ".raw", true, samples[i], true);
    }
    return ok;
}

#include "music_score.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>

namespace {

struct Lane {
    int voice;
    int drumKey;  // -1 for a melodic lane
    std::vector<std::string> tokens;
};

struct Pattern {
    std::vector<Lane> lanes;
};

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        if (w != "|") words.push_back(w);
    return words;
}

// A comment starts at a '#' that begins a word; inside a word '#' is a sharp.
std::string StripComment(const std::string& line) {
    for (size_t i = 0; i < line.size(); ++i)
        if (line[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(line[i - 1])))) return line.substr(0, i);
    return line;
}

int VelocityOf(const std::string& token, int base) {
    int v = base;
    if (!token.empty() && token.back() == '!') v += 25;
    if (!token.empty() && token.back() == '\'') v -= 30;
    return std::clamp(v, 1, 127);
}

// Expands one lane into notes starting at step `at`; returns false on a bad token.
bool ExpandLane(const Lane& lane, const ScoreVoice& voice, int at, int transpose, std::vector<ScoreNote>* out,
                std::string* bad) {
    std::vector<size_t> held;  // indices into out of notes still sounding
    auto release = [&] { held.clear(); };
    for (size_t i = 0; i < lane.tokens.size(); ++i) {
        const std::string& t = lane.tokens[i];
        int step = at + static_cast<int>(i);
        if (t == ".") {
            release();
        } else if (t == "-") {
            for (size_t h : held) (*out)[h].lengthSteps += 1;
        } else if (lane.drumKey >= 0) {
            release();
            int base = voice.velocity;
            if (t == "X") base += 25;
            else if (t == "o") base -= 35;
            else if (t != "x") return *bad = t, false;
            out->push_back({lane.voice, lane.drumKey, std::clamp(base, 1, 127), step, 1});
        } else {
            release();
            std::string body = t;
            while (!body.empty() && (body.back() == '!' || body.back() == '\'')) body.pop_back();
            std::istringstream parts(body);
            for (std::string name; std::getline(parts, name, '+');) {
                int key = NoteKey(name);
                if (key < 0) return *bad = t, false;
                held.push_back(out->size());
                out->push_back({lane.voice, key + transpose, VelocityOf(t, voice.velocity), step, 1});
            }
        }
    }
    return true;
}

int ToInt(const std::string& s, bool* ok) {
    try {
        size_t used = 0;
        int v = std::stoi(s, &used);
        *ok = *ok && used == s.size();
        return v;
    } catch (...) {
        *ok = false;
        return 0;
    }
}

double ToDouble(const std::string& s, bool* ok) {
    try {
        size_t used = 0;
        double v = std::stod(s, &used);
        *ok = *ok && used == s.size();
        return v;
    } catch (...) {
        *ok = false;
        return 0;
    }
}

}  // namespace

int NoteKey(const std::string& name) {
    static const int kLetter[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (name.size() < 2) return -1;
    char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    if (letter < 'A' || letter > 'G') return -1;
    int key = kLetter[letter - 'A'];
    size_t i = 1;
    for (; i < name.size() && (name[i] == '#' || name[i] == 'b'); ++i) key += name[i] == '#' ? 1 : -1;
    if (i >= name.size()) return -1;
    bool ok = true;
    int octave = ToInt(name.substr(i), &ok);
    if (!ok || octave < -1 || octave > 9) return -1;
    key += 12 * (octave + 1);
    return key >= 0 && key <= 127 ? key : -1;
}

bool ParseScore(const std::string& text, Score* score, std::string* error) {
    std::map<std::string, Pattern> patterns;
    Pattern* open = nullptr;
    std::istringstream lines(text);
    int lineNumber = 0;
    int songCursor = -1;  // where the current song line has got to
    auto fail = [&](const std::string& why) {
        *error = "line " + std::to_string(lineNumber) + ": " + why;
        return false;
    };
    auto voiceIndex = [&](const std::string& name) {
        for (size_t i = 0; i < score->voices.size(); ++i)
            if (score->voices[i].name == name) return static_cast<int>(i);
        return -1;
    };
    for (std::string line; std::getline(lines, line);) {
        ++lineNumber;
        line = StripComment(line);
        std::vector<std::string> w = Words(line);
        if (w.empty()) continue;
        bool ok = true;
        if (open) {
            if (w[0] == "end") {
                open = nullptr;
                continue;
            }
            size_t colon = line.find(':');
            if (colon == std::string::npos) return fail("lane without ':'");
            std::vector<std::string> head = Words(line.substr(0, colon));
            if (head.empty() || head.size() > 2) return fail("bad lane name");
            int voice = voiceIndex(head[0]);
            if (voice < 0) return fail("unknown voice " + head[0]);
            int drumKey = head.size() == 2 ? ToInt(head[1], &ok) : -1;
            if (!ok || score->voices[voice].drums != (drumKey >= 0)) return fail("drum lanes need a key, others none");
            Lane* lane = nullptr;
            for (Lane& l : open->lanes)
                if (l.voice == voice && l.drumKey == drumKey) lane = &l;
            if (!lane) lane = &open->lanes.emplace_back(Lane{voice, drumKey, {}});
            for (const std::string& t : Words(line.substr(colon + 1))) {
                size_t star = t.find('*');
                int copies = star == std::string::npos ? 1 : ToInt(t.substr(star + 1), &ok);
                if (!ok || copies < 1 || copies > 1024) return fail("bad repeat " + t);
                lane->tokens.insert(lane->tokens.end(), static_cast<size_t>(copies), t.substr(0, star));
            }
        } else if (w[0] == "tempo" && w.size() == 2) {
            score->tempo = ToDouble(w[1], &ok);
        } else if (w[0] == "meter" && w.size() == 2) {
            score->meter = ToInt(w[1], &ok);
        } else if (w[0] == "steps" && w.size() == 2) {
            score->steps = ToInt(w[1], &ok);
        } else if (w[0] == "swing" && w.size() == 2) {
            score->swing = ToDouble(w[1], &ok);
        } else if (w[0] == "tail" && w.size() == 2) {
            score->tail = ToDouble(w[1], &ok);
        } else if (w[0] == "voice" && w.size() >= 3) {
            ScoreVoice v;
            v.name = w[1];
            size_t i = 2;
            if (w[2] == "drums") {
                v.drums = true;
                i = 3;
            }
            for (; i < w.size(); i += 2) {
                if (i + 1 >= w.size()) return fail("voice setting without value");
                int value = ToInt(w[i + 1], &ok);
                if (w[i] == "program") v.program = value;
                else if (w[i] == "volume") v.volume = value;
                else if (w[i] == "reverb") v.reverb = value;
                else if (w[i] == "velocity") v.velocity = value;
                else return fail("unknown voice setting " + w[i]);
            }
            if (voiceIndex(v.name) >= 0) return fail("voice defined twice");
            score->voices.push_back(v);
        } else if (w[0] == "pattern" && w.size() == 2) {
            if (patterns.count(w[1])) return fail("pattern defined twice");
            open = &patterns[w[1]];
        } else if (w[0] == "song" || (w[0] == "then" && songCursor >= 0)) {
            int& cursor = songCursor;
            if (w[0] == "song") cursor = 0;
            for (size_t i = 1; i < w.size(); ++i) {
                std::string item = w[i];
                int repeat = 1;
                size_t star = item.find('*');
                if (star != std::string::npos) {
                    repeat = ToInt(item.substr(star + 1), &ok);
                    item = item.substr(0, star);
                }
                std::vector<std::pair<const Pattern*, int>> layers;
                std::istringstream parts(item);
                int length = 0;
                const int bar = score->meter * score->steps;
                for (std::string part; std::getline(parts, part, '&');) {
                    int transpose = 0;
                    size_t caret = part.find('^');
                    if (caret != std::string::npos) {
                        transpose = ToInt(part.substr(caret + 1), &ok);
                        part = part.substr(0, caret);
                    }
                    auto found = patterns.find(part);
                    if (found == patterns.end()) return fail("unknown pattern " + part);
                    layers.push_back({&found->second, transpose});
                    for (const Lane& lane : found->second.lanes)
                        length = std::max(length, (static_cast<int>(lane.tokens.size()) + bar - 1) / bar * bar);
                }
                if (!ok || repeat < 1) return fail("bad song item " + w[i]);
                for (int r = 0; r < repeat; ++r) {
                    for (auto [pattern, transpose] : layers)
                        for (const Lane& lane : pattern->lanes) {
                            std::string bad;
                            int t = lane.drumKey >= 0 ? 0 : transpose;
                            if (!ExpandLane(lane, score->voices[lane.voice], cursor, t, &score->notes, &bad))
                                return fail("bad token " + bad);
                        }
                    cursor += length;
                }
            }
            score->totalSteps = std::max(score->totalSteps, cursor);
        } else {
            return fail("unknown line");
        }
        if (!ok) return fail("bad number");
    }
    if (open) return fail("pattern without end");
    if (score->totalSteps == 0) return fail("empty song");
    if (score->tempo <= 0 || score->meter <= 0 || score->steps <= 0) return fail("bad timing");
    return true;
}

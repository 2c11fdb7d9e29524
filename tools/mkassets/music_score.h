// The note-data format of the music in assets/music/*.txt, and its parser.
//
//   # comment                      (a '#' that begins a word; within a note it is a sharp)
//   tempo 105                      beats per minute
//   meter 4                        beats per bar
//   steps 4                        grid steps per beat
//   swing 0.6                      where the second step of each pair lands (0.5 = straight)
//   tail 3                         seconds rendered past the end and folded onto the start
//   voice NAME program P [volume V] [reverb R] [velocity N]
//   voice NAME drums [volume V] [reverb R] [velocity N]
//   pattern NAME
//     VOICE: C4 - E4 . G4+B4! ...  one token per step: a note (or chord with +), '-' holds,
//                                  '.' rests; '!' accents, '\'' softens; '|' is only a bar line;
//                                  T*N is N copies of token T
//     VOICE KEY: x . o . X . ...   a drum lane: x hit, X accent, o soft, '.' rest
//   end
//   song A&B*2 C^5 ...             patterns in order; '&' layers, '*N' repeats, '^T' transposes
//                                  the melodic lanes by T semitones. Each song line starts at
//                                  the beginning, so several lines play side by side; the
//                                  piece lasts as long as the longest line.
//   then D E ...                   continues the song line above
//
// Lines of one lane within a pattern are joined; a pattern lasts as many whole
// bars as its longest lane.
#pragma once
#include <string>
#include <vector>

struct ScoreVoice {
    std::string name;
    int program = 0;   // General MIDI program, 0-based
    bool drums = false;
    int volume = 100;  // channel volume, 0..127
    int reverb = 30;   // reverb send, 0..127
    int velocity = 90;
};

struct ScoreNote {
    int voice;  // index into Score::voices
    int key;    // MIDI key
    int velocity;
    int startStep;
    int lengthSteps;
};

struct Score {
    double tempo = 120;
    int meter = 4;
    int steps = 4;
    double swing = 0.5;
    double tail = 3;
    std::vector<ScoreVoice> voices;
    std::vector<ScoreNote> notes;  // the whole song, patterns expanded
    int totalSteps = 0;
};

// Parses a score; on failure returns false with a message naming the line.
bool ParseScore(const std::string& text, Score* score, std::string* error);

// MIDI key of a note name such as "C4" (60), "F#3", "Bb2"; -1 when it is none.
int NoteKey(const std::string& name);

// The music note-data parser: note names, holds and rests, drum lanes, accents,
// repeats, transposition, layers, song lines side by side, and its error lines.
#include "mkassets/music_score.h"

#include <gtest/gtest.h>

#include <string>

namespace {

Score Parse(const std::string& text) {
    Score score;
    std::string error;
    EXPECT_TRUE(ParseScore(text, &score, &error)) << error;
    return score;
}

std::string ErrorOf(const std::string& text) {
    Score score;
    std::string error;
    EXPECT_FALSE(ParseScore(text, &score, &error));
    return error;
}

const char kHeader[] =
    "tempo 120\nmeter 2\nsteps 2\n"
    "voice lead program 80 velocity 90\n"
    "voice kit drums velocity 80\n";

TEST(MusicScore, NoteNamesAreMidiKeys) {
    EXPECT_EQ(NoteKey("C4"), 60);
    EXPECT_EQ(NoteKey("A4"), 69);
    EXPECT_EQ(NoteKey("F#3"), 54);
    EXPECT_EQ(NoteKey("Bb2"), 46);
    EXPECT_EQ(NoteKey("C-1"), 0);
    EXPECT_EQ(NoteKey("G9"), 127);
    EXPECT_EQ(NoteKey("G#9"), -1);
    EXPECT_EQ(NoteKey("H4"), -1);
    EXPECT_EQ(NoteKey("C"), -1);
    EXPECT_EQ(NoteKey("C4x"), -1);
}

TEST(MusicScore, HoldsRestsChordsAndAccentsBecomeNotes) {
    Score s = Parse(std::string(kHeader) +
                    "pattern p   # a comment\n"
                    "  lead: C4 - . E4+G4! | A4' - - .\n"
                    "end\nsong p\n");
    ASSERT_EQ(s.notes.size(), 4u);
    EXPECT_EQ(s.totalSteps, 8);  // two bars of two beats of two steps
    EXPECT_EQ(s.notes[0].key, 60);
    EXPECT_EQ(s.notes[0].startStep, 0);
    EXPECT_EQ(s.notes[0].lengthSteps, 2);
    EXPECT_EQ(s.notes[1].key, 64);
    EXPECT_EQ(s.notes[2].key, 67);
    EXPECT_EQ(s.notes[1].startStep, 3);
    EXPECT_EQ(s.notes[1].velocity, 115);
    EXPECT_EQ(s.notes[3].key, 69);
    EXPECT_EQ(s.notes[3].lengthSteps, 3);
    EXPECT_EQ(s.notes[3].velocity, 60);
}

TEST(MusicScore, DrumLanesRepeatsAndSharpsInsideWords) {
    Score s = Parse(std::string(kHeader) +
                    "pattern beat\n"
                    "  kit 36: x .*2 o\n"
                    "  kit 38: . X . .\n"
                    "  lead: C#4*2 .*2\n"
                    "end\nsong beat\n");
    ASSERT_EQ(s.notes.size(), 5u);
    EXPECT_EQ(s.notes[0].key, 36);
    EXPECT_EQ(s.notes[1].key, 36);
    EXPECT_EQ(s.notes[1].startStep, 3);
    EXPECT_EQ(s.notes[1].velocity, 45);
    EXPECT_EQ(s.notes[2].key, 38);
    EXPECT_EQ(s.notes[2].velocity, 105);
    // C#4*2 strikes twice rather than holding.
    EXPECT_EQ(s.notes[3].key, 61);
    EXPECT_EQ(s.notes[4].startStep, 1);
    EXPECT_EQ(s.notes[4].lengthSteps, 1);
}

TEST(MusicScore, SongRepeatsTransposesLayersAndRunsLinesSideBySide) {
    Score s = Parse(std::string(kHeader) +
                    "pattern a\n  lead: C4 .\nend\n"
                    "pattern d\n  kit 36: x . . . | x . . .\nend\n"
                    "song a*2 a^7&d\n"
                    "then a^-12\n"
                    "song d\n");
    // Line one: a, a, a+7 with two bars of drums (untransposed), a-12: 5 bars.
    EXPECT_EQ(s.totalSteps, 5 * 4);
    std::vector<int> leadKeys, leadStarts, drumStarts;
    for (const ScoreNote& n : s.notes) {
        if (n.voice == 0) {
            leadKeys.push_back(n.key);
            leadStarts.push_back(n.startStep);
        } else {
            drumStarts.push_back(n.startStep);
            EXPECT_EQ(n.key, 36);
        }
    }
    EXPECT_EQ(leadKeys, (std::vector<int>{60, 60, 67, 48}));
    EXPECT_EQ(leadStarts, (std::vector<int>{0, 4, 8, 16}));
    // The second song line starts again at the beginning.
    EXPECT_EQ(drumStarts, (std::vector<int>{8, 12, 0, 4}));
}

TEST(MusicScore, ErrorsNameTheirLine) {
    EXPECT_EQ(ErrorOf(std::string(kHeader) + "pattern p\n  bass: C4\nend\n"), "line 7: unknown voice bass");
    EXPECT_EQ(ErrorOf(std::string(kHeader) + "pattern p\n  lead: Q4\nend\nsong p\n"), "line 9: bad token Q4");
    EXPECT_EQ(ErrorOf(std::string(kHeader) + "pattern p\n  kit: x\nend\n"), "line 7: drum lanes need a key, others none");
    EXPECT_EQ(ErrorOf(std::string(kHeader) + "song nothing\n"), "line 6: unknown pattern nothing");
    EXPECT_EQ(ErrorOf(std::string(kHeader) + "then p\n"), "line 6: unknown line");
    EXPECT_EQ(ErrorOf(std::string(kHeader) + "tempo fast\n"), "line 6: bad number");
    EXPECT_EQ(ErrorOf(std::string(kHeader) + "pattern p\n  lead: C4\n"), "line 7: pattern without end");
    EXPECT_EQ(ErrorOf(kHeader), "line 5: empty song");
}

}  // namespace

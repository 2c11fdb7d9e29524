// The high-score tables: one 500-character text file per difficulty, 25 rows of
// 20 characters, best first. A row is the name padded with '.' to 10 characters,
// then "..", then the score as "%8d" with its blanks written as '.'.
#pragma once
#include <cstdint>
#include <string>

constexpr int kHighScoreRows = 25;
constexpr int kHighScoreRowChars = 20;
constexpr int kHighScoreFileChars = kHighScoreRows * kHighScoreRowChars;
constexpr int kHighScoreShownRows = 12;

// The table last loaded, with four spare bytes after the 25 rows.
extern char highScoreTable[kHighScoreFileChars + 4];

// "Zapbrik1.dat" .. "Zapbrik4.dat", kept in the player's folder.
std::string HighScoreFileName(int32_t difficulty);

// Fills highScoreTable from that difficulty's file. A missing file is created
// as 500 dots; blanks and line ends after the rows are ignored. A file of
// another size, or one with a character that cannot belong to a row, gives an
// empty table and a warning; the player's own such file is moved aside
// (MoveAside, ".damaged") and a new table of dots written in its place.
void LoadHighScores(int32_t difficulty);

// The score stored in a row of highScoreTable: the digits of its score field
// with the dots dropped, clamped to the 32-bit range.
int32_t HighScoreRowScore(int row);

// The row 0..24 a score would take in the table of that difficulty (loaded
// anew), or 25 when it takes none. An equal score goes below the stored one.
int32_t HighScoreRank(int32_t newScore, int32_t difficulty);

// Writes the table back with the new row in place; the last row falls out.
// False when the file could not be written (the old one stays as it was).
bool InsertHighScore(const char* name, int32_t newScore, int32_t difficulty);

// What the high-score screen shows of a row: the name and the last 7 score
// characters, each '.' shown as a blank, both terminated.
struct HighScoreRowText {
    char name[11];
    char score[8];
};
HighScoreRowText HighScoreRowTexts(int row);

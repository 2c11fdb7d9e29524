#include "game/flow/high_score_table.h"

#include <climits>
#include <cstdio>
#include <cstring>

#include "shell/text_number.h"
#include "shell/atomic_file.h"
#include "shell/log.h"
#include "shell/paths.h"

char highScoreTable[kHighScoreFileChars + 4];

namespace {
void FillWithDots() { std::memset(highScoreTable, '.', sizeof highScoreTable); }

// A character a row can hold: names are typed from code 32 up (any byte from
// 32 on is data), scores are digits, dots and a minus sign.
bool TableIsSound() {
    for (int i = 0; i < kHighScoreFileChars; ++i) {
        auto c = static_cast<unsigned char>(highScoreTable[i]);
        bool scoreField = i % kHighScoreRowChars >= 10;
        if (scoreField ? !(c == '.' || c == '-' || (c >= '0' && c <= '9')) : c < 32) return false;
    }
    return true;
}

bool SaveTable(int32_t difficulty) {
    if (WriteFileAtomically(PlayerFileForWriting(HighScoreFileName(difficulty)), highScoreTable, kHighScoreFileChars))
        return true;
    LogMessage(0, "[WARNING] Unable to save high scores.\n");
    return false;
}
}  // namespace

std::string HighScoreFileName(int32_t difficulty) { return StrFormat("%s%d.dat", "Zapbrik", difficulty); }

void LoadHighScores(int32_t difficulty) {
    FillWithDots();
    const std::string path = PlayerFileForReading(HighScoreFileName(difficulty));
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        SaveTable(difficulty);
        return;
    }
    const size_t count = std::fread(highScoreTable, 1, kHighScoreFileChars, file);
    // Line ends and blanks after the rows (a text editor's last newline) are no damage.
    bool whole = count == static_cast<size_t>(kHighScoreFileChars);
    for (int c; whole && (c = std::fgetc(file)) != EOF;) whole = std::strchr(" \t\r\n", c) != nullptr;
    whole = whole && !std::ferror(file);
    std::fclose(file);
    if (whole && TableIsSound()) return;
    FillWithDots();
    // The player's own damaged table is kept aside and a new one started, so the
    // next high score does not write over the old rows.
    if (path == PlayerFolder() + HighScoreFileName(difficulty)) {
        const std::string aside = MoveAside(path, ".damaged");
        if (!aside.empty()) {
            LogMessage(0, "[WARNING] Damaged high score file " + path + " moved to " + aside + ".\n");
            SaveTable(difficulty);
            return;
        }
    }
    // The game over screen reads the table every frame: say it once per file.
    static std::string lastDamaged;
    if (path != lastDamaged) LogMessage(0, "[WARNING] Damaged high score file " + path + ", showing an empty table.\n");
    lastDamaged = path;
}

int32_t HighScoreRowScore(int row) {
    const char* field = highScoreTable + row * kHighScoreRowChars + 10;
    char digits[11];
    int n = 0;
    for (int i = 0; i < 10; ++i)
        if (field[i] != '.') digits[n++] = field[i];
    digits[n] = 0;
    return ParseClampedInt(digits);
}

int32_t HighScoreRank(int32_t newScore, int32_t difficulty) {
    LoadHighScores(difficulty);
    for (int row = 0; row < kHighScoreRows; ++row)
        if (HighScoreRowScore(row) < newScore) return row;
    return kHighScoreRows;
}

bool InsertHighScore(const char* name, int32_t newScore, int32_t difficulty) {
    char formatted[16];
    std::snprintf(formatted, sizeof formatted, "%8d", newScore);
    char scoreText[8];
    for (int i = 0; i < 8; ++i) scoreText[i] = formatted[i] == ' ' ? '.' : formatted[i];

    int32_t rank = HighScoreRank(newScore, difficulty);
    if (rank >= kHighScoreRows) return true;

    char row[kHighScoreRowChars];
    size_t nameLength = strnlen(name, 10);
    for (size_t i = 0; i < 10; ++i) row[i] = i < nameLength ? name[i] : '.';
    row[10] = row[11] = '.';
    std::memcpy(row + 12, scoreText, 8);

    char* at = highScoreTable + rank * kHighScoreRowChars;
    std::memmove(at + kHighScoreRowChars, at, (kHighScoreRows - 1 - rank) * kHighScoreRowChars);
    std::memcpy(at, row, kHighScoreRowChars);
    return SaveTable(difficulty);
}

HighScoreRowText HighScoreRowTexts(int row) {
    HighScoreRowText text{};
    const char* at = highScoreTable + row * kHighScoreRowChars;
    for (int i = 0; i < 10; ++i) text.name[i] = at[i] == '.' ? ' ' : at[i];
    for (int i = 0; i < 7; ++i) text.score[i] = at[13 + i] == '.' ? ' ' : at[13 + i];
    return text;
}

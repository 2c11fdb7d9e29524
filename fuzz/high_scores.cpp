// High-score files: any bytes give a table whose rows rank, show and take a new
// score without reading or writing past the table.
#include <cstring>
#include <filesystem>
#include <string>

#include "fuzz_support.h"
#include "game/flow/high_score_table.h"
#include "shell/paths.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzUseTempFolder();
    // Each input starts without the damaged tables earlier inputs left aside.
    for (const auto& entry : std::filesystem::directory_iterator(PlayerFolder()))
        if (entry.path().filename().string().find(".damaged") != std::string::npos) std::filesystem::remove(entry);
    FuzzWriteFile(PlayerFileForWriting(HighScoreFileName(2)), data, size);
    LoadHighScores(2);
    for (int row = 0; row < kHighScoreRows; ++row) {
        HighScoreRowScore(row);
        const HighScoreRowText text = HighScoreRowTexts(row);
        if (std::strlen(text.name) > 10 || std::strlen(text.score) > 7) __builtin_trap();
    }
    int32_t newScore = 0;
    if (size >= 4) std::memcpy(&newScore, data, 4);
    if (HighScoreRank(newScore, 2) < kHighScoreRows) InsertHighScore("FUZZ", newScore, 2);
    return 0;
}

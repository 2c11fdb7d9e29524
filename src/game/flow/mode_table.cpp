#include "game/flow/mode_table.h"

#include "game/flow/game_state.h"
#include "game/play/level_convert.h"

namespace {
const ModeRoutines rows[] = {
    {ModeLogoSplash, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ModeIntroSplash, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ModeMainMenu, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ModeOptions, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ModeHighScores, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ModeEnterName, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ModeExitWallpaper, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ModeInfoPage, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ModeChooseLevel, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ModePlay, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ModeLevelStart, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ModeLevelComplete, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ModeNewGame, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ModeGameOver, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ModeLevelEditor, nullptr, nullptr, nullptr, nullptr, nullptr},
    {ModeConvertLevels, nullptr, nullptr, nullptr, DrawConvertLevels, nullptr},
};
}  // namespace

const std::span<const ModeRoutines> modeTable(rows);

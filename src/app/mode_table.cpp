#include "app/mode_table.h"

#include "game/flow/choose_level.h"
#include "game/flow/enter_name.h"
#include "game/flow/exit_wallpaper.h"
#include "game/flow/game_over.h"
#include "game/game_state.h"
#include "game/flow/high_scores.h"
#include "game/flow/info_page.h"
#include "game/flow/level_flow.h"
#include "game/flow/main_menu.h"
#include "game/flow/options.h"
#include "game/flow/play_screen.h"
#include "game/flow/splash.h"
#include "game/input/editor.h"
#include "game/input/input_modes.h"
#include "game/play/level_convert.h"

namespace {
const ModeRoutines rows[] = {
    {ModeLogoSplash, EnterLogoSplash, LeaveLogoSplash, UpdateLogoSplash, DrawLogoSplash, LogoSplashInput},
    {ModeIntroSplash, EnterIntroSplash, LeaveIntroSplash, UpdateIntroSplash, DrawIntroSplash, IntroSplashInput},
    {ModeMainMenu, EnterMainMenu, LeaveMainMenu, UpdateMainMenu, DrawMainMenu, MainMenuInput},
    {ModeOptions, EnterOptions, LeaveOptions, nullptr, DrawOptions, OptionsInput},
    {ModeHighScores, EnterHighScores, nullptr, nullptr, DrawHighScores, HighScoresInput},
    {ModeEnterName, EnterEnterName, nullptr, nullptr, DrawEnterName, EnterNameInput},
    {ModeExitWallpaper, EnterExitWallpaper, LeaveExitWallpaper, nullptr, DrawExitWallpaper, ExitWallpaperInput},
    {ModeInfoPage, EnterInfoPage, LeaveInfoPage, UpdateInfoPage, DrawInfoPage, InfoPageInput},
    {ModeChooseLevel, EnterChooseLevel, LeaveChooseLevel, UpdateChooseLevel, DrawChooseLevel, ChooseLevelInput},
    {ModePlay, EnterPlay, nullptr, UpdatePlay, DrawPlay, PlayInput},
    {ModeLevelStart, EnterLevelStart, nullptr, nullptr, DrawLevelStart, nullptr},
    {ModeLevelComplete, EnterLevelComplete, nullptr, UpdateLevelComplete, nullptr, nullptr},
    {ModeNewGame, nullptr, nullptr, UpdateNewGame, nullptr, nullptr},
    {ModeGameOver, EnterGameOver, nullptr, nullptr, DrawGameOver, GameOverInput},
    {ModeLevelEditor, EnterLevelEditor, LeaveLevelEditor, nullptr, DrawLevelEditor, LevelEditorInput},
    {ModeConvertLevels, nullptr, nullptr, nullptr, DrawConvertLevels, nullptr},
};
}  // namespace

const std::span<const ModeRoutines> modeTable(rows);

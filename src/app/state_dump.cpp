#include "app/state_dump.h"

#include <cstdio>

#include "game/flow/choose_level.h"
#include "game/game_state.h"
#include "game/flow/info_page.h"
#include "game/flow/options.h"
#include "game/input/editor.h"
#include "game/play/balls.h"
#include "game/play/debris.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/power_ups.h"
#include "shell/random.h"
#include "sound/mixer.h"

std::string StateDumpText() {
    std::string out;
    auto line = [&out](const char* name, long long value) {
        out += name;
        out += ' ';
        out += std::to_string(value);
        out += '\n';
    };
    line("mode", currentMode);
    line("tick", tickCounter);
    line("score", score);
    line("lives", lives);
    line("level", currentLevel);
    line("difficulty", difficulty);
    line("balls", ballCount);
    line("blocks", levelBlockCount);
    line("indestructible", indestructibleCount);
    line("debris", debrisCount);
    line("capsules", fallingPowerUpCount);
    line("active_powerups", activePowerUpCount);
    for (int type = 0; type < kPowerUpTypes; ++type) {
        if (powerUpCount[type] == 0) continue;
        const std::string name = "powerup_" + std::to_string(type);
        line(name.c_str(), powerUpCount[type]);
    }
    line("paddle_x", paddleX);
    line("paddle_y", paddleY);
    line("paddle_half_width", paddleHalfWidth);
    line("zone_height", paddleZoneHeight);
    line("serve_timer", serveTimer);
    line("game_in_progress", gameInProgress);
    line("rand_state", randState);
    line("ball0_x", ballCount > 0 ? balls[0].x : -1);
    line("ball0_y", ballCount > 0 ? balls[0].y : -1);
    line("hints_enabled", hintsEnabled);
    line("effects_volume", getVolume(0));
    line("music_volume", musicVolume);
    line("music_wanted", musicWanted);
    line("music_shown", musicShown);
    line("music_playing", musicPlaying);
    line("music_fade", musicFade);
    line("music_slot", musicSlot);
    const char* const keyLines[kKeyBindings] = {"key_up", "key_down", "key_left", "key_right", "key_escape"};
    for (int i = 0; i < kKeyBindings; ++i) line(keyLines[i], keyBindings[i]);
    line("capture_slot", captureSlot);
    line("high_score_rank", highScoreRank);
    out += "player_name " + std::string(playerName, static_cast<size_t>(playerNameLength)) + "\n";
    line("scroll_pos", scrollPos);
    line("scroll_speed", scrollSpeed);
    line("panel_open", panelOpen);
    line("panel_anim", panelAnim);
    line("opt_unlimited_lives", optUnlimitedLives);
    line("opt_unlock_all_levels", optUnlockAllLevels);
    line("opt_fat_paddle", optFatPaddle);
    line("opt_max_power_up", optMaxPowerUp);
    line("opt_see_power_ups", optSeePowerUps);
    line("opt_disable_debris", optDisableDebris);
    line("thumb_index", thumbIndex);
    int reachable = 0;
    for (int level = 0; level < levelCount; ++level) reachable += LevelProgressRow(difficulty)[level] != 0;
    line("levels_reachable", reachable);
    line("editor_kind", editorKind);
    line("editor_powerup", editorPowerUp);
    // Every block of the level in memory, as x:y:kind:powerUp.
    out += "level_blocks";
    for (int i = 0; i < levelBlockCount; ++i) {
        const LevelBlock& b = levelBlocks[i];
        out += ' ' + std::to_string(b.x) + ':' + std::to_string(b.y) + ':' + std::to_string(b.kind) + ':' +
               std::to_string(b.powerUp);
    }
    out += '\n';
    return out;
}

bool WriteStateDump(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    std::string text = StateDumpText();
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && ok;
}

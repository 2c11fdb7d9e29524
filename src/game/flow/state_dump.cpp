#include "game/flow/state_dump.h"

#include <cstdio>

#include "game/flow/game_state.h"
#include "game/play/balls.h"
#include "game/play/debris.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "shell/random.h"

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
    line("paddle_x", paddleX);
    line("paddle_y", paddleY);
    line("paddle_half_width", paddleHalfWidth);
    line("zone_height", paddleZoneHeight);
    line("serve_timer", serveTimer);
    line("game_in_progress", gameInProgress);
    line("rand_state", randState);
    return out;
}

bool WriteStateDump(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    std::string text = StateDumpText();
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && ok;
}

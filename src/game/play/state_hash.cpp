#include "game/play/state_hash.h"

#include <cstdio>

#include "game/game_state.h"
#include "game/play/balls.h"
#include "game/play/debris.h"
#include "game/play/explosions.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/power_ups.h"
#include "shell/platform.h"
#include "shell/random.h"
#include "sound/mixer.h"

const char* const statePartNames[kStateParts] = {"balls",   "debris", "explosions", "blocks", "capsules", "powerups",
                                                  "paddle",  "timers", "game",       "random", "map",      "scenery", "sounds"};

namespace {
// FNV-1a over the little-endian bytes of each value.
struct Fnv {
    uint64_t h = 0xcbf29ce484222325ull;
    void Byte(uint8_t b) { h = (h ^ b) * 0x100000001b3ull; }
    void Add(int64_t value) {
        const uint64_t v = static_cast<uint64_t>(value);
        for (int i = 0; i < 8; ++i) Byte(static_cast<uint8_t>(v >> (8 * i)));
    }
    template <class... T>
    void All(T... values) {
        (Add(static_cast<int64_t>(values)), ...);
    }
    void Pixels(const Surface* s) {
        if (!s) return Add(-1);
        All(s->width, s->height);
        for (int y = 0; y < s->height; ++y)
            for (int x = 0; x < s->width; ++x) {
                const uint16_t p = getPixel(s, x, y);
                Byte(static_cast<uint8_t>(p));
                Byte(static_cast<uint8_t>(p >> 8));
            }
    }
};

void HashPart(Fnv& f, int part) {
    switch (part) {
        case StateBalls:
            f.All(ballCount, nudgeIndex, slowMotionDivisor);
            for (int i = 0; i < ballCount; ++i) {
                const Ball& b = balls[i];
                f.All(b.x, b.y, b.vx, b.vy, b.prevX, b.prevY, b.speed);
            }
            break;
        case StateDebris:
            f.Add(debrisCount);
            for (int i = 0; i < debrisCount; ++i) {
                const Debris& d = debris[i];
                f.All(d.x, d.y, d.vx, d.vy, d.prevX, d.prevY, d.age, d.colour, d.kind);
            }
            break;
        case StateExplosions:
            f.Add(explosionCount);
            for (int i = 0; i < explosionCount; ++i) f.All(explosions[i].x, explosions[i].y, explosions[i].kind, explosions[i].age);
            break;
        case StateBlocks:
            f.All(levelBlockCount, indestructibleCount);
            for (int i = 0; i < levelBlockCount; ++i) {
                const LevelBlock& b = levelBlocks[i];
                f.All(b.x, b.y, b.kind, b.width, b.height, b.powerUp);
            }
            break;
        case StateCapsules:
            f.Add(fallingPowerUpCount);
            for (int i = 0; i < fallingPowerUpCount; ++i) {
                const FallingPowerUp& c = fallingPowerUps[i];
                f.All(c.x, c.y, c.vx, c.vy, c.prevX, c.prevY, c.type, c.age);
            }
            break;
        case StatePowerUps:
            for (int t = 0; t < kPowerUpTypes; ++t) f.Add(powerUpCount[t]);
            f.Add(activePowerUpCount);
            for (int i = 0; i < activePowerUpCount; ++i) f.All(activePowerUps[i].type, activePowerUps[i].ticks);
            break;
        case StatePaddle:
            f.All(paddleX, paddleY, paddleFixedX, paddleFixedY, paddleVelX, paddleVelY, paddleHalfWidth,
                  paddleTargetHalfWidth, paddleZoneHeight, paddleTargetZoneHeight, paddleMaxStep, steerUp, steerDown,
                  steerLeft, steerRight, steerHoldRamp, steerByMouse, waitForButtonRelease, paddleHistoryIndex);
            for (int i = 0; i < kPaddleHistory; ++i) f.All(paddleHistoryX[i], paddleHistoryY[i]);
            break;
        case StateTimers:
            f.All(tickCounter, serveTimer, digAllowTimer, shakeAmount, shakeX, shakeY);
            break;
        case StateGame:
            f.All(currentMode, currentLevel, difficulty, score, lives, gameInProgress, optUnlimitedLives, optFatPaddle,
                  optMaxPowerUp, optSeePowerUps, optDisableDebris);
            break;
        case StateRandom:
            f.Add(randState);
            break;
        case StateMap:
            f.Pixels(collisionMap);
            break;
        case StateScenery:
            f.Pixels(sceneryView);
            f.Pixels(playfieldImage);
            break;
        case StateSounds: {  // the voices playing: which sample and how far in
            AudioLock hold;
            f.Add(voiceCount);
            for (int i = 0; i < voiceCount; ++i) f.All(voices[i].soundId, voices[i].position, voices[i].looping);
            break;
        }
    }
}

std::string Hex(uint64_t value, int digits) {
    char text[17];
    std::snprintf(text, sizeof text, "%0*llx", digits, static_cast<unsigned long long>(value));
    return text;
}
}  // namespace

uint64_t StatePartHash(int part) {
    Fnv f;
    HashPart(f, part);
    return f.h;
}

namespace {
uint64_t WholeHash(const uint64_t (&parts)[kStateParts]) {
    Fnv f;
    for (uint64_t p : parts) f.Add(static_cast<int64_t>(p));
    return f.h;
}
}  // namespace

uint64_t StateHash() {
    uint64_t parts[kStateParts];
    for (int part = 0; part < kStateParts; ++part) parts[part] = StatePartHash(part);
    return WholeHash(parts);
}

std::string StateTraceLine() {
    uint64_t parts[kStateParts];
    for (int part = 0; part < kStateParts; ++part) parts[part] = StatePartHash(part);
    std::string line = std::to_string(tickCounter) + ' ' + Hex(WholeHash(parts), 16);
    for (uint64_t p : parts) line += ' ' + Hex(p & 0xFFFFFFFFu, 8);
    return line;
}

std::string StateTraceHeader() {
    std::string line = "# tick state";
    for (const char* name : statePartNames) line += std::string(" ") + name;
    return line;
}

// The worst case the gameplay tables allow: 5000 balls, 2900 particles, 50
// explosions and 1000 blocks in a 330 x 440 playfield. One play tick and one
// frame of the playfield's drawing are timed separately; every tick starts
// from the same saved state.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "game/game_state.h"
#include "game/play/balls.h"
#include "game/play/block_set.h"
#include "game/play/blocks.h"
#include "game/play/debris.h"
#include "game/play/explosions.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/play_tick.h"
#include "game/play/playfield.h"
#include "game/play/power_ups.h"
#include "game/play/tables.h"
#include "gfx/assets.h"
#include "gfx/blit.h"
#include "shell/random.h"

namespace {
void Fill(Surface* s, int x0, int y0, int w, int h, uint16_t colour) {
    for (int x = x0; x < x0 + w; ++x)
        for (int y = y0; y < y0 + h; ++y) putPixel(s, x, y, colour);
}

void BuildWorstCase() {
    ResetGameState();
    setGamma(128);
    FillTrigTables();
    currentMode = ModePlay;
    difficulty = 4;
    backSurface = createSurface(640, 480);
    for (Surface** s : {&collisionMap, &sceneryView, &sceneryPristine, &playfieldImage, &blockSetImage, &workSurface})
        *s = createSurface(330, 440);
    spritesSheet = createSurface(224, 48);
    iconsSheet = createSurface(164, 58);
    Fill(spritesSheet, 0, 0, 224, 48, packColour(12, 8, 4));
    Fill(iconsSheet, 0, 0, 164, 58, packColour(10, 10, 20));
    Fill(sceneryView, 0, 0, 330, 440, packColour(2, 3, 4));
    for (Surface* s : {collisionMap, sceneryView}) {
        const uint16_t wall = s == collisionMap ? 31 : packColour(8, 8, 20);
        Fill(s, 0, 0, 10, 440, wall);
        Fill(s, 320, 0, 10, 440, wall);
        Fill(s, 0, 0, 330, 10, wall);
    }
    Fill(blockSetImage, 0, 0, 330, 440, packColour(20, 14, 6));
    Fill(blockSetImage, 9, 0, 11, 11, packColour(5, 5, 25));
    blockDescCount = 0;
    AddLevelBlock(0, 0, 0, 0);  // no description yet: refused
    ParseBlockSet("[block,20,20,5,3][block,40,20,5,3]", 34);  // two 7 x 4 shapes
    for (int n = 0; n < kMaxLevelBlocks; ++n) AddLevelBlock(12 + (n % 38) * 8, 12 + (n / 38) * 5, n % 7 == 0 ? 0 : 1, 0);
    CountIndestructible();
    ComposePlayfield();
    Fill(collisionMap, 0, 439, 330, 1, kCyan);

    ResetPowerUps();
    paddleHalfWidth = paddleTargetHalfWidth = BasePaddleHalfWidth();
    paddleZoneHeight = paddleTargetZoneHeight = BaseZoneHeight();
    CentrePaddle();
    serveTimer = 0;
    ballCount = 0;
    for (int i = 0; i < kMaxBalls; ++i)
        AddBall(15 + Rand() % 300, 150 + Rand() % 250, (Rand() & 1023) - 512, (Rand() & 1023) - 512);
    debrisCount = 0;
    for (int i = 0; i < debrisCapacity; ++i)
        AddDebris(12 + Rand() % 306, 12 + Rand() % 420, (Rand() & 2047) - 1024, (Rand() & 2047) - 1024, i & 1,
                  packColour(Rand() & 31, Rand() & 31, Rand() & 31));
    explosionCount = 0;
    for (int i = 0; i < kMaxExplosions; ++i) AddExplosion(30 + i * 5, 200 + (i % 5) * 30, i & 1);
}

// Everything a tick changes, saved once and put back before every timed tick.
struct Snapshot {
    std::vector<Ball> ballTable{::balls, ::balls + kMaxBalls};
    int32_t ballN = ballCount;
    std::vector<LevelBlock> blockTable{levelBlocks, levelBlocks + kMaxLevelBlocks};
    int32_t blocks = levelBlockCount, indestructible = indestructibleCount;
    std::vector<Debris> debrisTable{debris, debris + debrisCapacity};
    int32_t particles = debrisCount;
    std::vector<Explosion> explosionTable{explosions, explosions + kMaxExplosions};
    int32_t blasts = explosionCount;
    std::vector<uint16_t> map{collisionMap->memory, collisionMap->memory + 330 * 440};
    std::vector<uint16_t> scenery{sceneryView->memory, sceneryView->memory + 330 * 440};
    std::vector<uint16_t> image{playfieldImage->memory, playfieldImage->memory + 330 * 440};
    uint32_t rand = randState;

    void Restore() const {
        std::copy(ballTable.begin(), ballTable.end(), ::balls);
        ballCount = ballN;
        std::copy(blockTable.begin(), blockTable.end(), levelBlocks);
        levelBlockCount = blocks;
        indestructibleCount = indestructible;
        std::copy(debrisTable.begin(), debrisTable.end(), debris);
        debrisCount = particles;
        std::copy(explosionTable.begin(), explosionTable.end(), explosions);
        explosionCount = blasts;
        std::copy(map.begin(), map.end(), collisionMap->memory);
        std::copy(scenery.begin(), scenery.end(), sceneryView->memory);
        std::copy(image.begin(), image.end(), playfieldImage->memory);
        randState = rand;
        serveTimer = 0;
        CentrePaddle();
    }
};

const Snapshot& WorstCase() {
    static const Snapshot* snapshot = [] {
        BuildWorstCase();
        return new Snapshot();
    }();
    return *snapshot;
}

void BM_PlayTick(benchmark::State& state) {
    const Snapshot& start = WorstCase();
    for (auto _ : state) {
        state.PauseTiming();
        start.Restore();
        state.ResumeTiming();
        ++tickCounter;
        benchmark::DoNotOptimize(PlayTick());
    }
    state.counters["balls"] = ballCount;
    state.counters["debris"] = debrisCount;
    state.counters["blocks"] = levelBlockCount;
}
BENCHMARK(BM_PlayTick)->Unit(benchmark::kMicrosecond);

// The same tick with the active list full. Arg 0: twenty different costly
// entries (lasers, ball makers, block destroyers, homing, the paddle types);
// arg n > 0: n of those entries are fast balls instead, each of which runs the
// balls once more per fast-ball entry.
void BM_PlayTickPowerUps(benchmark::State& state) {
    const Snapshot& start = WorstCase();
    static const int mix[kMaxActivePowerUps] = {
        PowerLasers, PowerLasers, PowerLasers, PowerLasers, PowerLasers, PowerHoming,      PowerSplitter,
        PowerVolcano, PowerBallFountain, PowerBlaster, PowerChomper, PowerWidePaddle, PowerNarrowPaddle,
        PowerSluggishPaddle, PowerFastPaddle, PowerRaiseZone, PowerLowerZone, PowerFireball, PowerReveal,
        PowerFrozenPaddle};
    const int fast = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        start.Restore();
        ResetPowerUps();
        for (int i = 0; i < kMaxActivePowerUps; ++i) ApplyPowerUp(i < fast ? PowerFastBalls : mix[i]);
        // Every entry acts on this tick: fountain, volcano and blaster on their
        // 16th update, the chomper on its 5th.
        for (int i = 0; i < kMaxActivePowerUps; ++i) {
            const int type = activePowerUps[i].type;
            if (type == PowerBallFountain || type == PowerVolcano || type == PowerBlaster) activePowerUps[i].ticks = 15;
            if (type == PowerChomper) activePowerUps[i].ticks = 4;
        }
        for (int i = 0; i < kMaxFallingPowerUps; ++i) DropPowerUp(20 + 7 * i, 250, i % kPowerUpTypes);
        tickCounter = 15;  // the next tick is a splitter tick
        state.ResumeTiming();
        ++tickCounter;
        benchmark::DoNotOptimize(PlayTick());
    }
    state.counters["balls"] = ballCount;
    state.counters["active"] = activePowerUpCount;
}
BENCHMARK(BM_PlayTickPowerUps)->ArgName("fast_balls")->Arg(0)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

// The playfield layers of one play frame: the image, explosions, debris, balls
// and the paddle. Arg 0 is the serve timer (with 100, every ball also draws its
// aiming line); arg 1 the number of fast-balls entries, each of which adds four
// ghost copies to every ball (here all on the ball itself: none is clipped).
void BM_PlayfieldFrame(benchmark::State& state) {
    WorstCase().Restore();
    ResetPowerUps();
    for (int i = 0; i < state.range(1); ++i) ApplyPowerUp(PowerFastBalls);
    serveTimer = static_cast<int32_t>(state.range(0));
    for (auto _ : state) {
        drawSprite(backSurface, playfieldLeft, playfieldTop, 330, 440, playfieldImage, 0, 0, BlitCopy);
        DrawExplosions();
        DrawDebris();
        DrawBalls();
        DrawPaddle();
        benchmark::DoNotOptimize(backSurface->memory[20 * 640 + 20]);
    }
}
BENCHMARK(BM_PlayfieldFrame)
    ->ArgNames({"serve_timer", "fast_balls"})
    ->Args({0, 0})
    ->Args({100, 0})
    ->Args({0, 1})
    ->Args({0, 20})
    ->Unit(benchmark::kMicrosecond);
}  // namespace

#include "game/flow/kept_game.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/flow/hints.h"
#include "game/play/balls.h"
#include "game/play/blocks.h"
#include "game/play/debris.h"
#include "game/play/explosions.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/power_ups.h"
#include "gfx/blit.h"
#include "shell/atomic_file.h"
#include "shell/log.h"
#include "shell/paths.h"
#include "shell/random.h"

namespace {
const char* const kKeptName = "resume.dat";
// The file: this mark, the payload's length and checksum (32 bits each), the payload.
constexpr char kMark[8] = {'Z', 'B', 'R', 'E', 'S', 'U', 'M', '1'};
constexpr size_t kHeaderBytes = sizeof kMark + 8;
constexpr size_t kLargestFile = size_t{64} << 20;

// A restored game that has not been resumed keeps its own random stream aside:
// the splash screens and the menu draw from the program's stream meanwhile.
bool restoredWaiting = false;
uint32_t restoredRandom = 0;

struct Value {
    void* at;
    size_t size;
};
template <class T>
constexpr Value Of(T& value) {
    return {&value, sizeof value};
}
// Every single value play runs on, in the payload's order.
const Value values[] = {
    Of(difficulty), Of(currentLevel), Of(lives), Of(score), Of(serveTimer), Of(shakeAmount), Of(shakeX), Of(shakeY),
    Of(optUnlimitedLives), Of(optUnlockAllLevels), Of(optFatPaddle), Of(optMaxPowerUp), Of(optSeePowerUps),
    Of(optDisableDebris), Of(hintX), Of(hintY), Of(hintWidth), Of(hintHeight), Of(hintLeaving), Of(randState),
    Of(paddleX), Of(paddleY), Of(paddleFixedX), Of(paddleFixedY), Of(paddleVelX), Of(paddleVelY),
    Of(paddleHalfWidth), Of(paddleTargetHalfWidth), Of(paddleZoneHeight), Of(paddleTargetZoneHeight),
    Of(paddleMaxStep), Of(digAllowTimer), Of(steerHoldRamp), Of(steerByMouse), Of(waitForButtonRelease),
    Of(paddleHistoryX), Of(paddleHistoryY), Of(paddleHistoryIndex), Of(nudgeIndex), Of(slowMotionDivisor),
    Of(indestructibleCount), Of(powerUpCount),
};

// The tables play keeps, each with its count; only the entries in use are kept.
struct Table {
    void* items;
    size_t itemSize;
    int32_t* count;
    int32_t capacity;
};
const Table tables[] = {
    {levelBlocks, sizeof(LevelBlock), &levelBlockCount, kMaxLevelBlocks},
    {balls, sizeof(Ball), &ballCount, kMaxBalls},
    {debris, sizeof(Debris), &debrisCount, debrisCapacity},
    {explosions, sizeof(Explosion), &explosionCount, kMaxExplosions},
    {fallingPowerUps, sizeof(FallingPowerUp), &fallingPowerUpCount, kMaxFallingPowerUps},
    {activePowerUps, sizeof(ActivePowerUp), &activePowerUpCount, kMaxActivePowerUps},
};

void Put(std::vector<uint8_t>& out, const void* from, size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(from);
    out.insert(out.end(), bytes, bytes + size);
}
void PutWord(std::vector<uint8_t>& out, uint32_t word) { Put(out, &word, sizeof word); }

struct Reader {
    const uint8_t* at;
    size_t left;
    bool Take(void* to, size_t size) {
        if (size > left) return false;
        std::memcpy(to, at, size);
        at += size;
        left -= size;
        return true;
    }
    bool TakeWord(uint32_t& word) { return Take(&word, sizeof word); }
};

std::vector<uint8_t> EncodePlay() {
    std::vector<uint8_t> out;
    for (const Value& v : values) Put(out, v.at, v.size);
    for (const Table& t : tables) {
        PutWord(out, static_cast<uint32_t>(*t.count));
        Put(out, t.items, t.itemSize * static_cast<size_t>(*t.count));
    }
    return out;
}

bool DecodePlay(Reader& in) {
    for (const Value& v : values)
        if (!in.Take(v.at, v.size)) return false;
    for (const Table& t : tables) {
        uint32_t count;
        if (!in.TakeWord(count) || count > static_cast<uint32_t>(t.capacity) ||
            !in.Take(t.items, t.itemSize * count))
            return false;
        *t.count = static_cast<int32_t>(count);
    }
    return true;
}

// Values that would index outside a table or stall a loop are refused.
bool PlayIsSound() {
    if (difficulty < 1 || difficulty > kDifficulties || currentLevel < 0 || currentLevel >= levelCount) return false;
    if (paddleHistoryIndex < 0 || paddleHistoryIndex >= kPaddleHistory || nudgeIndex < -1) return false;
    if (hintWidth < 0 || hintWidth > 1000 || hintHeight < 0 || hintHeight > 1000) return false;
    for (int16_t count : powerUpCount)
        if (count < 0 || count > kMaxActivePowerUps) return false;
    for (int i = 0; i < activePowerUpCount; ++i)
        if (activePowerUps[i].type < 0 || activePowerUps[i].type >= kPowerUpTypes) return false;
    for (int i = 0; i < fallingPowerUpCount; ++i)
        if (fallingPowerUps[i].type < 0 || fallingPowerUps[i].type >= kPowerUpTypes) return false;
    for (int i = 0; i < explosionCount; ++i)
        if (explosions[i].age < 0) return false;
    return true;
}

// The pixels play changed in a level picture, as runs: start, length, pixels;
// a run of length 0 ends the list.
void PutChanges(std::vector<uint8_t>& out, const Surface* now, const Surface* was) {
    const int w = now->width, n = now->width * now->height;
    auto differs = [&](int i) { return getPixel(now, i % w, i / w) != getPixel(was, i % w, i / w); };
    PutWord(out, static_cast<uint32_t>(now->width));
    PutWord(out, static_cast<uint32_t>(now->height));
    for (int i = 0; i < n;) {
        if (!differs(i)) {
            ++i;
            continue;
        }
        int end = i;
        while (end < n && differs(end)) ++end;
        PutWord(out, static_cast<uint32_t>(i));
        PutWord(out, static_cast<uint32_t>(end - i));
        for (; i < end; ++i) {
            const uint16_t pixel = getPixel(now, i % w, i / w);
            Put(out, &pixel, sizeof pixel);
        }
    }
    PutWord(out, static_cast<uint32_t>(n));
    PutWord(out, 0);
}

bool TakeChanges(Reader& in, Surface* surface) {
    uint32_t w, h;
    if (!in.TakeWord(w) || !in.TakeWord(h) || w != static_cast<uint32_t>(surface->width) ||
        h != static_cast<uint32_t>(surface->height))
        return false;
    const uint32_t n = w * h;
    for (uint32_t next = 0;;) {
        uint32_t start, length;
        if (!in.TakeWord(start) || !in.TakeWord(length) || start < next || start > n || length > n - start) return false;
        if (length == 0) return true;
        for (uint32_t i = start; i < start + length; ++i) {
            uint16_t pixel;
            if (!in.Take(&pixel, sizeof pixel)) return false;
            putPixel(surface, static_cast<int>(i % w), static_cast<int>(i / w), pixel);
        }
        next = start + length;
    }
}

uint32_t Checksum(const uint8_t* bytes, size_t size) {
    uint32_t sum = 2166136261u;  // FNV-1a
    for (size_t i = 0; i < size; ++i) sum = (sum ^ bytes[i]) * 16777619u;
    return sum;
}

std::string KeptPath() { return PlayerFolder() + kKeptName; }

void RemoveKeptFile() { std::remove(KeptPath().c_str()); }

std::vector<uint8_t> ReadKeptFile() {
    std::vector<uint8_t> bytes;
    FILE* file = std::fopen(KeptPath().c_str(), "rb");
    if (!file) return bytes;
    uint8_t chunk[65536];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0 && bytes.size() <= kLargestFile;)
        bytes.insert(bytes.end(), chunk, chunk + got);
    std::fclose(file);
    return bytes;
}

// The payload of a file this game wrote whole, or false.
bool OpenPayload(const std::vector<uint8_t>& bytes, Reader& payload) {
    if (bytes.size() < kHeaderBytes || bytes.size() > kLargestFile || std::memcmp(bytes.data(), kMark, sizeof kMark))
        return false;
    uint32_t length, sum;
    std::memcpy(&length, bytes.data() + sizeof kMark, 4);
    std::memcpy(&sum, bytes.data() + sizeof kMark + 4, 4);
    payload = Reader{bytes.data() + kHeaderBytes, bytes.size() - kHeaderBytes};
    return length == payload.left && Checksum(payload.at, payload.left) == sum;
}

// The level's pictures as loading gives them, before play changed them.
void LoadFreshScenery(Surface*& map, Surface*& view) {
    LoadLevelScenery(currentLevel, PictureSetOf(currentLevel), map, view);
}
}  // namespace

void KeepGameInProgress() {
    if (!gameInProgress || !collisionMap || !sceneryView) {
        RemoveKeptFile();
        return;
    }
    const uint32_t programRandom = randState;
    if (restoredWaiting) randState = restoredRandom;
    std::vector<uint8_t> payload = EncodePlay();
    randState = programRandom;
    Surface *map = nullptr, *view = nullptr;
    LoadFreshScenery(map, view);
    if (!map || !view) {
        LogMessage(0, "[WARNING] Unable to keep the game in progress: the level's pictures are missing.\n");
    } else {
        PutChanges(payload, collisionMap, map);
        PutChanges(payload, sceneryView, view);
        std::vector<uint8_t> file(kMark, kMark + sizeof kMark);
        PutWord(file, static_cast<uint32_t>(payload.size()));
        PutWord(file, Checksum(payload.data(), payload.size()));
        file.insert(file.end(), payload.begin(), payload.end());
        if (!WriteFileAtomically(PlayerFileForWriting(kKeptName), file.data(), file.size()))
            LogMessage(0, "[WARNING] Unable to keep the game in progress.\n");
    }
    if (map) removeSurface(map);
    if (view) removeSurface(view);
}

bool RestoreKeptGame() {
    const std::vector<uint8_t> bytes = ReadKeptFile();
    if (bytes.empty()) return false;
    const std::vector<uint8_t> before = EncodePlay();
    const int32_t chosenDifficulty = difficulty;
    const uint32_t programRandom = randState;
    Reader payload{};
    bool restored = OpenPayload(bytes, payload) && DecodePlay(payload) && PlayIsSound() &&
                    difficulty == chosenDifficulty;  // a changed difficulty ends a game
    if (restored) {
        LoadLevelPictures(currentLevel, PictureSetOf(currentLevel));
        sceneryPristine = createSurface(sceneryView->width, sceneryView->height);
        centerSurface(sceneryPristine, sceneryView);
        restored = TakeChanges(payload, collisionMap) && TakeChanges(payload, sceneryView) && payload.left == 0;
        if (!restored) UnloadLevel();
    }
    if (!restored) {
        Reader back{before.data(), before.size()};
        DecodePlay(back);
        LogMessage(0, "[WARNING] " + KeptPath() + " is damaged or not from this game; it is ignored.\n");
        return false;
    }
    restoredRandom = randState;
    randState = programRandom;
    restoredWaiting = true;
    playfieldImage = createSurface(sceneryView->width, sceneryView->height);
    ComposePlayfield();
    gameInProgress = 1;
    return true;
}

void ResumeKeptGame() {
    if (restoredWaiting) randState = restoredRandom;
    restoredWaiting = false;
    RemoveKeptFile();
}

void ForgetKeptGame() {
    restoredWaiting = false;
    RemoveKeptFile();
}

#include "play/play_fixture.h"

#include <cstring>

#include "game/game_state.h"
#include "game/play/balls.h"
#include "game/play/block_set.h"
#include "game/play/blocks.h"
#include "game/play/debris.h"
#include "game/play/explosions.h"
#include "game/play/level.h"
#include "game/play/paddle.h"
#include "game/play/play_tick.h"
#include "game/play/power_ups.h"
#include "game/play/tables.h"
#include "gfx/assets.h"
#include "shell/paths.h"
#include "shell/random.h"

void ResetPlayState() {
    ResetGameState();
    randState = 1;
    FillTrigTables();
    setGamma(128);
    ResetPlay();
    paddleHalfWidth = paddleTargetHalfWidth = BasePaddleHalfWidth();
    paddleZoneHeight = paddleTargetZoneHeight = BaseZoneHeight();
}

std::string DataLevelPath(int level) { return dataFolder + LevelFileName(level); }

void FillWith(Surface* s, uint16_t colour) {
    for (int y = 0; y < s->height; ++y)
        for (int x = 0; x < s->width; ++x) putPixel(s, x, y, colour);
}

void PlayFieldTest::SetUp() {
    ResetPlayState();
    currentMode = ModePlay;
    backSurface = createSurface(640, 480);
    collisionMap = createSurface(330, 440);
    sceneryView = createSurface(330, 440);
    sceneryPristine = createSurface(330, 440);
    playfieldImage = createSurface(330, 440);
    blockSetImage = createSurface(330, 440);
    workSurface = createSurface(330, 440);
    // A paddle far below the field, so that balls meet it only when a test says so.
    paddleX = 165;
    paddleY = 2000;
}

void PlayFieldTest::TearDown() {
    SetPlayerFolder("");
    for (Surface** s : {&backSurface, &collisionMap, &sceneryView, &sceneryPristine, &playfieldImage, &blockSetImage,
                        &workSurface})
        if (*s) removeSurface(*s);
}

void PlayFieldTest::PaintMap(int x, int y, int w, int h, uint16_t colour) {
    for (int i = x; i < x + w; ++i) {
        for (int j = y; j < y + h; ++j) {
            putPixel(collisionMap, i, j, colour);
            putPixel(sceneryView, i, j, packColour(12, 12, 12));
        }
    }
}

int PlayFieldTest::AddShape(int srcX, int srcY, int w, int h) {
    for (int i = 0; i < w; ++i)
        for (int j = 0; j < h; ++j) putPixel(blockSetImage, srcX + i, srcY + j, kShapeColour);
    BlockDesc& d = blockDescs[blockDescCount];
    d.srcX = static_cast<uint16_t>(srcX);
    d.srcY = static_cast<uint16_t>(srcY);
    d.width = static_cast<uint8_t>(w);
    d.height = static_cast<uint8_t>(h);
    return blockDescCount++;
}

int PlayFieldTest::PlaceBlock(int x, int y, int kind, int powerUp) {
    AddLevelBlock(x, y, kind, powerUp);
    CountIndestructible();
    ComposePlayfield();
    return levelBlockCount - 1;
}

void PlayFieldTest::BuildWalls() {
    PaintMap(0, 0, 10, 440, kWallBlue);
    PaintMap(320, 0, 10, 440, kWallBlue);
    PaintMap(0, 0, 330, 10, kWallBlue);
}

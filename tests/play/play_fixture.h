// A playfield built by the test: the level surfaces at their real size, a block
// set made in memory and every gameplay table emptied, so that each test starts
// from the same program-wide state and the same random stream.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "gfx/surface.h"

constexpr uint16_t kWallBlue = 31;              // (0, 0, 31)
constexpr uint16_t kSandGreen = 31 << 6;        // (0, 31, 0)
constexpr uint16_t kShapeColour = (20 << 11) | (10 << 6) | 5;

// Puts every gameplay table, the paddle, the game state and the random stream
// back to their start values.
void ResetPlayState();
// A level file in the Data folder.
std::string DataLevelPath(int level);
// Sets every pixel of a surface to one colour.
void FillWith(Surface* s, uint16_t colour);

class PlayFieldTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Fills a rectangle of the collision map (and the scenery, in grey) solid.
    static void PaintMap(int x, int y, int w, int h, uint16_t colour);
    // Block kind k of the test set: a solid shape of w x h at (srcX, srcY) of the
    // block-set picture. Kinds are added in order.
    static int AddShape(int srcX, int srcY, int w, int h);
    // Places a block and stamps the playfield.
    static int PlaceBlock(int x, int y, int kind, int powerUp = 0);
    // Closes the field with walls on the left, top and right.
    static void BuildWalls();
};

// The level editor on a playfield built in memory: painting, placing rules,
// lifting and dropping, erasing, power-up marking, tightening and saving.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "game/game_state.h"
#include "game/input/editor.h"
#include "game/play/level.h"
#include "play/play_fixture.h"
#include "app/events.h"
#include "shell/paths.h"
#include "shell/platform.h"
#include "test_support.h"

namespace {
// Screen position of a playfield point in the editor.
constexpr int ScreenX(int x) { return x + kEditorFieldX; }
constexpr int ScreenY(int y) { return y + kEditorFieldY; }

class EditorTest : public PlayFieldTest {
protected:
    void SetUp() override {
        PlayFieldTest::SetUp();
        currentMode = ModeLevelEditor;
        editorKind = editorPowerUp = -1;
        liftedFromLevel = 0;
        mouseButtonDown = 0;
        small = AddShape(0, 0, 20, 10);  // palette: screen x 155..175, y 440..450
        wide = AddShape(0, 20, 40, 10);  // palette: screen x 177..217
        SetPlayerFolder(folder.path);
    }

    // The pointer moves (the frame follows it, as every frame does), dragging
    // while the button is held.
    void MoveTo(int x, int y) {
        mouseX = x;
        mouseY = y;
        DrawLevelEditor();
        LevelEditorInput(MsgMouseMove, 0, 0);
    }
    void Press(int x, int y) {
        MoveTo(x, y);
        mouseButtonDown = 1;
        LevelEditorInput(MsgLeftDown, 0, 0);
    }
    void Release() {
        mouseButtonDown = 0;
        LevelEditorInput(MsgLeftUp, 0, 0);
    }
    void Key(int32_t code) { LevelEditorInput(MsgKeyUp, static_cast<uint32_t>(code), 0); }
    // Takes the small shape from the palette; it is held by its centre (10, 5).
    void TakeSmallShape() {
        Press(160, 445);
        Release();
        ASSERT_EQ(editorKind, small);
    }
    // Tries to paint the small shape with its top-left at playfield (x, y).
    void PaintAt(int x, int y) {
        Press(ScreenX(x + 10), ScreenY(y + 5));
        Release();
    }

    TempDir folder;
    int small = 0, wide = 0;
};

TEST_F(EditorTest, DraggingAPaletteShapePaintsATrailOfNonOverlappingCopies) {
    TakeSmallShape();
    EXPECT_EQ(levelBlockCount, 0) << "taking a shape paints nothing";
    Press(ScreenX(50 + 10), ScreenY(100 + 5));
    for (int x = 51; x <= 100; ++x) MoveTo(ScreenX(x + 10), ScreenY(100 + 5));
    Release();
    ASSERT_EQ(levelBlockCount, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(levelBlocks[i].x, 50 + 20 * i);
        EXPECT_EQ(levelBlocks[i].y, 100);
        EXPECT_EQ(levelBlocks[i].kind, small);
    }
    EXPECT_EQ(editorKind, small) << "painting goes on until Escape";
    Key(0x1B);
    EXPECT_EQ(editorKind, -1);
    EXPECT_EQ(currentMode, ModeLevelEditor);
}

TEST_F(EditorTest, APlacementOverSceneryOrABlockIsRefusedAndOverhangOnlyRightAndBelow) {
    PaintMap(100, 100, 10, 10, kSandGreen);
    PlaceBlock(200, 200, small);
    TakeSmallShape();
    PaintAt(95, 95);    // one pixel onto the sand
    PaintAt(181, 191);  // one pixel onto the block
    EXPECT_EQ(levelBlockCount, 1);
    PaintAt(70, 95);  // left of the sand: free
    EXPECT_EQ(levelBlockCount, 2);

    PaintAt(320, 50);  // sticks out 10 pixels on the right
    PaintAt(50, 435);  // sticks out 5 pixels below
    ASSERT_EQ(levelBlockCount, 4);
    EXPECT_EQ(levelBlocks[2].x, 320);
    EXPECT_EQ(levelBlocks[3].y, 435);

    PaintAt(-1, 50);  // would need a negative position
    PaintAt(50, -3);
    EXPECT_EQ(levelBlockCount, 4);
    EXPECT_EQ(editorKind, small) << "a refused shape stays in hand";
}

TEST_F(EditorTest, LiftingADecoratedBlockAndDroppingItStripsItsPowerUp) {
    PlaceBlock(60, 60, wide, 6);
    Press(ScreenX(70), ScreenY(63));
    EXPECT_EQ(levelBlockCount, 0) << "the block is lifted out of the level";
    EXPECT_EQ(editorKind, wide);
    EXPECT_EQ(liftedFromLevel, 1);
    EXPECT_EQ(grabX, 10);
    EXPECT_EQ(grabY, 3);
    MoveTo(ScreenX(150), ScreenY(203));
    Release();
    ASSERT_EQ(levelBlockCount, 1);
    EXPECT_EQ(levelBlocks[0].x, 140);
    EXPECT_EQ(levelBlocks[0].y, 200);
    EXPECT_EQ(levelBlocks[0].powerUp, 0);
    EXPECT_EQ(editorKind, -1) << "one drop ends the move";
    EXPECT_EQ(liftedFromLevel, 0);
}

TEST_F(EditorTest, ALiftedBlockThatDoesNotFitStaysInHandAndEscapeDropsItForGood) {
    PaintMap(0, 300, 330, 20, kWallBlue);
    PlaceBlock(60, 60, small);
    Press(ScreenX(65), ScreenY(65));
    MoveTo(ScreenX(65), ScreenY(305));
    Release();
    EXPECT_EQ(levelBlockCount, 0);
    EXPECT_EQ(editorKind, small) << "released over a wall: still in hand";
    Key(0x1B);
    EXPECT_EQ(editorKind, -1);
    EXPECT_EQ(levelBlockCount, 0);
    EXPECT_EQ(currentMode, ModeLevelEditor);
    Key(0x1B);
    EXPECT_EQ(currentMode, ModeMainMenu);
    EXPECT_EQ(ReadFile(folder.path + "level0.dat").size(), 0u) << "the level is saved without the block";
}

TEST_F(EditorTest, DraggingOverBlocksErasesThemOrMarksThemWithTheSelectedPowerUp) {
    for (int i = 0; i < 4; ++i) PlaceBlock(40 + 20 * i, 80, small, i == 0 ? 9 : 0);
    // The power-up palette sits 12 pixels above the block palette row, 24 apart.
    Press(ScreenX(12 + 24 * 3), 440 - 12);
    Release();
    EXPECT_EQ(editorPowerUp, 3);
    EXPECT_EQ(editorKind, -1);
    Press(ScreenX(200), ScreenY(200));  // an empty place
    EXPECT_EQ(levelBlockCount, 4);
    for (int x = 45; x < 100; ++x) MoveTo(ScreenX(x), ScreenY(85));
    Release();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(levelBlocks[i].powerUp, 4) << i;
    EXPECT_EQ(levelBlocks[3].powerUp, 0) << "the pointer never reached it";

    Key(0x1B);  // the selection ends; now a drag erases
    Press(ScreenX(200), ScreenY(200));
    MoveTo(ScreenX(45), ScreenY(85));
    MoveTo(ScreenX(85), ScreenY(85));
    Release();
    EXPECT_EQ(levelBlockCount, 2);
    EXPECT_EQ(editorKind, -1) << "a drag erases, it does not lift";
}

TEST_F(EditorTest, PaintedShapesCarryTheSelectedPowerUp) {
    Press(ScreenX(12 + 24), 440 - 12);
    Release();
    TakeSmallShape();
    EXPECT_EQ(editorPowerUp, 1) << "taking a shape keeps the power-up";
    PaintAt(30, 30);
    ASSERT_EQ(levelBlockCount, 1);
    EXPECT_EQ(levelBlocks[0].powerUp, 2);
}

TEST_F(EditorTest, TighteningClosesSmallGapsTowardsTheCentreOnly) {
    PlaceBlock(100, 100, small);  // centre y 105, above the line
    PlaceBlock(100, 113, small);  // centre y 118: on the line
    PlaceBlock(100, 127, small);  // gap 4 below the middle block
    PlaceBlock(100, 150, small);  // gap 13 below: stays
    PlaceBlock(200, 113, small);  // alone
    PlaceBlock(200, 98, small);   // gap 5 above it: stays
    editorCentreX = 165;
    editorCentreY = 118;
    Key(0x25);
    EXPECT_EQ(levelBlocks[0].y, 103);
    EXPECT_EQ(levelBlocks[1].y, 113);
    EXPECT_EQ(levelBlocks[2].y, 123);
    EXPECT_EQ(levelBlocks[3].y, 150);
    EXPECT_EQ(levelBlocks[4].y, 113);
    EXPECT_EQ(levelBlocks[5].y, 98);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(levelBlocks[i].x, i < 4 ? 100 : 200);

    // The map follows the blocks: the rows the third block left are free again.
    TakeSmallShape();
    PaintAt(100, 133);
    EXPECT_EQ(levelBlockCount, 7);
}

TEST_F(EditorTest, HorizontalTighteningMovesOnePixelPerPassAtMost) {
    PlaceBlock(100, 50, small);  // centre x 110, 2 pixels short of its right neighbour
    PlaceBlock(122, 50, small);
    PlaceBlock(142, 50, small);  // touches the second; nothing to its right
    editorCentreX = 200;
    editorCentreY = 0;
    Key(0x27);
    EXPECT_EQ(levelBlocks[0].x, 102);
    EXPECT_EQ(levelBlocks[1].x, 122) << "it already touches its neighbour towards the centre";
    EXPECT_EQ(levelBlocks[2].x, 142);
    EXPECT_FALSE(BlockOverlapsAt(0, 0, 0)) << "touching is not overlapping";
    EXPECT_TRUE(BlockOverlapsAt(0, 1, 0));
}

TEST_F(EditorTest, TheCentreOfALevelWithoutBlocksIsThePlayfieldCentre) {
    ComputeEditorCentre();
    EXPECT_EQ(editorCentreX, 165);
    EXPECT_EQ(editorCentreY, 220);
    PlaceBlock(10, 10, small);
    PlaceBlock(51, 30, wide);
    ComputeEditorCentre();
    EXPECT_EQ(editorCentreX, (20 + 71) / 2);
    EXPECT_EQ(editorCentreY, (15 + 35) / 2);
}

TEST_F(EditorTest, TheLevelStepKeysStopAtTheFirstAndLastLevel) {
    currentLevel = 0;
    Key(0x28);
    EXPECT_EQ(currentLevel, 0);
    currentLevel = 99;
    Key(0x26);
    EXPECT_EQ(currentLevel, 99);
}

int boxes;
std::string boxText, boxCaption;
int RecordBox(const char* text, const char* caption, MessageButtons) {
    ++boxes;
    boxText = text;
    boxCaption = caption;
    return AnswerOk;
}

TEST_F(EditorTest, AFailedSaveIsShownToThePlayer) {
    PlaceBlock(30, 30, small);
    currentLevel = 7;
    ASSERT_TRUE(SaveEditedLevel());
    EXPECT_EQ(ReadFile(folder.path + "level7.dat").size(), 12u);

    std::filesystem::create_directories(folder.path + "level8.dat");
    const Platform saved = platform;
    platform.messageBox = RecordBox;
    boxes = 0;
    currentLevel = 8;
    EXPECT_FALSE(SaveEditedLevel());
    platform = saved;
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(boxText, "Unable to save level.");
    EXPECT_EQ(boxCaption, "ERROR");
}
}  // namespace

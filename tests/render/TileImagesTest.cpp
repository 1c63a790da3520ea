#include <gtest/gtest.h>

#include <string>

#include "CapturedOutput.h"
#include "ReleasingGraphics.h"
#include "TestDirs.h"
#include "world/Level.h"

namespace {

// A level whose cells all start EMPTY, without reading any file.
Level emptyLevel(int32_t rows, int32_t columns) {
    return Level(rows, columns, [](const std::string&) { return Tile(0, 0, 64, EMPTY); });
}

Tile placed(TileType type, int32_t graphicIndex) {
    Tile t(0, 0, 64, type);
    t.graphicIndex = graphicIndex;
    return t;
}

// Runs in a content tree holding the fonts and a picture for "wall_0" and for "robot".
class TileImagesTest : public testing::Test {
protected:
    TileImagesTest() : inside_(dir_.path()) {}

    void SetUp() override {
        for (const char* font : {"kestrine_9", "kestrine_9_negative"}) {
            dir_.copyIn(original_ / "data/images/fonts" / (std::string(font) + ".png"),
                        std::string("data/images/fonts/") + font + ".png");
        }
        dir_.copyIn(original_ / "data/images/icon.png", "data/images/tiles/wall_0.png");
        dir_.copyIn(original_ / "data/images/icon.png", "data/images/entities/robot.png");
        graphics_ = std::make_unique<ReleasingGraphics>(768, 512, 64);
    }

    const std::filesystem::path original_ = std::filesystem::current_path();
    TempDir dir_;
    ScopedWorkingDir inside_;
    std::unique_ptr<ReleasingGraphics> graphics_;
};

TEST_F(TileImagesTest, EmptyTilesGetNoImage) {
    Level level = emptyLevel(2, 2);
    level.insertTile(placed(EMPTY, 6), 1, 1);
    Tile empty = placed(EMPTY, 3);
    captureStdout();
    graphics_->registerTile(&empty, "empty", &level);
    EXPECT_EQ(capturedStdout(), "");
    EXPECT_EQ(empty.graphicIndex, 3);
    EXPECT_EQ(graphics_->tileCount, 0);
}

TEST_F(TileImagesTest, ANewTypeLoadsItsImageIntoTheNextSlot) {
    Level level = emptyLevel(2, 2);
    Tile wall = placed(WALL_0, 9);
    captureStdout();
    graphics_->registerTile(&wall, "wall_0", &level);
    EXPECT_EQ(capturedStdout(), "");
    EXPECT_EQ(wall.graphicIndex, 0);
    EXPECT_EQ(graphics_->tileCount, 1);
    ASSERT_NE(graphics_->tileSurfaces[0], nullptr);
    EXPECT_TRUE(graphics_->tileSurfaces[0]->flags & SDL_SRCCOLORKEY);

    // A type without a picture is reported, numbered all the same, and its slot stays empty.
    Tile square = placed(SQUARE_0, 9);
    captureStdout();
    graphics_->registerTile(&square, "square_0", &level);
    const std::string out = capturedStdout();
    EXPECT_EQ(out.rfind("Unable to load bitmap: ", 0), 0u) << out;
    EXPECT_NE(out.find("data/images/tiles/square_0.png"), std::string::npos) << out;
    EXPECT_EQ(square.graphicIndex, 1);
    EXPECT_EQ(graphics_->tileCount, 2);
    EXPECT_EQ(graphics_->tileSurfaces[1], nullptr);
}

TEST_F(TileImagesTest, ATypeInTheLevelSharesTheFirstSuchTilesImage) {
    Level level = emptyLevel(3, 6);
    level.insertTile(placed(SLOPE_GRADUAL_0, 4), 2, 0);
    level.insertTile(placed(SLOPE_GRADUAL_0, 7), 1, 5);  // first in row-major order
    level.insertTile(placed(SLOPE_GRADUAL_0, 8), 2, 3);
    graphics_->tileCount = 10;
    Tile slope = placed(SLOPE_GRADUAL_0, 0);
    captureStdout();
    graphics_->registerTile(&slope, "slope_gradual_0", &level);
    EXPECT_EQ(capturedStdout(), "");
    EXPECT_EQ(slope.graphicIndex, 7);
    EXPECT_EQ(graphics_->tileCount, 10);
    graphics_->tileCount = 0;
}

TEST_F(TileImagesTest, ATypeThatLeftTheLevelGetsBackItsEarlierPicture) {
    Level level = emptyLevel(2, 2);
    Tile first = placed(WALL_0, 9);
    captureStdout();
    graphics_->registerTile(&first, "wall_0", &level);
    EXPECT_EQ(capturedStdout(), "");
    ASSERT_EQ(first.graphicIndex, 0);
    ASSERT_EQ(graphics_->tileCount, 1);

    // No wall in the level: the picture loaded before is found all the same, nothing is
    // loaded again, and a failed load is not tried (or reported) twice either.
    for (int round = 0; round < 70; ++round) {
        Tile again = placed(WALL_0, 9);
        Tile missing = placed(SQUARE_0, 9);
        captureStdout();
        graphics_->registerTile(&again, "wall_0", &level);
        graphics_->registerTile(&missing, "square_0", &level);
        const std::string out = capturedStdout();
        EXPECT_EQ(again.graphicIndex, 0);
        EXPECT_EQ(missing.graphicIndex, 1);
        EXPECT_EQ(out.empty(), round > 0) << out;
    }
    EXPECT_EQ(graphics_->tileCount, 2);
}

TEST_F(TileImagesTest, AFullTableLeavesTheTileAloneEvenWhenItsTypeIsInTheLevel) {
    Level level = emptyLevel(1, 2);
    level.insertTile(placed(WALL_0, 5), 0, 1);
    for (int32_t counter : {64, 65, -1}) {
        SCOPED_TRACE(counter);
        graphics_->tileCount = counter;
        Tile wall = placed(WALL_0, 12);
        captureStdout();
        graphics_->registerTile(&wall, "wall_0", &level);
        EXPECT_EQ(capturedStdout(), "");
        EXPECT_EQ(wall.graphicIndex, 12);
        EXPECT_EQ(graphics_->tileCount, counter);
    }
    graphics_->tileCount = 0;
}

TEST_F(TileImagesTest, EntitySheetsTakeSlotsUntilTheTableIsFull) {
    Entity robot(0, 0, 32, 21);
    robot.graphicIndex = 3;
    captureStdout();
    graphics_->registerEntity(&robot, "robot");
    EXPECT_EQ(capturedStdout(), "");
    EXPECT_EQ(robot.graphicIndex, 0);
    ASSERT_NE(graphics_->entitySurfaces[0], nullptr);

    for (int i = 1; i < 4; ++i) {
        Entity other;
        captureStdout();
        graphics_->registerEntity(&other, "robot");
        capturedStdout();
        EXPECT_EQ(other.graphicIndex, i);
    }
    Entity fifth;
    fifth.graphicIndex = 2;
    captureStdout();
    graphics_->registerEntity(&fifth, "robot");
    EXPECT_EQ(capturedStdout(), "");
    EXPECT_EQ(fifth.graphicIndex, 2);
    EXPECT_EQ(graphics_->entityCount, 4);
}

}  // namespace

// The content the game ships, read the way the game reads it.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CapturedOutput.h"
#include "readers/EntityReader.h"
#include "readers/TileReader.h"

namespace {

// Every block can be drawn and stepped: a positive rate and a first animation with frames.
void expectPlayableBlocks(const Entity& e, const std::string& what) {
    ASSERT_FALSE(e.blocks.empty()) << what;
    for (const Block& b : e.blocks) {
        EXPECT_GT(b.frameRate, 0) << what;
        ASSERT_FALSE(b.animations.empty()) << what;
        EXPECT_FALSE(b.animations[0].frames.empty()) << what;
        for (const Rect& f : b.animations[0].frames) {
            EXPECT_GE(f.x, 0) << what;
            EXPECT_GE(f.y, 0) << what;
            EXPECT_GT(f.w, 0) << what;
            EXPECT_GT(f.h, 0) << what;
        }
    }
}

TEST(ShippedContent, EveryTileFileHasItsOwnTypeSide64AndPlayableBlocks) {
    TileReader reader;
    for (int32_t type = 0; type < kTileTypeCount; ++type) {
        const std::string name = tileTypeName(type);
        SCOPED_TRACE(name);
        captureStdout();
        const Tile t = reader.getTile(name);
        EXPECT_EQ(capturedStdout(), "");  // no missing file, no unknown keyword
        EXPECT_EQ(t.type, type);
        EXPECT_EQ(t.size, 64);
        EXPECT_EQ(t.box, (Rect{0, 0, 64, 64}));
        expectPlayableBlocks(t, name);
        for (const Block& b : t.blocks) {
            EXPECT_EQ(b.dst.w, 64);
            EXPECT_EQ(b.dst.h, 64);
        }
    }
}

TEST(ShippedContent, TheRobotIsABodyWithPlayableBlocks) {
    EntityReader reader;
    captureStdout();
    const Entity robot = reader.getEntity("robot");
    EXPECT_EQ(capturedStdout(), "");
    EXPECT_GT(robot.box.w, 0);
    EXPECT_GT(robot.box.h, 0);
    expectPlayableBlocks(robot, "robot");
    // The body covers the box, so a crash happens where the picture touches.
    bool bodyCoversBox = false;
    for (const Block& b : robot.blocks) {
        bodyCoversBox = bodyCoversBox || (b.xOff == 0 && b.yOff == 0 && b.dst.w == robot.box.w &&
                                          b.dst.h == robot.box.h);
    }
    EXPECT_TRUE(bodyCoversBox);
}

TEST(ShippedContent, TheLevelNamesA64ColumnTileForEachOfItsEightRows) {
    std::ifstream in("data/levels/level_0.lvl");
    ASSERT_TRUE(in.is_open());
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> row;
        std::istringstream words(line);
        for (std::string w; words >> w;) {
            TileType type = EMPTY;
            EXPECT_TRUE(tileTypeFromName(w, type)) << w;
            row.push_back(w);
        }
        EXPECT_EQ(row.size(), 64u);
        rows.push_back(row);
    }
    EXPECT_EQ(rows.size(), 8u);
}

}  // namespace

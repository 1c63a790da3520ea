#include <gtest/gtest.h>

#include <string>

#include "CapturedOutput.h"
#include "TestDirs.h"
#include "readers/TileReader.h"

namespace {

Tile readTileFile(const std::string& name, const std::string& text, std::string* output) {
    TempDir dir;
    dir.write("data/tiles/" + name + ".til", text);
    ScopedWorkingDir inside(dir.path());
    TileReader reader;
    captureStdout();
    Tile t = reader.getTile(name);
    *output = capturedStdout();
    return t;
}

const char* const kBody =
    "BLOCK\n"
    "0 0 64 0 0 18\n"
    "ANIMATION\n"
    "2\n"
    "0 0 64\n"
    "128 0 64\n"
    "ENDBLOCK\n";

TEST(TileReader, ReadsTypeBoxSideAndSquareBlocks) {
    std::string out;
    const Tile t = readTileFile("wall_90", std::string("WALL_90 0 0 64\n") + kBody, &out);
    EXPECT_EQ(out, "");
    EXPECT_EQ(t.type, WALL_90);
    EXPECT_EQ(t.box, (Rect{0, 0, 64, 64}));
    EXPECT_EQ(t.size, 64);
    EXPECT_EQ(t.half, 32);
    EXPECT_EQ(t.third, 21);
    EXPECT_EQ(t.quarter, 16);
    EXPECT_EQ(t.collisionAngle, -1);
    EXPECT_EQ(t.graphicIndex, 0);
    ASSERT_EQ(t.blocks.size(), 1u);
    EXPECT_EQ(t.blocks[0].dst, (Rect{0, 0, 64, 64}));
    EXPECT_EQ(t.blocks[0].frameRate, 18);
    ASSERT_EQ(t.blocks[0].animations.size(), 1u);
    EXPECT_EQ(t.blocks[0].animations[0].frames,
              (std::vector<Rect>{{0, 0, 64, 64}, {128, 0, 64, 64}}));
}

TEST(TileReader, TheTypeComesFromTheKeywordNotTheFileName) {
    std::string out;
    const Tile t = readTileFile("square_0", std::string("CURVE_CONCAVE_270 64 128 32\n"), &out);
    EXPECT_EQ(out, "");
    EXPECT_EQ(t.type, CURVE_CONCAVE_270);
    EXPECT_EQ(t.box, (Rect{64, 128, 32, 32}));
    EXPECT_EQ(t.half, 16);
    EXPECT_TRUE(t.blocks.empty());
}

TEST(TileReader, UnknownKeywordsAreReportedAndTheRestIsStillRead) {
    for (const char* keyword : {"wall_90", "WALL_91", "Wall_90", "EMPTYISH"}) {
        SCOPED_TRACE(keyword);
        std::string out;
        const Tile t = readTileFile("odd", std::string(keyword) + " 0 0 64\n" + kBody, &out);
        EXPECT_EQ(out, "Unable to open data/tiles/odd.til. TYPE \"" + std::string(keyword) +
                           "\" unknown.\n");
        EXPECT_EQ(t.type, EMPTY);
        EXPECT_EQ(t.size, 64);
        EXPECT_EQ(t.blocks.size(), 1u);
    }
}

TEST(TileReader, MissingFileIsReportedAndGivesTheDefaultTile) {
    TempDir dir;
    ScopedWorkingDir inside(dir.path());
    TileReader reader;
    captureStdout();
    const Tile t = reader.getTile("square_0");
    EXPECT_EQ(capturedStdout(), "Unable to open data/tiles/square_0.til\n");
    EXPECT_EQ(t.type, EMPTY);
    EXPECT_EQ(t.box, Rect{});
    EXPECT_EQ(t.size, 0);
    EXPECT_TRUE(t.blocks.empty());

    const std::string longName(300, 'q');
    captureStdout();
    const Tile tooLong = reader.getTile(longName);
    EXPECT_EQ(capturedStdout(), "Unable to open data/tiles/" + longName + ".til\n");
    EXPECT_EQ(tooLong.size, 0);
}

TEST(TileReader, BadInputStopsTheReadingCleanly) {
    const struct {
        const char* what;
        std::string text;
        TileType type;
        int32_t size;
        size_t blocks;
    } cases[] = {
        {"empty file", "", EMPTY, 0, 0},
        {"keyword only", "SQUARE_0\n", SQUARE_0, 0, 0},
        {"side missing", "SQUARE_0 0 0\n", SQUARE_0, 0, 0},
        {"word among frames",
         "SQUARE_0 0 0 64\nBLOCK\n0 0 64 0 0 2\nANIMATION\n1\n0 zero 64\n"
         "ENDBLOCK\n",
         SQUARE_0, 64, 0},
        {"huge frame count",
         "SQUARE_0 0 0 64\nBLOCK\n0 0 64 0 0 2\nANIMATION\n2000000000\n"
         "0 0 64\n64 0 64\n",
         SQUARE_0, 64, 0},
        {"ENDBLOCK first", "SQUARE_0 0 0 64\nENDBLOCK\n", SQUARE_0, 64, 0},
        {"garbage after a good block", std::string("SQUARE_0 0 0 64\n") + kBody + "\x01\x02\xff",
         SQUARE_0, 64, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string out;
        const Tile t = readTileFile("t", c.text, &out);
        EXPECT_EQ(out, "");
        EXPECT_EQ(t.type, c.type);
        EXPECT_EQ(t.size, c.size);
        EXPECT_EQ(t.blocks.size(), c.blocks);
    }
}

TEST(TileReader, EveryReadGivesAFreshIndependentTile) {
    TempDir dir;
    dir.write("data/tiles/square_0.til", std::string("SQUARE_0 0 0 64\n") + kBody);
    ScopedWorkingDir inside(dir.path());
    TileReader reader;
    Tile first = reader.getTile("square_0");
    const Tile second = reader("square_0");  // the loader form a level uses
    EXPECT_EQ(first.type, second.type);
    EXPECT_EQ(first.box, second.box);
    ASSERT_EQ(first.blocks.size(), 1u);
    EXPECT_EQ(first.blocks[0].animations[0].frames, second.blocks[0].animations[0].frames);
    first.blocks[0].animations[0].frames.clear();
    EXPECT_EQ(second.blocks[0].animations[0].frames.size(), 2u);
}

}  // namespace

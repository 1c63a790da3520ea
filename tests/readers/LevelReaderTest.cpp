#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CapturedOutput.h"
#include "ReleasingGraphics.h"
#include "TestDirs.h"
#include "readers/LevelReader.h"

namespace {

const char* const kBody =
    "BLOCK\n"
    "0 0 64 0 0 2\n"
    "ANIMATION\n"
    "2\n"
    "0 0 64\n"
    "64 0 64\n"
    "ENDBLOCK\n";

int countOf(const std::string& output, const std::string& part) {
    int n = 0;
    for (const std::string& line : outputLines(output)) {
        n += line.find(part) != std::string::npos ? 1 : 0;
    }
    return n;
}

// A content tree with a handful of tile files (no images) and a graphics context running in it.
class LevelReaderTest : public testing::Test {
protected:
    LevelReaderTest() : inside_(dir_.path()) {
        for (const char* name :
             {"empty", "square_0", "wall_0", "slope_moderate_0", "cliff_steep_90"}) {
            std::string keyword = name;
            for (char& c : keyword) {
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            }
            dir_.write(std::string("data/tiles/") + name + ".til", keyword + " 0 0 64\n" + kBody);
        }
        captureStdout();
        graphics_ = std::make_unique<ReleasingGraphics>(768, 512, 64);
        capturedStdout();
    }

    // Fills `level` from the level file holding `text`; returns what was written.
    std::string fill(Level& level, const std::string& text) {
        dir_.write("data/levels/test.lvl", text);
        captureStdout();
        reader_.populateLevel("test", level, *graphics_);
        return capturedStdout();
    }

    Level makeLevel(int32_t rows, int32_t columns) {
        captureStdout();
        Level level(rows, columns, TileReader());
        capturedStdout();
        return level;
    }

    TempDir dir_;
    ScopedWorkingDir inside_;
    std::unique_ptr<ReleasingGraphics> graphics_;
    LevelReader reader_;
};

TEST_F(LevelReaderTest, NamesFillTheGridRowByRowAndEachCellWritesItsType) {
    Level level = makeLevel(2, 3);
    const std::string out =
        fill(level, "square_0 wall_0 empty\n\n  slope_moderate_0\twall_0\r\ncliff_steep_90\n");
    EXPECT_EQ(typeLines(out), (std::vector<int>{1, 5, 0, 9, 5, 26}));
    EXPECT_EQ(level.grid[1][2].type, CLIFF_STEEP_90);
    EXPECT_EQ(level.grid[1][2].box, (Rect{128, 64, 64, 64}));
    EXPECT_EQ(level.grid[1][2].blocks.size(), 1u);
    EXPECT_EQ(level.grid[1][2].blocks[0].dst.x, 128);
    // One image per type: wall_0 at (1, 1) found the one loaded for (0, 1).
    EXPECT_EQ(graphics_->tileCount, 4);
    EXPECT_EQ(level.grid[0][0].graphicIndex, 0);
    EXPECT_EQ(level.grid[0][1].graphicIndex, 1);
    EXPECT_EQ(level.grid[1][0].graphicIndex, 2);
    EXPECT_EQ(level.grid[1][1].graphicIndex, 1);
    EXPECT_EQ(level.grid[1][2].graphicIndex, 3);
    EXPECT_EQ(countOf(out, "Unable to load bitmap"), 4);
}

TEST_F(LevelReaderTest, WordsThatAreNoNameRepeatTheLastNamedTile) {
    const struct {
        const char* what;
        const char* text;
        std::vector<int> types;
    } cases[] = {
        {"a stranger between two names", "wall_0 rock wall_0 empty", {5, 5, 5, 0}},
        {"keywords are not names", "square_0 SQUARE_0 Wall_0 empty", {1, 1, 1, 0}},
        {"nothing named yet gives the default tile", "rock square_0 pebble stone", {0, 1, 1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Level level = makeLevel(1, 4);
        const std::string out = fill(level, c.text);
        EXPECT_EQ(typeLines(out), c.types);
    }

    Level level = makeLevel(1, 4);
    fill(level, "rock wall_0 rock wall_0");
    // Before any name: the default tile, side 0, placed at (0, 0) without blocks.
    EXPECT_EQ(level.grid[0][0].size, 0);
    EXPECT_EQ(level.grid[0][0].box, Rect{});
    EXPECT_TRUE(level.grid[0][0].blocks.empty());
    // The stranger's cell holds a copy of the tile read for the name before it.
    EXPECT_EQ(level.grid[0][2].type, WALL_0);
    EXPECT_EQ(level.grid[0][2].graphicIndex, level.grid[0][1].graphicIndex);
    EXPECT_EQ(level.grid[0][2].box.x, 128);
    EXPECT_EQ(level.grid[0][2].blocks.size(), 1u);
}

TEST_F(LevelReaderTest, AShortFileRepeatsItsLastWordToTheEnd) {
    Level level = makeLevel(2, 8);
    const std::string out = fill(level,
                                 "empty empty square_0 empty wall_0 wall_0 empty empty "
                                 "square_0 slope_moderate_0");
    EXPECT_EQ(typeLines(out), (std::vector<int>{0, 0, 1, 0, 5, 5, 0, 0, 1, 9, 9, 9, 9, 9, 9, 9}));
    for (int32_t c = 2; c < 8; ++c) {
        EXPECT_EQ(level.grid[1][c].type, SLOPE_MODERATE_0);
        EXPECT_EQ(level.grid[1][c].box.x, c * 64);
    }

    // A file that ends before its last word was ever a name: the default tile throughout.
    Level blank = makeLevel(1, 3);
    EXPECT_EQ(typeLines(fill(blank, " \n\n")), (std::vector<int>{0, 0, 0}));
}

TEST_F(LevelReaderTest, WordsBeyondTheLastCellAreNeverRead) {
    std::string text;
    for (int i = 0; i < 512; ++i) {
        text += i % 3 == 0 ? "wall_0 " : "empty ";
    }
    for (int i = 512; i < 1000; ++i) {
        text += "square_0 ";
    }
    Level level = makeLevel(8, 64);
    const std::string out = fill(level, text);
    const std::vector<int> types = typeLines(out);
    ASSERT_EQ(types.size(), 512u);
    for (int i = 0; i < 512; ++i) {
        ASSERT_EQ(types[i], i % 3 == 0 ? WALL_0 : EMPTY) << i;
        ASSERT_EQ(level.grid[i / 64][i % 64].type, types[i]) << i;
    }
    EXPECT_EQ(graphics_->tileCount, 1);  // square_0 never reached the registry
}

TEST_F(LevelReaderTest, FillingAgainLoadsNoImageAndGivesTheSameCells) {
    const std::string text =
        "square_0 wall_0 square_0 slope_moderate_0\n"
        "wall_0 empty cliff_steep_90 square_0\n";
    Level level = makeLevel(2, 4);
    fill(level, text);
    const int32_t loaded = graphics_->tileCount;
    std::vector<std::pair<int, int>> first;
    for (const auto& cells : level.grid) {
        for (const Tile& t : cells) {
            first.emplace_back(t.type, t.graphicIndex);
        }
    }
    level.scroll(-24, 0);  // a refill comes mid-scroll after a crash
    const std::string out = fill(level, text);
    EXPECT_EQ(countOf(out, "Unable to load bitmap"), 0);
    EXPECT_EQ(graphics_->tileCount, loaded);
    std::vector<std::pair<int, int>> second;
    for (const auto& cells : level.grid) {
        for (const Tile& t : cells) {
            second.emplace_back(t.type, t.graphicIndex);
        }
    }
    EXPECT_EQ(first, second);
    EXPECT_EQ(level.grid[1][3].box.x, 192);
}

TEST_F(LevelReaderTest, MissingFilesAreReportedAndTheGameGoesOn) {
    Level level = makeLevel(1, 2);
    fill(level, "square_0 square_0");
    captureStdout();
    reader_.populateLevel("no_such_level", level, *graphics_);
    std::string out = capturedStdout();
    EXPECT_EQ(out, "Unable to open data/levels/no_such_level.lvl\n");
    EXPECT_EQ(level.grid[0][1].type, SQUARE_0);  // the level keeps its cells

    const std::string longName(250, 'v');
    captureStdout();
    reader_.populateLevel(longName, level, *graphics_);
    EXPECT_EQ(capturedStdout(), "Unable to open data/levels/" + longName + ".lvl\n");

    // A name whose tile file is missing: reported for each cell, which gets the default tile.
    out = fill(level, "curve_convex_0 curve_convex_0");
    EXPECT_EQ(countOf(out, "Unable to open data/tiles/curve_convex_0.til"), 2);
    EXPECT_EQ(typeLines(out), (std::vector<int>{0, 0}));
    EXPECT_EQ(level.grid[0][1].box, Rect{});
}

}  // namespace

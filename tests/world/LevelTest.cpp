#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "world/Level.h"

namespace {

// Stands in for the tile files: every name gives a fresh 64-pixel tile of that type with one
// animated block, and every read is written down.
struct FakeTiles {
    std::shared_ptr<std::vector<std::string>> reads = std::make_shared<std::vector<std::string>>();
    int32_t emptySize = 64;

    TileLoader loader() const {
        auto log = reads;
        const int32_t empty = emptySize;
        return [log, empty](const std::string& name) {
            log->push_back(name);
            TileType type = EMPTY;
            tileTypeFromName(name, type);
            Tile t(0, 0, type == EMPTY ? empty : 64, type);
            AnimatedSprite s(0, 0, 64, 64, 2);
            Animation a;
            a.frames.push_back(Rect{0, 0, 64, 64});
            a.frames.push_back(Rect{64, 0, 64, 64});
            s.push_animation(a);
            t.addSprite(s, 0, 0);
            return t;
        };
    }
};

Tile tileOf(TileType type, int32_t graphicIndex) {
    Tile t(0, 0, 64, type);
    t.graphicIndex = graphicIndex;
    return t;
}

// Column c of every row gets a type of its own, so shifts can be followed.
void fillByColumn(Level& level) {
    for (int32_t r = 0; r < level.rows; ++r) {
        for (int32_t c = 0; c < level.columns; ++c) {
            level.insertTile(tileOf(static_cast<TileType>(c % kTileTypeCount), c), r, c);
        }
    }
}

void expectCellsAt(const Level& level, int32_t offsetX, int32_t offsetY) {
    for (int32_t r = 0; r < level.rows; ++r) {
        for (int32_t c = 0; c < level.columns; ++c) {
            const Tile& t = level.grid[r][c];
            ASSERT_EQ(t.box.x, c * 64 + offsetX) << r << "," << c;
            ASSERT_EQ(t.box.y, r * 64 + offsetY) << r << "," << c;
            if (!t.blocks.empty()) {
                ASSERT_EQ(t.blocks[0].dst.x, t.box.x);
                ASSERT_EQ(t.blocks[0].dst.y, t.box.y);
            }
        }
    }
}

TEST(Level, ConstructionFillsEveryCellWithTheEmptyTileAtItsPlace) {
    FakeTiles files;
    const Level level(8, 64, files.loader());
    EXPECT_EQ(*files.reads, std::vector<std::string>{"empty"});
    EXPECT_EQ(level.getRows(), 8);
    EXPECT_EQ(level.getColumns(), 64);
    EXPECT_EQ(level.scrollX, 0);
    EXPECT_EQ(level.scrollY, 0);
    ASSERT_EQ(level.grid.size(), 8u);
    for (const std::vector<Tile>& cells : level.grid) {
        ASSERT_EQ(cells.size(), 64u);
        for (const Tile& t : cells) {
            EXPECT_EQ(t.type, EMPTY);
            EXPECT_EQ(t.blocks.size(), 1u);  // a full copy, blocks included
        }
    }
    expectCellsAt(level, 0, 0);
}

TEST(Level, InsertTilePlacesACopyAtTheUnscrolledCell) {
    FakeTiles files;
    Level level(8, 64, files.loader());
    level.scroll(-24, 0);
    Tile t = tileOf(WALL_0, 3);
    t.addSprite(AnimatedSprite(0, 0, 64, 64, 2), 0, 0);
    t.box.x = 500;
    t.box.y = 500;
    t.dx = 4;
    t.dy = 4;
    level.insertTile(t, 2, 3);
    const Tile& stored = level.grid[2][3];
    EXPECT_EQ(stored.box, (Rect{192, 128, 64, 64}));
    EXPECT_EQ(stored.blocks[0].dst.x, 192);
    EXPECT_EQ(stored.blocks[0].dst.y, 128);
    EXPECT_EQ(stored.dx, 0);
    EXPECT_EQ(stored.dy, 0);
    EXPECT_EQ(stored.type, WALL_0);
    EXPECT_EQ(stored.graphicIndex, 3);
    EXPECT_EQ(t.box.x, 500);  // the caller's tile is untouched
}

TEST(Level, CellsOutsideTheGridAreLeftAlone) {
    FakeTiles files;
    Level level(2, 3, files.loader());
    for (const auto& cell : {std::pair{-1, 0}, {0, -1}, {2, 0}, {0, 3}, {99999, 99999}}) {
        level.insertTile(tileOf(SQUARE_0, 1), cell.first, cell.second);
    }
    for (const std::vector<Tile>& cells : level.grid) {
        for (const Tile& t : cells) {
            EXPECT_EQ(t.type, EMPTY);
        }
    }

    // A level without cells scrolls without shifting anything.
    Level none(0, -4, files.loader());
    EXPECT_EQ(none.getRows(), 0);
    EXPECT_EQ(none.getColumns(), 0);
    EXPECT_EQ(none.scroll(-64, -64), Level::kNoShift);
}

TEST(Level, ScrollingLeftAWholeTileRotatesTheColumns) {
    FakeTiles files;
    Level level(8, 64, files.loader());
    fillByColumn(level);
    files.reads->clear();
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(level.scroll(-8, 0), Level::kNoShift);
        expectCellsAt(level, -8 * i, 0);
        EXPECT_EQ(level.grid[5][9].dx, -8);
    }
    EXPECT_TRUE(files.reads->empty());

    EXPECT_EQ(level.scroll(-8, 0), 180);
    EXPECT_EQ(level.scrollX, 0);
    expectCellsAt(level, 0, 0);
    for (int32_t r = 0; r < 8; ++r) {
        for (int32_t c = 0; c < 63; ++c) {
            EXPECT_EQ(level.grid[r][c].graphicIndex, c + 1);
        }
        // Column 0's type came back in, read afresh from its file, with its image.
        const Tile& entered = level.grid[r][63];
        EXPECT_EQ(entered.type, EMPTY);
        EXPECT_EQ(entered.graphicIndex, 0);
        EXPECT_EQ(entered.box.x, 4032);
        EXPECT_EQ(entered.blocks.size(), 1u);
        EXPECT_EQ(entered.blocks[0].lastFrameTick, 0u);
    }
    EXPECT_EQ(*files.reads, std::vector<std::string>(8, "empty"));
}

TEST(Level, TheReenteringColumnIsReadAfreshByTypeName) {
    FakeTiles files;
    Level level(2, 4, files.loader());
    level.insertTile(tileOf(SLOPE_GRADUAL_0, 7), 0, 0);
    level.insertTile(tileOf(CLIFF_STEEP_270, 9), 1, 0);
    level.grid[0][0].blocks.clear();  // the copy leaving is not the one that comes back
    files.reads->clear();
    EXPECT_EQ(level.scroll(-64, 0), 180);
    EXPECT_EQ(*files.reads, (std::vector<std::string>{"slope_gradual_0", "cliff_steep_270"}));
    EXPECT_EQ(level.grid[0][3].type, SLOPE_GRADUAL_0);
    EXPECT_EQ(level.grid[0][3].graphicIndex, 7);
    EXPECT_EQ(level.grid[0][3].blocks.size(), 1u);
    EXPECT_EQ(level.grid[1][3].type, CLIFF_STEEP_270);
    EXPECT_EQ(level.grid[1][3].graphicIndex, 9);
    EXPECT_EQ(level.grid[1][3].box, (Rect{192, 64, 64, 64}));
}

TEST(Level, SixtyFourShiftsBringEveryColumnBack) {
    FakeTiles files;
    Level level(8, 64, files.loader());
    fillByColumn(level);
    int shifts = 0;
    for (int i = 0; i < 512; ++i) {
        shifts += level.scroll(-8, 0) == 180 ? 1 : 0;
    }
    EXPECT_EQ(shifts, 64);
    for (int32_t r = 0; r < 8; ++r) {
        for (int32_t c = 0; c < 64; ++c) {
            EXPECT_EQ(level.grid[r][c].type, c % kTileTypeCount);
            EXPECT_EQ(level.grid[r][c].graphicIndex, c);
        }
    }
    expectCellsAt(level, 0, 0);
}

TEST(Level, ScrollingRightBringsTheLastColumnInAtTheLeft) {
    FakeTiles files;
    Level level(8, 64, files.loader());
    fillByColumn(level);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(level.scroll(8, 0), Level::kNoShift);
    }
    EXPECT_EQ(level.scroll(8, 0), 0);
    EXPECT_EQ(level.scrollX, 0);
    for (int32_t r = 0; r < 8; ++r) {
        EXPECT_EQ(level.grid[r][0].type, 63 % kTileTypeCount);
        EXPECT_EQ(level.grid[r][0].graphicIndex, 63);
        EXPECT_EQ(level.grid[r][0].box.x, 0);
        EXPECT_EQ(level.grid[r][1].graphicIndex, 0);
    }
    expectCellsAt(level, 0, 0);
}

TEST(Level, OneShiftPerCallWorksOffLargeScrolls) {
    struct Step {
        int32_t x, y;
        int32_t result;
        int32_t scrollX, scrollY;
    };
    const struct {
        const char* what;
        std::vector<Step> steps;
    } cases[] = {
        {"a scroll of over three tiles",
         {{-200, 0, 180, -136, 0}, {0, 0, 180, -72, 0}, {0, 0, 180, -8, 0}, {0, 0, -1, -8, 0}}},
        {"columns before rows", {{-64, -64, 180, 0, -64}, {0, 0, 90, 0, 0}, {0, 0, -1, 0, 0}}},
        {"rows down", {{0, 70, 270, 0, 6}, {0, -6, -1, 0, 0}}},
        {"right then left", {{64, 0, 0, 0, 0}, {-64, 0, 180, 0, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTiles files;
        Level level(3, 5, files.loader());
        for (const Step& s : c.steps) {
            EXPECT_EQ(level.scroll(s.x, s.y), s.result);
            EXPECT_EQ(level.scrollX, s.scrollX);
            EXPECT_EQ(level.scrollY, s.scrollY);
        }
    }
}

TEST(Level, RowShiftsMoveRowsAndKeepTheEdgeRow) {
    FakeTiles files;
    Level level(3, 2, files.loader());
    for (int32_t r = 0; r < 3; ++r) {
        for (int32_t c = 0; c < 2; ++c) {
            level.insertTile(tileOf(static_cast<TileType>(1 + r), 10 * r + c), r, c);
        }
    }
    files.reads->clear();
    EXPECT_EQ(level.scroll(0, -64), 90);
    EXPECT_TRUE(files.reads->empty());  // nothing is loaded for rows
    EXPECT_EQ(level.grid[0][1].graphicIndex, 11);
    EXPECT_EQ(level.grid[1][1].graphicIndex, 21);
    EXPECT_EQ(level.grid[2][1].graphicIndex, 21);
    // Every tile moved up a row's height; the bottom row's own tiles lie where row 1 lies.
    EXPECT_EQ(level.grid[0][0].box.y, 0);
    EXPECT_EQ(level.grid[2][0].box.y, 64);

    EXPECT_EQ(level.scroll(0, 64), 270);
    EXPECT_EQ(level.grid[0][0].graphicIndex, 10);  // the top row keeps its own
    EXPECT_EQ(level.grid[1][0].graphicIndex, 10);
    EXPECT_EQ(level.grid[2][0].graphicIndex, 20);
}

TEST(Level, RefillingMidScrollShiftsAfterTheRemainingDistance) {
    FakeTiles files;
    Level level(8, 64, files.loader());
    for (int i = 0; i < 3; ++i) {
        level.scroll(-8, 0);
    }
    EXPECT_EQ(level.scrollX, -24);
    fillByColumn(level);  // placed at their unscrolled cells
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(level.scroll(-8, 0), Level::kNoShift);
    }
    EXPECT_EQ(level.scroll(-8, 0), 180);
    EXPECT_EQ(level.scrollX, 0);
    EXPECT_EQ(level.grid[0][0].box.x, 24);  // the new first column
    EXPECT_EQ(level.grid[0][63].box.x, 4032);
    EXPECT_EQ(level.grid[0][62].box.x, 3992);  // overlapped by the column that came in
}

TEST(Level, ATileOfSizeZeroInTheCornerShiftsOnEveryCall) {
    FakeTiles files;
    files.emptySize = 0;
    Level level(2, 3, files.loader());
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(level.scroll(0, 0), 180);
    }
    EXPECT_EQ(level.scroll(5, 0), 0);  // 5 >= 0 shifts the other way
}

}  // namespace

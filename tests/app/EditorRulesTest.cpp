// The tile editor's arithmetic: the cell under the pointer and the brush's cycle.
#include <gtest/gtest.h>

#include <climits>

#include "app/EditorRules.h"

namespace {

TEST(CellUnderMouse, DividesThePositionAndKeepsTheCellInsideTheGrid) {
    struct Case {
        int32_t x;
        int32_t y;
        int32_t row;
        int32_t column;
    };
    const Case cases[] = {
        {0, 0, 0, 0},
        {63, 63, 0, 0},
        {64, 64, 1, 1},
        {767, 511, 7, 11},  // the window's last pixel
        {768, 512, 7, 12},  // the row is kept in the grid, the column is still a grid column
        {-1, -63, 0, 0},    // the division drops the remainder towards zero
        {-64, -65, 0, 0},
        {64 * 64, 100, 1, 63},
        {INT_MAX, INT_MAX, 7, 63},
        {INT_MIN, INT_MIN, 0, 0},
    };
    for (const Case& c : cases) {
        const editor::Cell cell = editor::cellUnderMouse(c.x, c.y, 8, 64);
        EXPECT_EQ(cell.row, c.row) << c.x << ", " << c.y;
        EXPECT_EQ(cell.column, c.column) << c.x << ", " << c.y;
    }
}

TEST(CellUnderMouse, AGridWithoutCellsGivesCellZero) {
    const editor::Cell cell = editor::cellUnderMouse(500, 300, 0, 0);
    EXPECT_EQ(cell.row, 0);
    EXPECT_EQ(cell.column, 0);
}

TEST(CycledBrushType, StepsThroughEmptyAndTheShapesOnly) {
    struct Case {
        int32_t type;
        bool comma;
        bool period;
        TileType next;
    };
    const Case cases[] = {
        {EMPTY, true, false, CLIFF_STEEP_270},
        {CLIFF_STEEP_270, false, true, EMPTY},
        {EMPTY, false, true, SQUARE_0},
        {SQUARE_0, true, false, EMPTY},
        {WALL_0, true, false, SQUARE_270},
        {WALL_0, false, true, WALL_90},
        {CLIFF_STEEP_180, false, true, CLIFF_STEEP_270},
        {CURVE_CONCAVE_270, true, false, WALL_90},       // 36 - 1 is 35, 6 in the cycle
        {CURVE_CONCAVE_270, false, true, WALL_270},      // 36 + 1 is 37, 8 in the cycle
        {CURVE_CONVEX_0, true, false, CLIFF_STEEP_270},  // 29 - 1 is 28
        {CURVE_CONVEX_0, false, true, SQUARE_0},         // 30 mod 29
        {WALL_180, true, true, WALL_90},                 // comma wins
        {EMPTY, true, true, CLIFF_STEEP_270},
        {SLOPE_STEEP_90, false, false, SLOPE_STEEP_90},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(editor::cycledBrushType(c.type, c.comma, c.period), c.next)
            << "type " << c.type << (c.comma ? " comma" : "") << (c.period ? " period" : "");
    }
}

TEST(CycledBrushType, AFullRoundInEitherDirectionVisitsEveryBrushTypeOnce) {
    for (const bool forward : {true, false}) {
        bool seen[editor::kBrushTypeCount] = {};
        TileType type = EMPTY;
        for (int n = 0; n < editor::kBrushTypeCount; ++n) {
            type = editor::cycledBrushType(type, !forward, forward);
            ASSERT_GE(type, 0);
            ASSERT_LT(type, editor::kBrushTypeCount);
            EXPECT_FALSE(seen[type]) << "type " << type << " twice";
            seen[type] = true;
        }
        EXPECT_EQ(type, EMPTY) << "back where it began";
    }
}

}  // namespace

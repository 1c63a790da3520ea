#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "physics/Physics.h"

namespace {

const Physics kPhysics{768, 512, 64};
constexpr int32_t kStartDx = 3;
constexpr int32_t kStartDy = 5;
constexpr int32_t kStartAngle = 45;  // no push writes this, so it shows which ones wrote

// Every case: a 64-pixel tile at (128, 192) and a 32 by 20 entity moving at (3, 5).
struct Case {
    const char* what;
    TileType type;
    int32_t x, y;        // the entity's box before
    int32_t endX, endY;  // and after
    int32_t dx, dy;      // the motion it ends with
    int32_t angle;       // its collisionAngle after
};

void expectCollision(const Case& c) {
    SCOPED_TRACE(std::string(c.what) + " (" + tileTypeName(c.type) + ")");
    const Tile tile(128, 192, 64, c.type);
    Entity e(c.x, c.y, 32, 20);
    e.dx = kStartDx;
    e.dy = kStartDy;
    e.collisionAngle = kStartAngle;
    kPhysics.collide(e, tile);
    EXPECT_EQ(e.box.x, c.endX);
    EXPECT_EQ(e.box.y, c.endY);
    EXPECT_EQ(e.dx, c.dx);
    EXPECT_EQ(e.dy, c.dy);
    EXPECT_EQ(e.collisionAngle, c.angle);
    EXPECT_EQ(e.box.w, 32);
    EXPECT_EQ(e.box.h, 20);
}

constexpr int32_t U = kStartAngle;  // collisionAngle untouched

TEST(TileCollision, TheWorkedExamples) {
    const Case cases[] = {
        {"pushed up onto the diagonal", SLOPE_MODERATE_0, 140, 230, 140, 184, 0, -46, U},
        {"left of the tile: the whole cell pushes", SLOPE_MODERATE_0, 120, 230, 96, 230, 0, 0, 0},
        {"pushed down under the ceiling", SLOPE_MODERATE_180, 130, 200, 130, 227, 0, 27, U},
        {"surface raised to half; reach met exactly", SLOPE_GRADUAL_0, 100, 240, 100, 204, 0, -36,
         U},
        {"bottom-right corner, pushed above the tile", CLIFF_GRADUAL_90, 130, 220, 130, 164, 0, -56,
         U},
        {"floor within reach, bottom above the surface: overlapping yet left alone",
         SLOPE_MODERATE_0, 150, 190, 150, 190, kStartDx, kStartDy, U},
        {"floor within reach, bottom exactly on the surface", SLOPE_MODERATE_0, 150, 194, 150, 194,
         kStartDx, kStartDy, U},
        {"ceiling within reach, top already below the surface", SLOPE_MODERATE_180, 130, 227, 130,
         227, kStartDx, kStartDy, U},
        {"within reach but the boxes don't overlap", SLOPE_GRADUAL_0, 94, 240, 94, 240, kStartDx,
         kStartDy, U},
        {"gradual floor out of reach below: the lower half pushes down", SLOPE_GRADUAL_0, 140, 245,
         140, 256, 0, 0, 90},
        {"steep floor out of reach below: the left half pushes down", SLOPE_STEEP_0, 140, 240, 140,
         256, 0, 0, 90},
    };
    for (const Case& c : cases) {
        expectCollision(c);
    }
}

// One push per slope and cliff, each with the entity within reach and past the surface. The
// push is vertical and leaves the corner P (tile-local) at y = S - h, where S is the surface
// height at P.x, worked out by hand in each comment.
TEST(TileCollision, EverySlopeAndCliffPushesToItsSurfaceHeight) {
    const Case cases[] = {
        // P = (22, 44), S = 22: P.y ends at 2
        {"moderate floor", SLOPE_MODERATE_0, 150, 236, 150, 194, 0, -42, U},
        // P = (8, 38), S = 32 - 8 = 24
        {"moderate floor", SLOPE_MODERATE_90, 136, 230, 136, 196, 0, -34, U},
        // P = (22, 4), S = 21 + 32 + 22 = 75
        {"moderate ceiling", SLOPE_MODERATE_180, 150, 196, 150, 247, 0, 51, U},
        // P = (22, 8), S = 21 + 64 - 22 = 63
        {"moderate ceiling", SLOPE_MODERATE_270, 150, 200, 150, 235, 0, 35, U},
        // P = (23, 44), S = 32 + 12 - 1 = 43
        {"gradual floor", SLOPE_GRADUAL_0, 151, 236, 151, 215, 0, -21, U},
        // P = (12, 44), S = (32 - 12) * 2 = 40
        {"gradual floor", SLOPE_GRADUAL_90, 140, 236, 140, 212, 0, -24, U},
        // P = (11, 4), S = 16 + 21 + 5 = 42
        {"gradual ceiling", SLOPE_GRADUAL_180, 139, 196, 139, 214, 0, 18, U},
        // P = (22, 4), S = 16 - 44 + 64 = 36
        {"gradual ceiling", SLOPE_GRADUAL_270, 150, 196, 150, 208, 0, 12, U},
        // P = (5, 34), S = 10
        {"steep floor", SLOPE_STEEP_0, 133, 226, 133, 182, 0, -44, U},
        // P = (11, 44), S = 16 - 5 + 32 = 43
        {"steep floor", SLOPE_STEEP_90, 139, 236, 139, 215, 0, -21, U},
        // P = (12, 8), S = 24 + 21 = 45
        {"steep ceiling", SLOPE_STEEP_180, 140, 200, 140, 217, 0, 17, U},
        // P = (13, 4), S = 64 - 7 - 16 + 3 = 44
        {"steep ceiling", SLOPE_STEEP_270, 141, 196, 141, 216, 0, 20, U},
        // P = (23, 34), S = 11
        {"gradual cliff", CLIFF_GRADUAL_0, 151, 226, 151, 183, 0, -43, U},
        // bottom-right P = (24, 58), S = 16 - 48 + 64 = 32
        {"gradual cliff", CLIFF_GRADUAL_90, 120, 230, 120, 184, 0, -46, U},
        // P = (13, 4), S = 6 + 64 = 70
        {"gradual cliff ceiling", CLIFF_GRADUAL_180, 141, 196, 141, 242, 0, 46, U},
        // P = (22, 4), S = 42 * 2 + 16 = 100
        {"gradual cliff ceiling", CLIFF_GRADUAL_270, 150, 196, 150, 272, 0, 76, U},
        // P = (42, 38), S = 84 - 64 = 20
        {"steep cliff", CLIFF_STEEP_0, 170, 230, 170, 192, 0, -38, U},
        // P = (7, 38), S = 16 - 3 = 13
        {"steep cliff", CLIFF_STEEP_90, 135, 230, 135, 185, 0, -45, U},
        // P = (5, 2), S = 10 + 16 + 64 = 90
        {"steep cliff ceiling", CLIFF_STEEP_180, 133, 194, 133, 262, 0, 68, U},
        // P = (29, 2), S = 16 - 14 + 64 = 66
        {"steep cliff ceiling", CLIFF_STEEP_270, 157, 194, 157, 238, 0, 44, U},
    };
    for (const Case& c : cases) {
        expectCollision(c);
    }
}

TEST(TileCollision, SquaresAndWallsPushOutOfTheirSolidBox) {
    const Case cases[] = {
        // The whole cell (128, 192, 64, 64): up 8 is least.
        {"square", SQUARE_0, 150, 180, 150, 172, 0, 0, 270},
        {"square", SQUARE_270, 150, 180, 150, 172, 0, 0, 270},
        // Left half (128, 192, 32, 64): an entity over the right half misses it.
        {"wall, left half", WALL_0, 162, 220, 162, 220, kStartDx, kStartDy, U},
        {"wall, left half", WALL_0, 150, 220, 160, 220, 0, 0, 180},
        // Lower half (128, 224, 64, 32).
        {"wall, lower half", WALL_90, 150, 200, 150, 200, kStartDx, kStartDy, U},
        {"wall, lower half", WALL_90, 150, 210, 150, 204, 0, 0, 270},
        // Right half (160, 192, 32, 64).
        {"wall, right half", WALL_180, 128, 220, 128, 220, kStartDx, kStartDy, U},
        {"wall, right half", WALL_180, 138, 220, 128, 220, 0, 0, 0},
        // Upper half (128, 192, 64, 32).
        {"wall, upper half", WALL_270, 150, 230, 150, 230, kStartDx, kStartDy, U},
        {"wall, upper half", WALL_270, 150, 220, 150, 224, 0, 0, 90},
    };
    for (const Case& c : cases) {
        expectCollision(c);
    }
}

TEST(TileCollision, EmptyCurvesAndUnknownTypesAreNeverSolid) {
    std::vector<TileType> types = {EMPTY, static_cast<TileType>(37), static_cast<TileType>(-1)};
    for (int t = CURVE_CONVEX_0; t <= CURVE_CONCAVE_270; ++t) {
        types.push_back(static_cast<TileType>(t));
    }
    for (TileType type : types) {
        // Right in the middle of the cell.
        expectCollision({"never solid", type, 144, 214, 144, 214, kStartDx, kStartDy, U});
    }
}

// A level whose tiles are read by their type's name, without files.
Level levelOf(const std::vector<std::vector<TileType>>& rows) {
    const int32_t columns = rows.empty() ? 0 : static_cast<int32_t>(rows[0].size());
    Level level(static_cast<int32_t>(rows.size()), columns, [](const std::string& name) {
        TileType type = EMPTY;
        tileTypeFromName(name, type);
        return Tile(0, 0, 64, type);
    });
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            level.insertTile(Tile(0, 0, 64, rows[r][c]), static_cast<int32_t>(r),
                             static_cast<int32_t>(c));
        }
    }
    return level;
}

Entity inCell(Rect box, int32_t row, int32_t column) {
    Entity e(box.x, box.y, box.w, box.h);
    e.row = row;
    e.column = column;
    return e;
}

TEST(LevelCollision, OwnCellFirstThenLeftThenRightEachOnTheMovedBox) {
    // Own square first pushes left by 18 (x 32), then the left square lifts it by 30 (y -20).
    // The other way round it would end at x 64.
    Level level = levelOf({{SQUARE_0, SQUARE_0, EMPTY}});
    Entity e = inCell({50, 10, 32, 20}, 0, 1);
    EXPECT_EQ(kPhysics.collide(e, level), 1);
    EXPECT_EQ(e.box.x, 32);
    EXPECT_EQ(e.box.y, -20);
    EXPECT_EQ(e.collisionAngle, 270);

    // Left before right: the left square pushes it right to 64, then the right square lifts it.
    Level sides = levelOf({{SQUARE_0, EMPTY, SQUARE_0}});
    Entity wide = inCell({40, 10, 100, 20}, 0, 1);
    EXPECT_EQ(kPhysics.collide(wide, sides), 1);
    EXPECT_EQ(wide.box.x, 64);
    EXPECT_EQ(wide.box.y, -20);
    EXPECT_EQ(e.row, 0);
    EXPECT_EQ(e.column, 1);
}

TEST(LevelCollision, TestsOnlyTheCellsBesideItsOwnAndNeverWrapsRound) {
    struct Case {
        const char* what;
        std::vector<TileType> cells;
        int32_t row, column;
        Rect box;
        int32_t result;
    };
    const Rect overFirst{10, 10, 32, 20};
    const Rect overSecond{74, 10, 32, 20};
    const Rect overLast{138, 10, 32, 20};
    const Case cases[] = {
        {"column 0 reaches its right neighbour", {EMPTY, SQUARE_0, EMPTY}, 0, 0, overSecond, 1},
        {"column 0 does not reach the last column", {EMPTY, EMPTY, SQUARE_0}, 0, 0, overLast, 0},
        {"the last column reaches its left neighbour",
         {EMPTY, SQUARE_0, EMPTY},
         0,
         2,
         overSecond,
         1},
        {"the last column does not reach column 0", {SQUARE_0, EMPTY, EMPTY}, 0, 2, overFirst, 0},
        {"its own cell", {SQUARE_0, EMPTY, EMPTY}, 0, 0, overFirst, 1},
        {"a row below the grid holds nothing", {SQUARE_0, SQUARE_0, SQUARE_0}, 1, 1, overSecond, 0},
        {"a row above the grid holds nothing",
         {SQUARE_0, SQUARE_0, SQUARE_0},
         -1,
         1,
         overSecond,
         0},
        {"left of the grid only column 0 is beside it",
         {SQUARE_0, EMPTY, EMPTY},
         0,
         -1,
         overFirst,
         1},
        {"right of the grid only the last column is beside it",
         {EMPTY, EMPTY, SQUARE_0},
         0,
         3,
         overLast,
         1},
        {"far outside the grid", {SQUARE_0, SQUARE_0, SQUARE_0}, 0, 40, overLast, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Level level = levelOf({c.cells});
        Entity e = inCell(c.box, c.row, c.column);
        EXPECT_EQ(kPhysics.collide(e, level), c.result);
        EXPECT_EQ(e.box.x != c.box.x || e.box.y != c.box.y, c.result == 1);
    }
}

TEST(LevelCollision, ALevelOfEmptyAndCurveTilesNeverMovesAnything) {
    std::vector<TileType> cells;
    for (int t = CURVE_CONVEX_0; t <= CURVE_CONCAVE_270; ++t) {
        cells.push_back(static_cast<TileType>(t));
    }
    cells.push_back(EMPTY);
    Level level = levelOf({cells, cells});
    for (int32_t row = 0; row < 2; ++row) {
        for (int32_t column = 0; column < level.columns; ++column) {
            Entity e = inCell({column * 64 + 16, row * 64 + 20, 32, 20}, row, column);
            EXPECT_EQ(kPhysics.collide(e, level), 0) << row << "," << column;
        }
    }
}

TEST(LevelCollision, ALevelWithoutCellsMovesNothing) {
    Level level = levelOf({});
    Entity e = inCell({0, 0, 32, 20}, 0, 0);
    EXPECT_EQ(kPhysics.collide(e, level), 0);
}

}  // namespace

// The committed first level is a cave the robot can fly through, and the level builder refuses
// plans and levels that are not.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "WordLines.h"
#include "level_0.h"
#include "level_builder.h"
#include "tile_types.h"

namespace {

using asset_gen::CavePlan;
using asset_gen::fall;
using asset_gen::flat;
using asset_gen::LevelGrid;
using asset_gen::rise;
using S = asset_gen::Shape;

const char* const kLevelFile = "data/levels/level_0.lvl";
constexpr int kColumns = 64;
constexpr int kRows = 8;
constexpr int kSide = 64;
constexpr int kThreeRows = 3 * kSide;

// The surface of every tile that bounds the cave: its depth below the tile's top edge at the
// left edge, the middle and the right edge. Floors are solid below it, ceilings above.
struct Edge {
    const char* name;
    bool floor;
    int depth[3];
};

const Edge kEdges[] = {
    {"wall_90", true, {32, 32, 32}},
    {"slope_moderate_0", true, {0, 32, 64}},
    {"slope_moderate_90", true, {64, 32, 0}},
    {"slope_gradual_0", true, {32, 48, 64}},
    {"slope_gradual_90", true, {64, 64, 0}},
    {"slope_steep_0", true, {0, 64, 64}},
    {"slope_steep_90", true, {64, 48, 32}},
    {"cliff_gradual_0", true, {0, 16, 32}},
    {"cliff_gradual_90", true, {64, 0, 0}},
    {"cliff_steep_0", true, {0, 0, 64}},
    {"cliff_steep_90", true, {32, 16, 0}},
    {"wall_270", false, {32, 32, 32}},
    {"slope_moderate_180", false, {0, 32, 64}},
    {"slope_moderate_270", false, {64, 32, 0}},
    {"slope_gradual_180", false, {0, 16, 32}},
    {"slope_gradual_270", false, {64, 0, 0}},
    {"slope_steep_180", false, {0, 0, 64}},
    {"slope_steep_270", false, {32, 16, 0}},
    {"cliff_gradual_180", false, {32, 48, 64}},
    {"cliff_gradual_270", false, {64, 64, 0}},
    {"cliff_steep_180", false, {0, 64, 64}},
    {"cliff_steep_270", false, {64, 48, 32}},
};

const Edge* edgeOf(const std::string& name, bool floor) {
    for (const Edge& edge : kEdges) {
        if (name == edge.name && edge.floor == floor) {
            return &edge;
        }
    }
    return nullptr;
}

bool startsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

// Where the ceiling band ends and the floor band begins in one column, at its left edge, middle
// and right edge; `problem` says what is wrong when the column is not rock, ceiling, open space,
// floor, rock from top to bottom.
struct ColumnOpening {
    int top[3] = {0, 0, 0};
    int bottom[3] = {0, 0, 0};
    std::string problem;
};

ColumnOpening openingOf(const LevelGrid& level, int column) {
    ColumnOpening o;
    int first = 0;
    while (first < kRows && startsWith(level[first][column], "square_")) {
        ++first;
    }
    int last = kRows - 1;
    while (last >= first && startsWith(level[last][column], "square_")) {
        --last;
    }
    const Edge* ceiling = first < kRows ? edgeOf(level[first][column], false) : nullptr;
    const Edge* floor = last >= 0 ? edgeOf(level[last][column], true) : nullptr;
    for (int s = 0; s < 3; ++s) {
        o.top[s] = first * kSide + (ceiling != nullptr ? ceiling->depth[s] : 0);
        o.bottom[s] = floor != nullptr ? last * kSide + floor->depth[s] : (last + 1) * kSide;
    }
    for (int row = first + (ceiling != nullptr ? 1 : 0); row <= last - (floor != nullptr ? 1 : 0);
         ++row) {
        const std::string& name = level[row][column];
        if (name != "empty" && !startsWith(name, "curve_")) {
            o.problem = name + " in the open space, row " + std::to_string(row);
        }
    }
    return o;
}

LevelGrid committedLevel() {
    return wordLines(readWhole(kLevelFile));
}

TEST(LevelTest, FileIsEightLinesOfSixtyFourTileNames) {
    const std::string text = readWhole(kLevelFile);
    ASSERT_FALSE(text.empty()) << kLevelFile;
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.find('\r'), std::string::npos);
    EXPECT_EQ(text.find("  "), std::string::npos);
    EXPECT_EQ(text.find(" \n"), std::string::npos);
    EXPECT_EQ(text.find("\n "), std::string::npos);
    EXPECT_NE(text.front(), ' ');

    std::set<std::string> known;
    for (const asset_gen::TileType& type : asset_gen::tileTypes()) {
        known.insert(type.name);
    }
    const LevelGrid level = committedLevel();
    ASSERT_EQ(level.size(), static_cast<std::size_t>(kRows));
    for (int row = 0; row < kRows; ++row) {
        ASSERT_EQ(level[row].size(), static_cast<std::size_t>(kColumns)) << "row " << row;
        for (const std::string& name : level[row]) {
            EXPECT_EQ(known.count(name), 1u) << name << " in row " << row;
        }
    }
}

TEST(LevelTest, RobotStartsInOpenSky) {
    const LevelGrid level = committedLevel();
    ASSERT_EQ(level.size(), static_cast<std::size_t>(kRows));
    // The robot's box is x 128..160, y 192..213: column 2, row 3, with room all around.
    for (int row = 2; row <= 5; ++row) {
        for (int column = 0; column <= 6; ++column) {
            EXPECT_EQ(level[row].at(column), "empty") << "column " << column << ", row " << row;
        }
    }
}

TEST(LevelTest, EveryColumnIsOpenThreeRowsAndJoinsTheNextAcrossTheSeam) {
    const LevelGrid level = committedLevel();
    ASSERT_EQ(level.size(), static_cast<std::size_t>(kRows));
    std::vector<ColumnOpening> openings;
    for (int column = 0; column < kColumns; ++column) {
        ASSERT_EQ(level[0].size(), static_cast<std::size_t>(kColumns));
        openings.push_back(openingOf(level, column));
        const ColumnOpening& o = openings.back();
        EXPECT_EQ(o.problem, "") << "column " << column;
        for (int s = 0; s < 3; ++s) {
            EXPECT_GT(o.top[s], 0) << "no ceiling band in column " << column;
            EXPECT_LT(o.bottom[s], kRows * kSide) << "no floor band in column " << column;
            EXPECT_GE(o.bottom[s] - o.top[s], kThreeRows)
                << "column " << column << ", x " << 32 * s;
        }
    }
    for (int column = 0; column < kColumns; ++column) {
        const ColumnOpening& here = openings[column];
        const ColumnOpening& next = openings[(column + 1) % kColumns];
        EXPECT_EQ(here.top[2], next.top[0]) << "ceiling from column " << column;
        EXPECT_EQ(here.bottom[2], next.bottom[0]) << "floor from column " << column;
        // A column moves its surfaces by half a row or a full row at most.
        EXPECT_LE(std::abs(here.top[2] - here.top[0]), kSide) << "column " << column;
        EXPECT_LE(std::abs(here.bottom[2] - here.bottom[0]), kSide) << "column " << column;
    }
}

TEST(LevelTest, UsesEverySurfaceTileAndAFewCurves) {
    const LevelGrid level = committedLevel();
    std::multiset<std::string> used;
    for (const std::vector<std::string>& row : level) {
        used.insert(row.begin(), row.end());
    }
    for (const Edge& edge : kEdges) {
        EXPECT_GE(used.count(edge.name), 1u) << edge.name;
    }
    int curves = 0;
    for (const std::string& name : used) {
        curves += startsWith(name, "curve_") ? 1 : 0;
    }
    EXPECT_GE(curves, 1);
    EXPECT_LE(curves, 6);
}

std::string failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::runtime_error& failure) {
        return failure.what();
    }
    return "(no failure)";
}

// Rock in row 0, five open rows, rock in rows 6 and 7.
CavePlan plainTunnel() {
    CavePlan plan;
    plan.ceiling = 2;
    plan.floor = 12;
    plan.ceilingSteps = {flat(kColumns)};
    plan.floorSteps = {flat(kColumns)};
    return plan;
}

TEST(LevelTest, BuilderFillsRockBehindEachSurface) {
    const struct {
        int ceiling;
        int floor;
        std::vector<std::string> column;
    } cases[] = {
        {2, 12, {"square_0", "empty", "empty", "empty", "empty", "empty", "square_0", "square_0"}},
        {3,
         11,
         {"square_0", "wall_270", "empty", "empty", "empty", "wall_90", "square_0", "square_0"}},
        {4, 14, {"square_0", "square_0", "empty", "empty", "empty", "empty", "empty", "square_0"}},
    };
    for (const auto& c : cases) {
        CavePlan plan = plainTunnel();
        plan.ceiling = c.ceiling;
        plan.floor = c.floor;
        const LevelGrid level = asset_gen::buildCave(plan);
        ASSERT_EQ(level.size(), static_cast<std::size_t>(kRows));
        for (int column = 0; column < kColumns; ++column) {
            for (int row = 0; row < kRows; ++row) {
                EXPECT_EQ(level[row].at(column), c.column[row])
                    << "ceiling " << c.ceiling << ", floor " << c.floor << ", column " << column;
            }
        }
    }
}

TEST(LevelTest, BuilderPicksTheTileThatGoesTheRightWay) {
    // A surface starts at `start` half rows, moves at column 10 and moves back at column 21.
    const struct {
        bool floor;
        int start;
        asset_gen::Step first;
        int firstRow;
        const char* firstTile;
        asset_gen::Step second;
        int secondRow;
        const char* secondTile;
    } cases[] = {
        {true, 12, rise(S::SlopeModerate), 5, "slope_moderate_90", fall(S::SlopeModerate), 5,
         "slope_moderate_0"},
        {true, 11, fall(S::SlopeGradual), 5, "slope_gradual_0", rise(S::SlopeSteep), 5,
         "slope_steep_90"},
        {true, 11, rise(S::CliffSteep), 5, "cliff_steep_90", fall(S::CliffGradual), 5,
         "cliff_gradual_0"},
        {true, 12, fall(S::CliffSteep), 6, "cliff_steep_0", rise(S::CliffGradual), 6,
         "cliff_gradual_90"},
        {true, 12, fall(S::SlopeSteep), 6, "slope_steep_0", rise(S::SlopeGradual), 6,
         "slope_gradual_90"},
        {false, 2, fall(S::SlopeSteep), 1, "slope_steep_180", rise(S::SlopeModerate), 1,
         "slope_moderate_270"},
        {false, 4, rise(S::SlopeGradual), 1, "slope_gradual_270", fall(S::SlopeModerate), 1,
         "slope_moderate_180"},
        {false, 4, rise(S::CliffSteep), 1, "cliff_steep_270", fall(S::CliffGradual), 1,
         "cliff_gradual_180"},
        {false, 3, rise(S::SlopeSteep), 1, "slope_steep_270", fall(S::SlopeGradual), 1,
         "slope_gradual_180"},
        {false, 2, fall(S::CliffSteep), 1, "cliff_steep_180", rise(S::CliffGradual), 1,
         "cliff_gradual_270"},
    };
    for (const auto& c : cases) {
        CavePlan plan = plainTunnel();
        (c.floor ? plan.floor : plan.ceiling) = c.start;
        (c.floor ? plan.floorSteps : plan.ceilingSteps) = {flat(10), c.first, flat(10), c.second,
                                                           flat(42)};
        LevelGrid level;
        EXPECT_EQ(failureOf([&] { level = asset_gen::buildCave(plan); }), "(no failure)")
            << c.firstTile;
        if (level.size() == static_cast<std::size_t>(kRows)) {
            EXPECT_EQ(level[c.firstRow].at(10), c.firstTile);
            EXPECT_EQ(level[c.secondRow].at(21), c.secondTile);
        }
    }
}

TEST(LevelTest, BuilderRefusesPlansThatMakeNoSoundCave) {
    const struct {
        const char* what;
        std::function<void(CavePlan&)> change;
        const char* failure;
    } cases[] = {
        {"floor one column short", [](CavePlan& p) { p.floorSteps = {flat(kColumns - 1)}; },
         "cover only 63 columns"},
        {"ceiling one column long",
         [](CavePlan& p) {
             p.ceilingSteps = {flat(60), flat(5)};
         },
         "do not fit"},
        {"a half-row slope from a row boundary",
         [](CavePlan& p) {
             p.floorSteps = {flat(10), fall(S::SlopeGradual), flat(53)};
         },
         "cannot go on as slope_gradual_0"},
        {"a wall as a move",
         [](CavePlan& p) {
             p.floorSteps = {flat(10), rise(S::Wall), flat(53)};
         },
         "wall is not a slope or a cliff"},
        {"a floor left higher at the seam",
         [](CavePlan& p) {
             p.floorSteps = {flat(10), rise(S::SlopeModerate), flat(53)};
         },
         "column 63: the floor ends at y = 320 but goes on at y = 384"},
        {"a ceiling that moves again at once",
         [](CavePlan& p) {
             p.ceilingSteps = {flat(10), fall(S::SlopeModerate), flat(1), rise(S::SlopeModerate),
                               flat(51)};
         },
         "column 12: the ceiling moves again after only 1 flat columns"},
        {"too little room", [](CavePlan& p) { p.floor = 7; },
         "only 160 pixels between ceiling and floor"},
        {"ceiling and floor in one cell", [](CavePlan& p) { p.floor = 1; }, "meet in row 0"},
        {"no floor band", [](CavePlan& p) { p.floor = 16; },
         "no single opening between a ceiling band and a floor band"},
        {"an ornament over rock",
         [](CavePlan& p) {
             p.ornaments = {{5, 7, "curve_convex_0"}};
         },
         "cannot put curve_convex_0 over square_0"},
        {"a square as an ornament",
         [](CavePlan& p) {
             p.ornaments = {{5, 5, "square_0"}};
         },
         "cannot put square_0 over empty"},
        {"a floating ornament",
         [](CavePlan& p) {
             p.ornaments = {{5, 3, "curve_convex_0"}};
         },
         "neither rests on nor hangs from a square"},
        {"an ornament in a tight column",
         [](CavePlan& p) {
             p.ceiling = 3;
             p.floor = 10;
             p.ornaments = {{5, 4, "curve_concave_0"}};
         },
         "crowds the opening"},
        {"a blocked start",
         [](CavePlan& p) {
             p.keepClear = {0, 6, 0, 1};
         },
         "row 0 must stay empty"},
    };
    ASSERT_EQ(failureOf([] { asset_gen::buildCave(plainTunnel()); }), "(no failure)");
    for (const auto& c : cases) {
        CavePlan plan = plainTunnel();
        c.change(plan);
        const std::string failure = failureOf([&plan] { asset_gen::buildCave(plan); });
        EXPECT_NE(failure.find(c.failure), std::string::npos) << c.what << ": " << failure;
    }
}

TEST(LevelTest, CheckerReadsTheLevelTileByTile) {
    const LevelGrid designed = asset_gen::buildCave(asset_gen::levelZeroPlan());
    ASSERT_EQ(failureOf([&] { asset_gen::checkCave(designed, asset_gen::kLevelZeroStart); }),
              "(no failure)");
    const struct {
        const char* what;
        int column;
        int row;
        const char* tile;
        const char* failure;
    } cases[] = {
        {"a square in the open", 30, 3, "square_0", "column 30: no single opening"},
        {"a floor that drops in", 7, 6, "slope_gradual_0",
         "column 6: the floor ends at y = 448 but goes on at y = 416"},
        {"a ceiling cut short", 21, 1, "empty",
         "column 20: the ceiling ends at y = 128 but goes on at y = 64"},
        {"an upright wall", 30, 3, "wall_0", "no place in a cave for a tile named \"wall_0\""},
        {"an unknown tile", 30, 3, "lava", "no place in a cave for a tile named \"lava\""},
    };
    for (const auto& c : cases) {
        LevelGrid level = designed;
        level.at(c.row).at(c.column) = c.tile;
        const std::string failure =
            failureOf([&level] { asset_gen::checkCave(level, asset_gen::kLevelZeroStart); });
        EXPECT_NE(failure.find(c.failure), std::string::npos) << c.what << ": " << failure;
    }

    // Cells kept clear for the start: the floor's ledge in row 7 may not be among them.
    asset_gen::CellArea downToTheFloor = asset_gen::kLevelZeroStart;
    downToTheFloor.lastRow = 7;
    const std::string failure = failureOf([&] { asset_gen::checkCave(designed, downToTheFloor); });
    EXPECT_NE(failure.find("column 0: row 7 must stay empty"), std::string::npos) << failure;
}

}  // namespace

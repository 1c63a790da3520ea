#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "world/Tile.h"

namespace {

TEST(TileType, ValuesNamesAndKeywordsFollowShapeAndRotation) {
    const char* shapes[] = {"square",        "wall",         "slope_moderate",
                            "slope_gradual", "slope_steep",  "cliff_gradual",
                            "cliff_steep",   "curve_convex", "curve_concave"};
    const char* rotations[] = {"0", "90", "180", "270"};
    EXPECT_STREQ(tileTypeName(EMPTY), "empty");
    EXPECT_STREQ(tileTypeKeyword(EMPTY), "EMPTY");
    for (int shape = 0; shape < 9; ++shape) {
        for (int rotation = 0; rotation < 4; ++rotation) {
            const int32_t value = 1 + 4 * shape + rotation;
            const std::string name = std::string(shapes[shape]) + "_" + rotations[rotation];
            std::string keyword = name;
            std::transform(keyword.begin(), keyword.end(), keyword.begin(),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
            SCOPED_TRACE(name);
            EXPECT_EQ(tileTypeName(value), name);
            EXPECT_EQ(tileTypeKeyword(value), keyword);

            TileType found = EMPTY;
            EXPECT_TRUE(tileTypeFromName(name, found));
            EXPECT_EQ(found, value);
            found = EMPTY;
            EXPECT_TRUE(tileTypeFromKeyword(keyword, found));
            EXPECT_EQ(found, value);
            // Level files use names, tile files keywords; neither reads the other's form.
            EXPECT_FALSE(tileTypeFromName(keyword, found));
            EXPECT_FALSE(tileTypeFromKeyword(name, found));
        }
    }
    EXPECT_EQ(SLOPE_STEEP_180, 19);
    EXPECT_EQ(CURVE_CONCAVE_270, 36);
    TileType untouched = WALL_90;
    for (const char* word : {"", "Square_0", "square_0 ", "square_360", "wall"}) {
        EXPECT_FALSE(tileTypeFromName(word, untouched)) << word;
    }
    EXPECT_EQ(untouched, WALL_90);
}

TEST(Tile, ConstructionComputesTheSideFractions) {
    struct Case {
        int32_t x, y, size;
        TileType type;
        int32_t half, third, quarter;
    };
    const Case cases[] = {
        {10, 20, 64, EMPTY, 32, 21, 16},
        {0, 0, 65, WALL_0, 32, 21, 16},
        {0, 0, 0, EMPTY, 0, 0, 0},
        {-5, 7, -64, SQUARE_0, -32, -21, -16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        const Tile t(c.x, c.y, c.size, c.type);
        EXPECT_EQ(t.box, (Rect{c.x, c.y, c.size, c.size}));
        EXPECT_EQ(t.type, c.type);
        EXPECT_EQ(t.getSize(), c.size);
        EXPECT_EQ(t.half, c.half);
        EXPECT_EQ(t.third, c.third);
        EXPECT_EQ(t.quarter, c.quarter);
        EXPECT_EQ(t.collisionAngle, -1);
        EXPECT_EQ(t.graphicIndex, 0);
        EXPECT_TRUE(t.blocks.empty());
    }
    const Tile d;
    EXPECT_EQ(d.type, EMPTY);
    EXPECT_EQ(d.box, Rect{});
    EXPECT_EQ(d.size + d.half + d.third + d.quarter, 0);
    EXPECT_EQ(d.collisionAngle, -1);
}

TEST(Tile, GetPathNamesTheTypeAndReadsOddValuesAsEmpty) {
    Tile t(0, 0, 64, EMPTY);
    EXPECT_STREQ(t.getPath(), "empty");
    t.graphicIndex = 5;
    t.setType(SLOPE_STEEP_180);
    EXPECT_STREQ(t.getPath(), "slope_steep_180");
    EXPECT_EQ(t.half, 32);
    EXPECT_EQ(t.graphicIndex, 5);
    for (int32_t odd : {37, -1, 1000}) {
        t.setType(static_cast<TileType>(odd));
        EXPECT_STREQ(t.getPath(), "empty") << odd;
    }
}

TEST(Tile, CopiesKeepTheShapeAndOwnTheirBlocks) {
    Tile original(0, 0, 64, CLIFF_STEEP_90);
    original.addSprite(AnimatedSprite(0, 0, 64, 64, 2), 0, 0);
    Tile copy = original;
    EXPECT_EQ(copy.type, CLIFF_STEEP_90);
    EXPECT_EQ(copy.size, 64);
    EXPECT_EQ(copy.third, 21);
    copy.blocks[0].frameRate = 9;
    EXPECT_EQ(original.blocks[0].frameRate, 2);
}

TEST(Tile, CollideGivesTheSurfaceHeightOfSlopesAndCliffs) {
    struct Case {
        TileType type;
        int32_t x;
        int32_t surface;
    };
    const Case cases[] = {
        {SLOPE_MODERATE_0, 12, 12},  {SLOPE_MODERATE_90, 10, 22},  {SLOPE_MODERATE_180, 2, 55},
        {SLOPE_MODERATE_270, 5, 80}, {SLOPE_GRADUAL_0, -28, 32},   {SLOPE_GRADUAL_0, 21, 42},
        {SLOPE_GRADUAL_90, 10, 44},  {SLOPE_GRADUAL_180, 100, 64}, {SLOPE_GRADUAL_180, 10, 42},
        {SLOPE_GRADUAL_270, 10, 60}, {SLOPE_STEEP_0, -3, 0},       {SLOPE_STEEP_0, 20, 40},
        {SLOPE_STEEP_90, 10, 43},    {SLOPE_STEEP_180, 10, 41},    {SLOPE_STEEP_270, 5, 48},
        {SLOPE_STEEP_270, 4, 49},    {CLIFF_GRADUAL_0, -9, 0},     {CLIFF_GRADUAL_0, 9, 4},
        {CLIFF_GRADUAL_90, 34, 12},  {CLIFF_GRADUAL_180, 10, 69},  {CLIFF_GRADUAL_270, 10, 124},
        {CLIFF_STEEP_0, 20, 0},      {CLIFF_STEEP_0, 40, 16},      {CLIFF_STEEP_90, 10, 11},
        {CLIFF_STEEP_180, 10, 100},  {CLIFF_STEEP_270, 10, 75},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(tileTypeName(c.type));
        SCOPED_TRACE(c.x);
        const Tile t(0, 0, 64, c.type);
        const Point p = t.collide(Point(c.x, 3));
        EXPECT_EQ(p.x, c.x);
        EXPECT_EQ(p.y, c.surface);
    }
    for (TileType flat : {EMPTY, SQUARE_0, WALL_90, CURVE_CONVEX_0, CURVE_CONCAVE_270}) {
        const Point p = Tile(0, 0, 64, flat).collide(Point(7, 9));
        EXPECT_EQ(p.x, 7);
        EXPECT_EQ(p.y, 9);
    }
}

}  // namespace

#include <gtest/gtest.h>

#include "world/Point.h"
#include "world/Sprite.h"

TEST(Sprite, EightNumberConstructorSetsSourceAndDestinationAndZeroesTheRest) {
    Sprite s(1, 2, 3, 4, 5, 6, 7, 8);
    EXPECT_EQ(s.src, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(s.dst, (Rect{5, 6, 7, 8}));
    EXPECT_EQ(s.lastBlit, 0u);
    EXPECT_EQ(s.state, 0);
    EXPECT_EQ(s.surfaceIndex, 0);
}

TEST(Sprite, CopiesAreIndependent) {
    Sprite original(1, 2, 3, 4, 5, 6, 7, 8);
    Sprite copy = original;
    copy.dst.x = 99;
    copy.src.w = 42;
    EXPECT_EQ(original.dst.x, 5);
    EXPECT_EQ(original.src.w, 3);
    EXPECT_EQ(copy.dst.x, 99);
    EXPECT_EQ(copy.src.w, 42);
}

TEST(Point, ConstructorTakesXThenY) {
    Point p(-3, 17);
    EXPECT_EQ(p.x, -3);
    EXPECT_EQ(p.y, 17);
}

struct NarrowCase {
    int32_t value;
    int16_t asPosition;
    uint16_t asSize;
};

TEST(Sprite, NarrowingKeepsTheLow16Bits) {
    const NarrowCase cases[] = {
        {0, 0, 0},
        {40000, -25536, 40000},
        {70000, 4464, 4464},
        {32767, 32767, 32767},
        {-32768, -32768, 32768},
        {65535, -1, 65535},
        {65536, 0, 0},
        {-1, -1, 65535},
        {-25536, -25536, 40000},
        {768, 768, 768},
    };
    for (const NarrowCase& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(narrowPosition(c.value), c.asPosition);
        EXPECT_EQ(narrowSize(c.value), c.asSize);
    }
}

#include <gtest/gtest.h>

#include "physics/Physics.h"

namespace {

const Physics kScreen{768, 512, 64};

Entity moving(Rect box, int32_t dx = 3, int32_t dy = 2) {
    Entity e(box.x, box.y, box.w, box.h);
    e.dx = dx;
    e.dy = dy;
    return e;
}

TEST(CollideWithScreen, HoldsTheBoxInsideAndStopsItOnEveryEdgeItTouches) {
    struct Case {
        const char* what;
        Rect box;
        int32_t x, y;  // where the box ends
        bool stopped;  // dx and dy end at 0
    };
    const Case cases[] = {
        {"past the left edge", {-5, 100, 32, 20}, 0, 100, true},
        {"on the left edge", {0, 100, 32, 20}, 0, 100, true},
        {"on the top edge", {100, 0, 32, 20}, 100, 0, true},
        {"above the top", {100, -40, 32, 20}, 100, 0, true},
        {"right edge exactly at the screen's width", {736, 100, 32, 20}, 736, 100, true},
        {"bottom edge exactly at the screen's height", {100, 492, 32, 20}, 100, 492, true},
        {"past the bottom right corner", {760, 500, 32, 20}, 736, 492, true},
        {"wider than the screen: the right edge wins", {10, 100, 800, 20}, -32, 100, true},
        {"one pixel inside every edge", {1, 1, 766, 510}, 1, 1, false},
        {"in the middle", {300, 200, 32, 20}, 300, 200, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Entity e = moving(c.box);
        kScreen.collideWithScreen(e);
        EXPECT_EQ(e.box.x, c.x);
        EXPECT_EQ(e.box.y, c.y);
        EXPECT_EQ(e.box.w, c.box.w);
        EXPECT_EQ(e.box.h, c.box.h);
        EXPECT_EQ(e.dx, c.stopped ? 0 : 3);
        EXPECT_EQ(e.dy, c.stopped ? 0 : 2);
    }
}

TEST(CollideWithScreen, BringsTheBlocksAlong) {
    Entity e(-10, 600, 32, 20);
    e.addSprite(AnimatedSprite(), 4, 5);
    kScreen.collideWithScreen(e);
    EXPECT_EQ(e.box.x, 0);
    EXPECT_EQ(e.box.y, 492);
    EXPECT_EQ(e.blocks[0].dst.x, 4);
    EXPECT_EQ(e.blocks[0].dst.y, 497);
}

TEST(DetectBoxCollision, OnlyOverlapCountsNotSharedEdgesOrCorners) {
    struct Case {
        Rect a, b;
        bool overlap;
    };
    const Case cases[] = {
        {{0, 0, 10, 10}, {10, 0, 10, 10}, false},   // shared right edge
        {{10, 0, 10, 10}, {0, 0, 10, 10}, false},   // shared left edge
        {{0, 0, 10, 10}, {0, 10, 10, 10}, false},   // shared bottom edge
        {{0, 10, 10, 10}, {0, 0, 10, 10}, false},   // shared top edge
        {{0, 0, 10, 10}, {10, 10, 10, 10}, false},  // shared corner
        {{0, 0, 10, 10}, {9, 9, 10, 10}, true},     // one pixel
        {{0, 0, 100, 100}, {40, 40, 5, 5}, true},   // one inside the other
        {{40, 40, 5, 5}, {0, 0, 100, 100}, true},
        {{0, 0, 0, 0}, {0, 0, 10, 10}, false},  // an empty box touches nothing at its corner
        {{0, 0, 10, 10}, {30, 0, 10, 10}, false},
    };
    for (const Case& c : cases) {
        Entity a(c.a.x, c.a.y, c.a.w, c.a.h);
        Entity b(c.b.x, c.b.y, c.b.w, c.b.h);
        EXPECT_EQ(kScreen.detectBoxCollision(a, b), c.overlap)
            << c.a.x << "," << c.a.y << " against " << c.b.x << "," << c.b.y;
    }
}

TEST(DetectBoxCollision, HugeBoxesCompareAsTheRectanglesTheyAre) {
    // Sums past the 32-bit range must not wrap round into a miss.
    Entity huge(2147483000, 0, 2147483000, 10);
    Entity near(2147483600, 5, 10, 10);
    EXPECT_TRUE(kScreen.detectBoxCollision(huge, near));
    Entity far(-2147483600, 5, 10, 10);
    EXPECT_FALSE(kScreen.detectBoxCollision(huge, far));
}

TEST(BoxCollide, PushesAlongTheSideOfLeastOverlapAndRecordsIt) {
    struct Case {
        const char* what;
        Rect ent1, ent2;
        int32_t x, y, angle;
        bool moved;
    };
    const Case cases[] = {
        {"left 2 is least: back to the left", {0, 0, 10, 10}, {8, 2, 20, 20}, -2, 0, 0, true},
        {"up 2 is least: onto the top", {10, 0, 10, 10}, {0, 8, 40, 40}, 10, -2, 270, true},
        {"right 3 is least: out to the right", {27, 5, 10, 10}, {0, 0, 30, 30}, 30, 5, 180, true},
        {"down 4 is least: out below", {5, 26, 10, 10}, {0, 0, 30, 30}, 5, 30, 90, true},
        {"left and up tie at 5: nothing moves", {0, 0, 10, 10}, {5, 5, 20, 20}, 0, 0, -1, false},
        {"right and down tie at 1", {29, 29, 10, 10}, {0, 0, 30, 30}, 29, 29, -1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Entity e1 = moving(c.ent1);
        e1.collisionAngle = 45;
        const Entity e2(c.ent2.x, c.ent2.y, c.ent2.w, c.ent2.h);
        EXPECT_EQ(kScreen.boxCollide(e1, e2), -1);
        EXPECT_EQ(e1.box.x, c.x);
        EXPECT_EQ(e1.box.y, c.y);
        EXPECT_EQ(e1.collisionAngle, c.angle);
        // A push goes through translate by (0, 0); a tie leaves the motion alone.
        EXPECT_EQ(e1.dx, c.moved ? 0 : 3);
        EXPECT_EQ(e1.dy, c.moved ? 0 : 2);
        if (c.moved) {
            EXPECT_FALSE(kScreen.detectBoxCollision(e1, e2)) << "still overlapping";
        }
        EXPECT_EQ(e2.box, (Rect{c.ent2.x, c.ent2.y, c.ent2.w, c.ent2.h}));
    }
}

TEST(BoxCollide, BoxesApartChangeNothingAtAll) {
    Entity e1 = moving({0, 0, 10, 10});
    e1.collisionAngle = 90;
    const Entity e2(10, 0, 10, 10);
    EXPECT_EQ(kScreen.boxCollide(e1, e2), -1);
    EXPECT_EQ(e1.box, (Rect{0, 0, 10, 10}));
    EXPECT_EQ(e1.collisionAngle, 90);
    EXPECT_EQ(e1.dx, 3);
    EXPECT_EQ(e1.dy, 2);
}

}  // namespace

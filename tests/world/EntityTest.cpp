#include <gtest/gtest.h>

#include <climits>

#include "world/Entity.h"

namespace {

AnimatedSprite sprite(int32_t w, int32_t h) {
    AnimatedSprite s(500, 500, w, h, 10);
    Animation a;
    a.frames.push_back(Rect{0, 0, w, h});
    a.frames.push_back(Rect{w, 0, w, h});
    s.push_animation(a);
    return s;
}

void expectBlocksInPlace(const Entity& e) {
    for (const Block& b : e.blocks) {
        EXPECT_EQ(b.dst.x, e.box.x + b.xOff);
        EXPECT_EQ(b.dst.y, e.box.y + b.yOff);
    }
}

TEST(Entity, ConstructorsGiveDefinedValues) {
    const Entity e(1, 2, 3, 4);
    EXPECT_EQ(e.box, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(e.collisionAngle, -1);
    EXPECT_EQ(e.dx + e.dy + e.row + e.column + e.state + e.graphicIndex, 0);
    EXPECT_TRUE(e.blocks.empty());

    // The default entity is what a file that can't be opened gives: all of it defined.
    const Entity d;
    EXPECT_EQ(d.box, Rect{});
    EXPECT_EQ(d.collisionAngle, -1);
    EXPECT_EQ(d.dx + d.dy + d.row + d.column + d.state + d.graphicIndex, 0);
    EXPECT_TRUE(d.blocks.empty());
}

TEST(Entity, AddSpritePlacesTheBlockAtOnceAndLeavesItsArgumentAlone) {
    Entity e(100, 50, 32, 21);
    const AnimatedSprite s = sprite(12, 10);
    e.addSprite(s, 10, 20);
    ASSERT_EQ(e.blocks.size(), 1u);
    EXPECT_EQ(e.blocks[0].dst, (Rect{110, 70, 12, 10}));
    EXPECT_EQ(e.blocks[0].xOff, 10);
    EXPECT_EQ(e.blocks[0].yOff, 20);
    EXPECT_EQ(e.blocks[0].frameRate, 10);
    EXPECT_EQ(e.blocks[0].animations.size(), 1u);
    EXPECT_EQ(s.dst, (Rect{500, 500, 12, 10}));
}

TEST(Entity, TranslateMovesBoxAndBlocksAndRecordsTheMotion) {
    Entity e(100, 50, 32, 21);
    e.addSprite(sprite(12, 10), -12, 9);
    e.addSprite(sprite(32, 21), 0, 0);
    const int32_t moves[][2] = {{5, -3}, {-200, 40}, {0, 0}, {7, 7}};
    for (const auto& m : moves) {
        e.translate(m[0], m[1]);
        EXPECT_EQ(e.dx, m[0]);
        EXPECT_EQ(e.dy, m[1]);
        expectBlocksInPlace(e);
        EXPECT_EQ(e.blocks[0].dst.x - e.blocks[1].dst.x, -12);
        EXPECT_EQ(e.blocks[0].dst.y - e.blocks[1].dst.y, 9);
    }
    EXPECT_EQ(e.box, (Rect{-88, 94, 32, 21}));
    EXPECT_EQ(e.blocks[1].dst.w, 32);  // sizes never change
}

TEST(Entity, ZeroTranslateReplacesBlocksAndClearsTheMotion) {
    Entity e(100, 50, 32, 21);
    e.addSprite(sprite(12, 10), 4, 4);
    e.translate(5, -3);
    e.box.x = 300;  // written directly, as the level and the screen clamp do
    e.translate(0, 0);
    EXPECT_EQ(e.box, (Rect{300, 47, 32, 21}));
    EXPECT_EQ(e.dx, 0);
    EXPECT_EQ(e.dy, 0);
    expectBlocksInPlace(e);
}

TEST(Entity, SettersChangeOneFieldKeepBlocksInPlaceAndClearTheMotion) {
    struct Case {
        const char* what;
        void (Entity::*set)(int32_t);
        Rect expected;
    };
    const Case cases[] = {
        {"setX", &Entity::setX, {40, 50, 32, 21}},
        {"setY", &Entity::setY, {100, 40, 32, 21}},
        {"setW", &Entity::setW, {100, 50, 40, 21}},
        {"setH", &Entity::setH, {100, 50, 32, 40}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Entity e(100, 50, 32, 21);
        e.addSprite(sprite(12, 10), 3, 6);
        e.translate(2, 2);
        e.translate(-2, -2);
        (e.*c.set)(40);
        EXPECT_EQ(e.box, c.expected);
        EXPECT_EQ(e.dx, 0);
        EXPECT_EQ(e.dy, 0);
        expectBlocksInPlace(e);
        EXPECT_EQ(e.getX(), c.expected.x);
        EXPECT_EQ(e.getY(), c.expected.y);
        EXPECT_EQ(e.getW(), c.expected.w);
        EXPECT_EQ(e.getH(), c.expected.h);
    }
}

TEST(Entity, WithoutBlocksOnlyTheBoxAndMotionChange) {
    Entity e(1, 1, 8, 8);
    e.translate(3, 4);
    EXPECT_EQ(e.box, (Rect{4, 5, 8, 8}));
    e.animate(1);
    EXPECT_TRUE(e.blocks.empty());
}

TEST(Entity, AnimateHandsTheStateToEveryBlockAndStepsEach) {
    Entity e(0, 0, 32, 21);
    e.addSprite(sprite(12, 10), 0, 0);
    e.addSprite(sprite(32, 21), 0, 0);
    e.state = 7;
    for (Block& b : e.blocks) {
        b.lastBlit = 100;
    }
    e.animate(1);
    for (const Block& b : e.blocks) {
        EXPECT_EQ(b.state, 7);
        EXPECT_EQ(b.animations[0].currentFrame, 1);
        EXPECT_EQ(b.lastFrameTick, 100u);
    }
}

TEST(Entity, CopiesOwnTheirBlocks) {
    Entity original(0, 0, 32, 21);
    original.addSprite(sprite(12, 10), 1, 2);
    Entity copy = original;
    copy.blocks[0].animations[0].frames.clear();
    copy.blocks[0].xOff = 50;
    copy.translate(10, 10);
    EXPECT_EQ(original.blocks[0].animations[0].frames.size(), 2u);
    EXPECT_EQ(original.blocks[0].xOff, 1);
    EXPECT_EQ(original.blocks[0].dst.x, 1);

    Entity assigned(5, 5, 5, 5);
    assigned = original;
    EXPECT_EQ(assigned.box, original.box);
    assigned.blocks[0].dst.y = 77;
    EXPECT_EQ(original.blocks[0].dst.y, 2);
}

TEST(Entity, PositionsFromOddFilesWrapInsteadOfOverflowing) {
    Entity e(INT32_MAX, INT32_MIN, 1, 1);
    e.addSprite(sprite(4, 4), 10, -10);
    EXPECT_EQ(e.blocks[0].dst.x, INT32_MIN + 9);
    EXPECT_EQ(e.blocks[0].dst.y, INT32_MAX - 9);
    e.translate(1, -1);
    EXPECT_EQ(e.box.x, INT32_MIN);
    EXPECT_EQ(e.box.y, INT32_MAX);
}

}  // namespace

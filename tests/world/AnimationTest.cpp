#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "world/AnimatedSprite.h"

namespace {

Rect frameRect(int i) {
    return Rect{i * 10, 5, 10, 12};
}

// A sprite at the default rate (period 55 ms) playing one animation of `count` frames.
AnimatedSprite spriteWith(int count, int32_t mode, int32_t direction, int32_t start) {
    AnimatedSprite s(0, 0, 10, 12, AnimatedSprite::kDefaultFrameRate);
    Animation a;
    a.mode = mode;
    a.direction = direction;
    a.currentFrame = start;
    for (int i = 0; i < count; ++i) {
        a.frames.push_back(frameRect(i));
    }
    s.push_animation(a);
    return s;
}

// Draws the sprite one period later and steps it, as the drawing code does.
void drawAndStep(AnimatedSprite& s, int32_t n, uint32_t later = 55) {
    s.lastBlit += later;
    s.animate(n);
}

struct SequenceCase {
    const char* what;
    int frames;
    int32_t mode;
    int32_t direction;
    int32_t start;
    int32_t n;
    std::vector<int32_t> expected;  // current frame after each step
};

TEST(AnimatedSprite, StepsThroughFramesByMode) {
    const SequenceCase cases[] = {
        {"loop", 4, Animation::kLoop, Animation::kForward, 0, 1, {1, 2, 3, 0, 1, 2}},
        {"ping-pong", 4, Animation::kPingPong, Animation::kForward, 0, 1, {1, 2, 3, 2, 1, 0, 1, 2}},
        {"two-frame ping-pong", 2, Animation::kPingPong, Animation::kForward, 0, 1, {1, 0, 1, 0}},
        {"play once forward", 4, Animation::kPlayOnce, Animation::kForward, 0, 1, {1, 2, 3, 3, 3}},
        {"play once backward", 4, Animation::kPlayOnce, Animation::kBackward, 3, 1, {2, 1, 0, 0}},
        {"wrap by more than the count", 3, Animation::kLoop, Animation::kForward, 2, 5, {1, 0}},
        {"one-frame loop", 1, Animation::kLoop, Animation::kForward, 0, 1, {0, 0, 0}},
        {"unknown mode loops", 3, 7, Animation::kForward, 0, 1, {1, 2, 0, 1}},
        {"step of 0 repeats the frame", 3, Animation::kLoop, Animation::kForward, 1, 0, {1, 1}},
        // Outside what the game's files produce; these carry on from the other end.
        {"backward loop", 4, Animation::kLoop, Animation::kBackward, 1, 1, {0, 3, 2, 1, 0}},
        {"one-frame ping-pong", 1, Animation::kPingPong, Animation::kForward, 0, 1, {0, 0, 0}},
        {"ping-pong by 3 of 4", 4, Animation::kPingPong, Animation::kForward, 2, 3, {3, 0, 3}},
    };
    for (const SequenceCase& c : cases) {
        SCOPED_TRACE(c.what);
        AnimatedSprite s = spriteWith(c.frames, c.mode, c.direction, c.start);
        std::vector<int32_t> seen;
        for (size_t i = 0; i < c.expected.size(); ++i) {
            drawAndStep(s, c.n);
            const int32_t frame = s.animations[0].currentFrame;
            seen.push_back(frame);
            ASSERT_GE(frame, 0);
            ASSERT_LT(frame, c.frames);
            EXPECT_EQ(s.src, frameRect(frame));
        }
        EXPECT_EQ(seen, c.expected);
    }
}

TEST(AnimatedSprite, ChangesFrameOnlyOncePerPeriodOfDrawTime) {
    AnimatedSprite s = spriteWith(4, Animation::kLoop, Animation::kForward, 0);
    s.lastBlit = 1000;
    s.lastFrameTick = 1000;
    s.lastBlit = 1054;
    s.animate(1);
    EXPECT_EQ(s.animations[0].currentFrame, 0);
    EXPECT_EQ(s.src, Rect{});
    EXPECT_EQ(s.lastFrameTick, 1000u);

    s.lastBlit = 1055;
    s.animate(1);
    EXPECT_EQ(s.animations[0].currentFrame, 1);
    EXPECT_EQ(s.src, frameRect(1));
    EXPECT_EQ(s.lastFrameTick, 1055u);

    // The next period counts from the draw that made the change.
    s.lastBlit = 1109;
    s.animate(1);
    EXPECT_EQ(s.animations[0].currentFrame, 1);
    s.lastBlit = 1110;
    s.animate(1);
    EXPECT_EQ(s.animations[0].currentFrame, 2);
}

TEST(AnimatedSprite, GateComparesDrawTimesAsASignedDifference) {
    AnimatedSprite s = spriteWith(3, Animation::kLoop, Animation::kForward, 0);
    s.lastFrameTick = 100;
    s.lastBlit = 40;  // earlier than the last change: no step
    s.animate(1);
    EXPECT_EQ(s.animations[0].currentFrame, 0);

    // Across the wrap of the 32-bit tick counter the difference is still 60 ms.
    s.lastFrameTick = 0xFFFFFFF0u;
    s.lastBlit = 44;
    s.animate(1);
    EXPECT_EQ(s.animations[0].currentFrame, 1);
}

TEST(AnimatedSprite, RatesAbove1000StepOnEveryCall) {
    AnimatedSprite s = spriteWith(3, Animation::kLoop, Animation::kForward, 0);
    s.frameRate = 1001;
    s.animate(1);
    s.animate(1);
    EXPECT_EQ(s.animations[0].currentFrame, 2);
}

TEST(AnimatedSprite, OneFrameLoopStillRestartsTheTiming) {
    AnimatedSprite s = spriteWith(1, Animation::kLoop, Animation::kForward, 0);
    s.lastBlit = 300;
    s.animate(1);
    EXPECT_EQ(s.lastFrameTick, 300u);
    EXPECT_EQ(s.src, frameRect(0));
}

TEST(AnimatedSprite, PlayOnceRestingKeepsTheTimeOfItsLastChange) {
    AnimatedSprite s = spriteWith(2, Animation::kPlayOnce, Animation::kForward, 0);
    drawAndStep(s, 1);
    const uint32_t changed = s.lastFrameTick;
    drawAndStep(s, 1);
    EXPECT_EQ(s.animations[0].currentFrame, 1);
    EXPECT_EQ(s.lastFrameTick, changed);
}

TEST(AnimatedSprite, SetCurrentFrameTakesEffectAtTheNextStep) {
    AnimatedSprite s = spriteWith(4, Animation::kLoop, Animation::kForward, 0);
    drawAndStep(s, 1);
    s.setCurrentFrame(2);
    EXPECT_EQ(s.animations[0].currentFrame, 2);
    EXPECT_EQ(s.src, frameRect(1));
    drawAndStep(s, 1);
    EXPECT_EQ(s.animations[0].currentFrame, 3);
    EXPECT_EQ(s.src, frameRect(3));
}

TEST(AnimatedSprite, ConstructionChoosesNoFrame) {
    const AnimatedSprite made(3, 4, 5, 6, 12);
    EXPECT_EQ(made.src, Rect{});
    EXPECT_EQ(made.dst, (Rect{3, 4, 5, 6}));
    EXPECT_EQ(made.frameRate, 12);
    EXPECT_EQ(made.lastFrameTick, 0u);
    EXPECT_EQ(made.animationIndex, 0);
    EXPECT_TRUE(made.animations.empty());
    EXPECT_EQ(made.lastBlit + made.state + made.surfaceIndex, 0);

    const AnimatedSprite byDefault;
    EXPECT_EQ(byDefault.frameRate, 18);
    EXPECT_EQ(byDefault.dst, Rect{});
}

TEST(AnimatedSprite, CopiesStepIndependently) {
    AnimatedSprite original = spriteWith(4, Animation::kLoop, Animation::kForward, 0);
    AnimatedSprite copy = original;
    drawAndStep(copy, 1);
    drawAndStep(copy, 1);
    copy.animations[0].frames[0] = Rect{99, 99, 99, 99};
    EXPECT_EQ(original.animations[0].currentFrame, 0);
    EXPECT_EQ(original.animations[0].frames[0], frameRect(0));
    drawAndStep(original, 1);
    EXPECT_EQ(original.animations[0].currentFrame, 1);
    EXPECT_EQ(copy.animations[0].currentFrame, 2);
}

TEST(AnimatedSprite, PushAnimationKeepsACopy) {
    AnimatedSprite s;
    Animation a;
    a.frames.push_back(frameRect(0));
    s.push_animation(a);
    a.frames.push_back(frameRect(1));
    ASSERT_EQ(s.animations.size(), 1u);
    EXPECT_EQ(s.animations[0].frames.size(), 1u);
}

// Blocks read from odd files may break what stepping relies on; a step must never fail.
TEST(AnimatedSprite, StepsSafelyOutsideWhatTheFilesPromise) {
    struct Case {
        const char* what;
        int frames;
        int32_t frameRate;
        int32_t animationIndex;
        int32_t start;
        int32_t expectedFrame;  // -1: no animation to look at
        bool srcShowsFrame;
    };
    const Case cases[] = {
        {"rate 0 shows its frame and holds it", 3, 0, 0, 1, 1, true},
        {"negative rate likewise", 3, -4, 0, 2, 2, true},
        {"animation without frames", 0, 18, 0, 0, 0, false},
        {"index past the list", 3, 18, 1, 0, -1, false},
        {"negative index", 3, 18, -1, 0, -1, false},
        {"current frame far past the end", 3, 18, 0, 1000000, 1, true},
        {"negative current frame", 3, 18, 0, -7, 2, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AnimatedSprite s = spriteWith(c.frames, Animation::kLoop, Animation::kForward, c.start);
        s.frameRate = c.frameRate;
        s.animationIndex = c.animationIndex;
        for (int i = 0; i < 3; ++i) {
            drawAndStep(s, 1);
        }
        if (c.expectedFrame >= 0) {
            EXPECT_EQ(s.animations[0].currentFrame, c.expectedFrame);
        }
        EXPECT_EQ(s.src, c.srcShowsFrame ? frameRect(c.expectedFrame) : Rect{});
    }

    AnimatedSprite empty;
    drawAndStep(empty, 1);
    empty.setCurrentFrame(3);
    EXPECT_EQ(empty.src, Rect{});
}

}  // namespace

TEST(AnimatedSprite, ShowCurrentFrameGivesANewSpriteItsFrameWithoutStepping) {
    AnimatedSprite s = spriteWith(3, 0, 0, 0);
    s.showCurrentFrame();
    EXPECT_EQ(s.src, frameRect(0));
    EXPECT_EQ(s.lastFrameTick, 0u);
    EXPECT_EQ(s.animations[0].currentFrame, 0);
    // The animation then runs as it would have: the step after the first draw shows frame 1.
    drawAndStep(s, 1);
    EXPECT_EQ(s.src, frameRect(1));
}

TEST(AnimatedSprite, ShowCurrentFrameLeavesAChosenOrMissingFrameAlone) {
    struct Case {
        const char* what;
        AnimatedSprite sprite;
        Rect src;  // what src must hold afterwards
    };
    AnimatedSprite chosen = spriteWith(3, 0, 0, 2);
    chosen.src = frameRect(1);
    AnimatedSprite outOfRange = spriteWith(3, 0, 0, 7);
    AnimatedSprite negative = spriteWith(3, 0, 0, -1);
    AnimatedSprite wrongAnimation = spriteWith(3, 0, 0, 0);
    wrongAnimation.animationIndex = 1;
    const Case cases[] = {
        {"a frame already shown", chosen, frameRect(1)},
        {"no animation", AnimatedSprite(), Rect{}},
        {"no frames", spriteWith(0, 0, 0, 0), Rect{}},
        {"current frame past the end", outOfRange, Rect{}},
        {"current frame below 0", negative, Rect{}},
        {"animation index past the end", wrongAnimation, Rect{}},
    };
    for (Case c : cases) {
        c.sprite.showCurrentFrame();
        EXPECT_EQ(c.sprite.src, c.src) << c.what;
    }
}

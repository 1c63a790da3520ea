#include "world/AnimatedSprite.h"

namespace {

// Brings any frame number into 0 .. count - 1, counting backwards from the end for negative
// numbers, so that backward steps past frame 0 carry on from the last frame.
int32_t wrapFrame(int64_t frame, int64_t count) {
    const int64_t wrapped = frame % count;
    return static_cast<int32_t>(wrapped < 0 ? wrapped + count : wrapped);
}

}  // namespace

void AnimatedSprite::animate(int32_t n) {
    // A rate of 0 or less has no period: the sprite shows its current frame and stays on it.
    const bool still = frameRate <= 0;
    const int32_t period = still ? 0 : 1000 / frameRate;
    const int32_t elapsed = static_cast<int32_t>(lastBlit - lastFrameTick);
    if (elapsed < period) {
        return;
    }
    if (animationIndex < 0 || static_cast<size_t>(animationIndex) >= animations.size()) {
        return;
    }
    Animation& a = animations[static_cast<size_t>(animationIndex)];
    const int64_t count = static_cast<int64_t>(a.frames.size());
    if (count == 0) {
        return;
    }
    const int64_t step = still ? 0 : n;
    const int64_t current = a.currentFrame;

    if (a.mode == Animation::kPingPong) {
        if (current + step >= count) {
            a.direction = Animation::kBackward;
        } else if (current - step < 0) {
            a.direction = Animation::kForward;
        }
    }
    const int64_t next = a.direction == Animation::kForward ? current + step : current - step;

    if (a.mode == Animation::kPlayOnce) {
        if ((a.direction == Animation::kForward && next == count) ||
            (a.direction == Animation::kBackward && next == -1)) {
            return;
        }
    }

    a.currentFrame = wrapFrame(next, count);
    src = a.frames[static_cast<size_t>(a.currentFrame)];
    lastFrameTick = lastBlit;
}

void AnimatedSprite::setCurrentFrame(int32_t n) {
    if (animationIndex < 0 || static_cast<size_t>(animationIndex) >= animations.size()) {
        return;
    }
    animations[static_cast<size_t>(animationIndex)].currentFrame = n;
}

void AnimatedSprite::showCurrentFrame() {
    if (src.w != 0 || src.h != 0) {
        return;
    }
    if (animationIndex < 0 || static_cast<size_t>(animationIndex) >= animations.size()) {
        return;
    }
    const Animation& current = animations[static_cast<size_t>(animationIndex)];
    if (current.currentFrame < 0 ||
        static_cast<size_t>(current.currentFrame) >= current.frames.size()) {
        return;
    }
    src = current.frames[static_cast<size_t>(current.currentFrame)];
}

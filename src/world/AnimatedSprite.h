#pragma once

#include <cstdint>
#include <vector>

#include "world/Animation.h"
#include "world/Sprite.h"

// A sprite whose source rectangle steps through the frames of its current animation, at most
// frameRate times per second. Time is the sprite's own draw time (lastBlit): a sprite that is
// not drawn does not advance.
class AnimatedSprite : public Sprite {
public:
    static constexpr int32_t kDefaultFrameRate = 18;

    int32_t frameRate = kDefaultFrameRate;  // frame changes per second
    uint32_t lastFrameTick = 0;             // lastBlit at the latest frame change
    std::vector<Animation> animations;
    int32_t animationIndex = 0;  // the animation being played

    AnimatedSprite() : AnimatedSprite(0, 0, 0, 0, kDefaultFrameRate) {}
    AnimatedSprite(int32_t dx, int32_t dy, int32_t dw, int32_t dh, int32_t fr)
        : Sprite(0, 0, 0, 0, dx, dy, dw, dh), frameRate(fr) {}

    // Steps the current animation by n frames if its period has passed since the last change.
    // Safe whatever the sprite holds: with no animation or no frames it does nothing, and a
    // frame rate of 0 or less holds the current frame.
    void animate(int32_t n);

    void setCurrentFrame(int32_t n);

    // Shows the current frame at once, when the sprite has not chosen one yet: a new sprite
    // otherwise draws nothing until the step after its first draw. Neither steps nor touches
    // the timing, and leaves a sprite without such a frame as it is.
    void showCurrentFrame();
    void push_animation(Animation anim) { animations.push_back(std::move(anim)); }
};

#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "world/Rect.h"

// An ordered list of frames (source rectangles in the owner's image) with a play mode.
class Animation {
public:
    static constexpr int32_t kForward = 0;
    static constexpr int32_t kBackward = 1;
    static constexpr int32_t kLoop = 0;
    static constexpr int32_t kPingPong = 1;
    static constexpr int32_t kPlayOnce = 2;

    int32_t direction = kForward;  // 0 towards higher frame numbers, 1 towards lower ones
    int32_t mode = kLoop;          // 0 loop, 1 ping-pong, 2 play once; anything else loops
    int32_t currentFrame = 0;      // index in frames of the frame shown
    std::vector<Rect> frames;

    void clear() { frames.clear(); }
    Rect getFrame(int32_t n) const { return frames[static_cast<size_t>(n)]; }
};

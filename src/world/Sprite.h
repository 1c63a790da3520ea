#pragma once

#include <cstdint>

#include "world/Rect.h"

// A rectangle of an image (src) paired with where it lands on the screen (dst). The image
// itself belongs to the graphics context; the sprite keeps only its slot number.
class Sprite {
public:
    uint32_t lastBlit = 0;     // tick of the latest draw, read by animation timing
    int32_t state = 0;         // animation state copied in by the owning entity
    Rect src;                  // part of the image that is drawn
    Rect dst;                  // screen position; w and h are the nominal on-screen size
    int32_t surfaceIndex = 0;  // slot of the image in the table of its kind

    Sprite() = default;
    Sprite(int32_t sx, int32_t sy, int32_t sw, int32_t sh, int32_t dx, int32_t dy, int32_t dw,
           int32_t dh)
        : src{sx, sy, sw, sh}, dst{dx, dy, dw, dh} {}
};

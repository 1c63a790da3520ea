#pragma once

#include <cstdint>
#include <utility>

#include "world/AnimatedSprite.h"

// One sprite of an entity, kept at a fixed distance from the entity box's top-left corner.
class Block : public AnimatedSprite {
public:
    int32_t xOff = 0;
    int32_t yOff = 0;

    Block() = default;
    Block(AnimatedSprite sprite, int32_t xOff, int32_t yOff)
        : AnimatedSprite(std::move(sprite)), xOff(xOff), yOff(yOff) {}
};

#pragma once

#include <cstdint>
#include <vector>

#include "world/AnimatedSprite.h"
#include "world/Block.h"
#include "world/Rect.h"

// A positioned object drawn from one image: a box and the blocks that move with it. Every
// change of position goes through translate, which also records it as the last motion.
class Entity {
public:
    std::vector<Block> blocks;  // drawn and animated first to last
    int32_t dx = 0;             // x of the last translation: the horizontal speed
    int32_t dy = 0;             // y of the last translation: the vertical speed
    int32_t row = 0;            // level cell of the box's centre, kept by the entity's user
    int32_t column = 0;
    int32_t state = 0;            // animation state handed to every block
    int32_t collisionAngle = -1;  // side of the last box collision in degrees, -1 for none
    Rect box;
    int32_t graphicIndex = 0;  // slot of the entity's image

    // An entity with no blocks at (0, 0) of size 0, with no recorded collision.
    Entity() = default;
    Entity(int32_t x, int32_t y, int32_t w, int32_t h) : box{x, y, w, h} {}

    // Appends a block built from a copy of aSpr, placed at once at box + (xOff, yOff).
    void addSprite(AnimatedSprite aSpr, int32_t xOff, int32_t yOff);
    void translate(int32_t x, int32_t y);
    void animate(int32_t n);

    // Every block shows its current frame at once instead of only after its first draw (see
    // AnimatedSprite::showCurrentFrame): for entities that must be seen the moment they appear.
    void showCurrentFrames();

    int32_t getX() const { return box.x; }
    int32_t getY() const { return box.y; }
    int32_t getW() const { return box.w; }
    int32_t getH() const { return box.h; }
    void setX(int32_t n);
    void setY(int32_t n);
    void setW(int32_t n);
    void setH(int32_t n);
    void setGraphicIndex(int32_t n) { graphicIndex = n; }
};

#include "world/Entity.h"

#include <utility>

#include "world/Wrapping.h"

void Entity::addSprite(AnimatedSprite aSpr, int32_t xOff, int32_t yOff) {
    aSpr.dst.x = wrappingAdd(box.x, xOff);
    aSpr.dst.y = wrappingAdd(box.y, yOff);
    blocks.emplace_back(std::move(aSpr), xOff, yOff);
}

void Entity::translate(int32_t x, int32_t y) {
    box.x = wrappingAdd(box.x, x);
    box.y = wrappingAdd(box.y, y);
    for (Block& b : blocks) {
        b.dst.x = wrappingAdd(b.xOff, box.x);
        b.dst.y = wrappingAdd(b.yOff, box.y);
    }
    dx = x;
    dy = y;
}

void Entity::animate(int32_t n) {
    for (Block& b : blocks) {
        b.state = state;
        b.animate(n);
    }
}

void Entity::setX(int32_t n) {
    box.x = n;
    translate(0, 0);
}

void Entity::setY(int32_t n) {
    box.y = n;
    translate(0, 0);
}

void Entity::setW(int32_t n) {
    box.w = n;
    translate(0, 0);
}

void Entity::setH(int32_t n) {
    box.h = n;
    translate(0, 0);
}

void Entity::showCurrentFrames() {
    for (Block& block : blocks) {
        block.showCurrentFrame();
    }
}

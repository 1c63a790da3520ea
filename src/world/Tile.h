#pragma once

#include <cstdint>

#include "world/Entity.h"
#include "world/Point.h"
#include "world/TileType.h"

// An entity that fills one cell of the level: a square of `size` pixels with a shape.
class Tile : public Entity {
public:
    TileType type = EMPTY;
    int32_t size = 0;
    int32_t half = 0;     // size / 2
    int32_t third = 0;    // size / 3
    int32_t quarter = 0;  // size / 4

    Tile() : Tile(0, 0, 0, EMPTY) {}
    Tile(int32_t x, int32_t y, int32_t size, TileType type)
        : Entity(x, y, size, size),
          type(type),
          size(size),
          half(size / 2),
          third(size / 3),
          quarter(size / 4) {}

    int32_t getSize() const { return size; }
    void setType(TileType t) { type = t; }
    const char* getPath() const { return tileTypeName(type); }

    // The surface of a slope or cliff: returns `point` with y replaced by the height, in
    // tile-local pixels, at which an entity whose top-left corner is at point.x rests on a
    // floor or is held under a ceiling. Other types return the point unchanged.
    Point collide(Point point) const;
};

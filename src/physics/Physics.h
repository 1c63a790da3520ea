#pragma once

#include <cstdint>

#include "world/Entity.h"
#include "world/Level.h"
#include "world/Rect.h"
#include "world/Tile.h"

// The collision context: the area an entity is held inside and the level's cell size. Its
// owner sets the fields. Every correction moves an entity through translate, so it also
// replaces the entity's recorded motion.
struct Physics {
    int32_t screenWidth = 0;
    int32_t screenHeight = 0;
    int32_t tileSize = 0;

    // Moves the entity back inside the screen when its box touches or passes an edge. The
    // edges are inclusive: an entity resting on one keeps its place but loses its motion.
    void collideWithScreen(Entity& entity) const;

    // Whether the boxes overlap; boxes that only share an edge or a corner do not.
    bool detectBoxCollision(const Entity& ent1, const Entity& ent2) const;
    static bool detectBoxCollision(const Rect& a, const Rect& b);

    // Pushes ent1 out of ent2 along the side of least overlap and records the side in ent1's
    // collisionAngle (0 right side, 90 top, 180 left, 270 bottom; -1 when two sides tie and
    // nothing moves). Boxes that don't overlap change nothing. Always returns -1.
    int32_t boxCollide(Entity& ent1, const Entity& ent2) const;
    int32_t boxCollide(Entity& ent1, const Rect& box) const;

    // Collides the entity with the tile of its cell (row, column) and the tiles left and right
    // of it. Returns 1 when that moved the entity's box, 0 when it ends where it began. Cells
    // outside the level's grid hold nothing to collide with.
    int32_t collide(Entity& entity, const Level& level) const;

    // Pushes the entity out of the solid part of one tile: squares and walls as boxes, slopes
    // and cliffs onto or below their surface while within reach of it, as boxes otherwise.
    // Empty and curve tiles are never solid.
    void collide(Entity& entity, const Tile& tile) const;
};

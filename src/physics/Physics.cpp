#include "physics/Physics.h"

#include "world/Wrapping.h"

namespace {

// Geometry is compared in 64 bits so that boxes from strange data files, however large,
// compare as the rectangles they are; positions written back wrap like every other position.
int64_t wide(int32_t v) {
    return v;
}

// Writes a new box position and brings the entity's blocks along; the entity loses its motion.
void placeAt(Entity& entity, int32_t x, int32_t y) {
    entity.box.x = x;
    entity.box.y = y;
    entity.translate(0, 0);
}

enum class Side { Floor, Ceiling };

// Where the entity must be, horizontally, for a sloping surface to hold it.
enum class Across {
    FromLeftEdge,    // E.x >= T.x + margin
    FromBehindLeft,  // E.x >= T.x - E.w + margin: reaching in from the left
    UpToRightEdge,   // E.x + E.w <= T.x + T.w + margin
};

// And vertically.
enum class Along {
    BottomUpTo,  // E.y + E.h <= T.y + T.h + margin
    TopFrom,     // E.y >= T.y + margin
};

// The part of the cell that stands in as a box when the entity is out of the surface's reach.
enum class Part { Whole, LowerHalf, UpperHalf, LeftHalf, RightHalf };

struct SurfaceRule {
    Side side;
    Across across;
    int32_t acrossMargin;
    Along along;
    int32_t alongMargin;
    Part fallback;
};

// The twenty slopes and cliffs, from SLOPE_MODERATE_0 to CLIFF_STEEP_270.
constexpr SurfaceRule kSurfaceRules[] = {
    {Side::Floor, Across::FromLeftEdge, 0, Along::BottomUpTo, 0, Part::Whole},
    {Side::Floor, Across::UpToRightEdge, 0, Along::BottomUpTo, 0, Part::Whole},
    {Side::Ceiling, Across::UpToRightEdge, 0, Along::TopFrom, 0, Part::Whole},
    {Side::Ceiling, Across::FromLeftEdge, 0, Along::TopFrom, 0, Part::Whole},

    {Side::Floor, Across::FromBehindLeft, -4, Along::BottomUpTo, 4, Part::LowerHalf},
    {Side::Floor, Across::UpToRightEdge, -4, Along::BottomUpTo, 4, Part::RightHalf},
    {Side::Ceiling, Across::UpToRightEdge, -4, Along::TopFrom, -4, Part::UpperHalf},
    {Side::Ceiling, Across::FromLeftEdge, 4, Along::TopFrom, -4, Part::LeftHalf},

    {Side::Floor, Across::FromBehindLeft, -4, Along::BottomUpTo, -4, Part::LeftHalf},
    {Side::Floor, Across::UpToRightEdge, -4, Along::BottomUpTo, 4, Part::LowerHalf},
    {Side::Ceiling, Across::UpToRightEdge, -4, Along::TopFrom, 4, Part::RightHalf},
    {Side::Ceiling, Across::FromLeftEdge, 4, Along::TopFrom, -4, Part::UpperHalf},

    {Side::Floor, Across::FromBehindLeft, -4, Along::BottomUpTo, -4, Part::Whole},
    {Side::Floor, Across::UpToRightEdge, -4, Along::BottomUpTo, 4, Part::Whole},
    {Side::Ceiling, Across::UpToRightEdge, 4, Along::TopFrom, -4, Part::Whole},
    {Side::Ceiling, Across::FromLeftEdge, 4, Along::TopFrom, -4, Part::Whole},

    {Side::Floor, Across::FromLeftEdge, 0, Along::BottomUpTo, 0, Part::Whole},
    {Side::Floor, Across::UpToRightEdge, 0, Along::BottomUpTo, 0, Part::Whole},
    {Side::Ceiling, Across::UpToRightEdge, 0, Along::TopFrom, 0, Part::Whole},
    {Side::Ceiling, Across::FromLeftEdge, 0, Along::TopFrom, 0, Part::Whole},
};

bool isSurface(TileType type) {
    return type >= SLOPE_MODERATE_0 && type <= CLIFF_STEEP_270;
}

bool withinReach(const SurfaceRule& rule, const Rect& e, const Rect& t) {
    bool across = false;
    switch (rule.across) {
        case Across::FromLeftEdge:
            across = wide(e.x) >= wide(t.x) + rule.acrossMargin;
            break;
        case Across::FromBehindLeft:
            across = wide(e.x) >= wide(t.x) - e.w + rule.acrossMargin;
            break;
        case Across::UpToRightEdge:
            across = wide(e.x) + e.w <= wide(t.x) + t.w + rule.acrossMargin;
            break;
    }
    if (!across) {
        return false;
    }
    if (rule.along == Along::BottomUpTo) {
        return wide(e.y) + e.h <= wide(t.y) + t.h + rule.alongMargin;
    }
    return wide(e.y) >= wide(t.y) + rule.alongMargin;
}

// The named part of the cell box (T.x, T.y, size, size).
Rect cellPart(const Tile& tile, Part part) {
    Rect b{tile.box.x, tile.box.y, tile.size, tile.size};
    const int32_t halfSize = tile.size / 2;
    switch (part) {
        case Part::Whole:
            break;
        case Part::LowerHalf:
            b.h = halfSize;
            b.y = wrappingAdd(b.y, b.h);
            break;
        case Part::UpperHalf:
            b.h = halfSize;
            break;
        case Part::LeftHalf:
            b.w = halfSize;
            break;
        case Part::RightHalf:
            b.w = halfSize;
            b.x = wrappingAdd(b.x, b.w);
            break;
    }
    return b;
}

}  // namespace

void Physics::collideWithScreen(Entity& entity) const {
    Rect& b = entity.box;
    if (b.x <= 0) {
        placeAt(entity, 0, b.y);
    }
    if (b.y <= 0) {
        placeAt(entity, b.x, 0);
    }
    if (wide(b.x) + b.w >= screenWidth) {
        placeAt(entity, wrappingSub(screenWidth, b.w), b.y);
    }
    if (wide(b.y) + b.h >= screenHeight) {
        placeAt(entity, b.x, wrappingSub(screenHeight, b.h));
    }
}

bool Physics::detectBoxCollision(const Rect& a, const Rect& b) {
    return wide(a.x) + a.w > b.x && a.y < wide(b.y) + b.h && wide(a.y) + a.h > b.y &&
           a.x < wide(b.x) + b.w;
}

bool Physics::detectBoxCollision(const Entity& ent1, const Entity& ent2) const {
    return detectBoxCollision(ent1.box, ent2.box);
}

int32_t Physics::boxCollide(Entity& ent1, const Entity& ent2) const {
    return boxCollide(ent1, ent2.box);
}

int32_t Physics::boxCollide(Entity& ent1, const Rect& other) const {
    const Rect& e = ent1.box;
    if (!detectBoxCollision(e, other)) {
        return -1;
    }
    const int64_t left = wide(e.x) + e.w - other.x;
    const int64_t right = wide(other.x) + other.w - e.x;
    const int64_t up = wide(e.y) + e.h - other.y;
    const int64_t down = wide(other.y) + other.h - e.y;
    auto smallest = [](int64_t depth, int64_t a, int64_t b, int64_t c) {
        return depth > 0 && depth < a && depth < b && depth < c;
    };

    if (smallest(left, right, up, down)) {
        placeAt(ent1, wrappingSub(other.x, e.w), e.y);
        ent1.collisionAngle = 0;
    } else if (smallest(right, left, up, down)) {
        placeAt(ent1, wrappingAdd(other.x, other.w), e.y);
        ent1.collisionAngle = 180;
    } else if (smallest(up, left, right, down)) {
        placeAt(ent1, e.x, wrappingSub(other.y, e.h));
        ent1.collisionAngle = 270;
    } else if (smallest(down, left, right, up)) {
        placeAt(ent1, e.x, wrappingAdd(other.y, other.h));
        ent1.collisionAngle = 90;
    } else {
        ent1.collisionAngle = -1;
        return -1;
    }
    // The boxes now share an edge at most, so this finds nothing more to do.
    return boxCollide(ent1, other);
}

int32_t Physics::collide(Entity& entity, const Level& level) const {
    const int32_t startX = entity.box.x;
    const int32_t startY = entity.box.y;
    const int32_t row = entity.row;
    const int32_t column = entity.column;
    auto collideWithCell = [&](int32_t c) {
        if (level.contains(row, c)) {
            collide(entity, level.grid[static_cast<size_t>(row)][static_cast<size_t>(c)]);
        }
    };
    collideWithCell(column);
    if (column > 0) {
        collideWithCell(column - 1);
    }
    if (column < level.columns - 1) {
        collideWithCell(column + 1);
    }
    return entity.box.x != startX || entity.box.y != startY ? 1 : 0;
}

void Physics::collide(Entity& entity, const Tile& tile) const {
    const Rect& e = entity.box;
    const Rect& t = tile.box;
    const TileType type = tile.type;

    switch (type) {
        case SQUARE_0:
        case SQUARE_90:
        case SQUARE_180:
        case SQUARE_270:
            boxCollide(entity, tile);
            return;
        case WALL_0:
            boxCollide(entity, cellPart(tile, Part::LeftHalf));
            return;
        case WALL_90:
            boxCollide(entity, cellPart(tile, Part::LowerHalf));
            return;
        case WALL_180:
            boxCollide(entity, cellPart(tile, Part::RightHalf));
            return;
        case WALL_270:
            boxCollide(entity, cellPart(tile, Part::UpperHalf));
            return;
        default:
            break;
    }
    if (!isSurface(type)) {
        return;  // empty, the curves, and anything unknown
    }

    const SurfaceRule& rule = kSurfaceRules[type - SLOPE_MODERATE_0];
    // The surface is looked up under the entity's top-left corner; the one cliff that falls
    // away to the left looks under its bottom-right corner instead.
    Point p(wrappingSub(e.x, t.x), wrappingSub(e.y, t.y));
    if (type == CLIFF_GRADUAL_90) {
        p = Point(wrappingAdd(p.x, e.w), wrappingAdd(p.y, e.h));
    }
    const int32_t s = tile.collide(p).y;

    if (!withinReach(rule, e, t)) {
        boxCollide(entity, rule.fallback == Part::Whole ? t : cellPart(tile, rule.fallback));
        return;
    }
    if (!detectBoxCollision(e, t)) {
        return;
    }
    const int64_t rest = wide(s) - e.h;  // where P.y lies once the entity sits on the surface
    const bool pastSurface = rule.side == Side::Floor ? p.y > rest : p.y < rest;
    if (pastSurface) {
        entity.translate(0, static_cast<int32_t>(static_cast<uint32_t>(rest - p.y)));
    }
}

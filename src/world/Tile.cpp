#include "world/Tile.h"

#include <algorithm>

#include "world/Wrapping.h"

Point Tile::collide(Point point) const {
    // Local positions come from screen boxes and stay small; the arithmetic wraps all the same
    // so that no position, however far off, can overflow.
    const int32_t x = point.x;
    auto add = wrappingAdd;
    auto sub = wrappingSub;
    auto mul = wrappingMul;
    int32_t s = point.y;
    switch (type) {
        case SLOPE_MODERATE_0:
            s = x;
            break;
        case SLOPE_MODERATE_90:
            s = sub(half, x);
            break;
        case SLOPE_MODERATE_180:
            s = add(add(third, half), x);
            break;
        case SLOPE_MODERATE_270:
            s = sub(add(third, size), x);
            break;
        case SLOPE_GRADUAL_0:
            s = std::max(half, sub(add(half, add(x, 1) / 2), 1));
            break;
        case SLOPE_GRADUAL_90:
            s = mul(sub(half, x), 2);
            break;
        case SLOPE_GRADUAL_180:
            s = std::min(size, add(add(quarter, third), x / 2));
            break;
        case SLOPE_GRADUAL_270:
            s = add(sub(quarter, mul(x, 2)), size);
            break;
        case SLOPE_STEEP_0:
            s = std::max(0, mul(x, 2));
            break;
        case SLOPE_STEEP_90:
            s = add(sub(quarter, x / 2), half);
            break;
        case SLOPE_STEEP_180:
            s = add(mul(x, 2), third);
            break;
        case SLOPE_STEEP_270:
            s = add(sub(sub(size, add(x, 1) / 2), quarter), 3);
            break;
        case CLIFF_GRADUAL_0:
            s = std::max(0, x / 2);
            break;
        case CLIFF_GRADUAL_90:
            s = add(sub(quarter, mul(x, 2)), size);
            break;
        case CLIFF_GRADUAL_180:
            s = add(x / 2, size);
            break;
        case CLIFF_GRADUAL_270:
            s = add(mul(sub(size, x), 2), quarter);
            break;
        case CLIFF_STEEP_0:
            s = std::max(0, sub(mul(x, 2), size));
            break;
        case CLIFF_STEEP_90:
            s = sub(quarter, x / 2);
            break;
        case CLIFF_STEEP_180:
            s = add(add(mul(x, 2), quarter), size);
            break;
        case CLIFF_STEEP_270:
            s = add(sub(quarter, x / 2), size);
            break;
        default:
            break;
    }
    return Point(point.x, s);
}

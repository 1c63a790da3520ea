#pragma once

#include <cstdint>
#include <string_view>

// The shape of a tile: 0 is EMPTY, every other value is 1 + 4 * shape + rotation, the
// rotation suffix turning the shape counter-clockwise as seen on the screen.
enum TileType : int32_t {
    EMPTY = 0,
    SQUARE_0,
    SQUARE_90,
    SQUARE_180,
    SQUARE_270,
    WALL_0,
    WALL_90,
    WALL_180,
    WALL_270,
    SLOPE_MODERATE_0,
    SLOPE_MODERATE_90,
    SLOPE_MODERATE_180,
    SLOPE_MODERATE_270,
    SLOPE_GRADUAL_0,
    SLOPE_GRADUAL_90,
    SLOPE_GRADUAL_180,
    SLOPE_GRADUAL_270,
    SLOPE_STEEP_0,
    SLOPE_STEEP_90,
    SLOPE_STEEP_180,
    SLOPE_STEEP_270,
    CLIFF_GRADUAL_0,
    CLIFF_GRADUAL_90,
    CLIFF_GRADUAL_180,
    CLIFF_GRADUAL_270,
    CLIFF_STEEP_0,
    CLIFF_STEEP_90,
    CLIFF_STEEP_180,
    CLIFF_STEEP_270,
    CURVE_CONVEX_0,
    CURVE_CONVEX_90,
    CURVE_CONVEX_180,
    CURVE_CONVEX_270,
    CURVE_CONCAVE_0,
    CURVE_CONCAVE_90,
    CURVE_CONCAVE_180,
    CURVE_CONCAVE_270,
};

constexpr int32_t kTileTypeCount = 37;

// The lower-case name of a type ("square_0"): the stem of its tile file and image, and its
// word in level files. Values outside the enumeration read as "empty".
const char* tileTypeName(int32_t type);

// The upper-case keyword of a type ("SQUARE_0"), as tile files write it; "EMPTY" outside the
// enumeration.
const char* tileTypeKeyword(int32_t type);

// Looks a level-file name or a tile-file keyword up, case included. Returns false and leaves
// `type` alone when the word is none of the 37.
bool tileTypeFromName(std::string_view name, TileType& type);
bool tileTypeFromKeyword(std::string_view keyword, TileType& type);

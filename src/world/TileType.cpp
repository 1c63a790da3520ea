#include "world/TileType.h"

namespace {

struct TypeWords {
    const char* name;
    const char* keyword;
};

constexpr TypeWords kWords[kTileTypeCount] = {
    {"empty", "EMPTY"},
    {"square_0", "SQUARE_0"},
    {"square_90", "SQUARE_90"},
    {"square_180", "SQUARE_180"},
    {"square_270", "SQUARE_270"},
    {"wall_0", "WALL_0"},
    {"wall_90", "WALL_90"},
    {"wall_180", "WALL_180"},
    {"wall_270", "WALL_270"},
    {"slope_moderate_0", "SLOPE_MODERATE_0"},
    {"slope_moderate_90", "SLOPE_MODERATE_90"},
    {"slope_moderate_180", "SLOPE_MODERATE_180"},
    {"slope_moderate_270", "SLOPE_MODERATE_270"},
    {"slope_gradual_0", "SLOPE_GRADUAL_0"},
    {"slope_gradual_90", "SLOPE_GRADUAL_90"},
    {"slope_gradual_180", "SLOPE_GRADUAL_180"},
    {"slope_gradual_270", "SLOPE_GRADUAL_270"},
    {"slope_steep_0", "SLOPE_STEEP_0"},
    {"slope_steep_90", "SLOPE_STEEP_90"},
    {"slope_steep_180", "SLOPE_STEEP_180"},
    {"slope_steep_270", "SLOPE_STEEP_270"},
    {"cliff_gradual_0", "CLIFF_GRADUAL_0"},
    {"cliff_gradual_90", "CLIFF_GRADUAL_90"},
    {"cliff_gradual_180", "CLIFF_GRADUAL_180"},
    {"cliff_gradual_270", "CLIFF_GRADUAL_270"},
    {"cliff_steep_0", "CLIFF_STEEP_0"},
    {"cliff_steep_90", "CLIFF_STEEP_90"},
    {"cliff_steep_180", "CLIFF_STEEP_180"},
    {"cliff_steep_270", "CLIFF_STEEP_270"},
    {"curve_convex_0", "CURVE_CONVEX_0"},
    {"curve_convex_90", "CURVE_CONVEX_90"},
    {"curve_convex_180", "CURVE_CONVEX_180"},
    {"curve_convex_270", "CURVE_CONVEX_270"},
    {"curve_concave_0", "CURVE_CONCAVE_0"},
    {"curve_concave_90", "CURVE_CONCAVE_90"},
    {"curve_concave_180", "CURVE_CONCAVE_180"},
    {"curve_concave_270", "CURVE_CONCAVE_270"},
};

bool inRange(int32_t type) {
    return type >= 0 && type < kTileTypeCount;
}

}  // namespace

const char* tileTypeName(int32_t type) {
    return kWords[inRange(type) ? type : EMPTY].name;
}

const char* tileTypeKeyword(int32_t type) {
    return kWords[inRange(type) ? type : EMPTY].keyword;
}

namespace {

// Finds `word` in one column of the table: the names or the keywords.
bool lookUp(std::string_view word, const char* TypeWords::*column, TileType& type) {
    for (int32_t t = 0; t < kTileTypeCount; ++t) {
        if (word == kWords[t].*column) {
            type = static_cast<TileType>(t);
            return true;
        }
    }
    return false;
}

}  // namespace

bool tileTypeFromName(std::string_view name, TileType& type) {
    return lookUp(name, &TypeWords::name, type);
}

bool tileTypeFromKeyword(std::string_view keyword, TileType& type) {
    return lookUp(keyword, &TypeWords::keyword, type);
}

// The 37 kinds of tile a level is made of, in the order of their values: the empty tile, then
// every shape in each of its four rotations.
#pragma once

#include <string>
#include <vector>

namespace asset_gen {

enum class Shape {
    Square,
    Wall,
    SlopeModerate,
    SlopeGradual,
    SlopeSteep,
    CliffGradual,
    CliffSteep,
    CurveConvex,
    CurveConcave,
};

constexpr int kShapes = 9;
constexpr int kRotations = 4;  // 0, 90, 180 and 270 degrees
constexpr int kTileTypes = 1 + kShapes * kRotations;

struct TileType {
    std::string name;     // lower case, e.g. "slope_moderate_180"; names the tile's files
    std::string keyword;  // the name in upper case, e.g. "SLOPE_MODERATE_180"
    int value = 0;
};

// "slope_moderate" for Shape::SlopeModerate.
const char* shapeName(Shape shape);

// "slope_moderate_180" for (Shape::SlopeModerate, 2).
std::string tileName(Shape shape, int rotationIndex);

// All 37 kinds, indexed by value.
const std::vector<TileType>& tileTypes();

constexpr const char* kEmptyTileName = "empty";

// Where a tile's description and picture go below the content root.
std::string tileFilePath(const std::string& name);
std::string tileSheetPath(const std::string& name);

}  // namespace asset_gen

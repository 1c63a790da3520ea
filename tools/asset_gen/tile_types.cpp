#include "tile_types.h"

#include <cctype>

namespace asset_gen {

const char* shapeName(Shape shape) {
    switch (shape) {
        case Shape::Square:
            return "square";
        case Shape::Wall:
            return "wall";
        case Shape::SlopeModerate:
            return "slope_moderate";
        case Shape::SlopeGradual:
            return "slope_gradual";
        case Shape::SlopeSteep:
            return "slope_steep";
        case Shape::CliffGradual:
            return "cliff_gradual";
        case Shape::CliffSteep:
            return "cliff_steep";
        case Shape::CurveConvex:
            return "curve_convex";
        case Shape::CurveConcave:
            return "curve_concave";
    }
    return "?";
}

std::string tileName(Shape shape, int rotationIndex) {
    return std::string(shapeName(shape)) + "_" + std::to_string(90 * rotationIndex);
}

const std::vector<TileType>& tileTypes() {
    static const std::vector<TileType> all = [] {
        std::vector<std::string> names = {kEmptyTileName};
        for (int shape = 0; shape < kShapes; ++shape) {
            for (int rotation = 0; rotation < kRotations; ++rotation) {
                names.push_back(tileName(static_cast<Shape>(shape), rotation));
            }
        }
        std::vector<TileType> types;
        for (const std::string& name : names) {
            std::string keyword = name;
            for (char& c : keyword) {
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            }
            types.push_back({name, keyword, static_cast<int>(types.size())});
        }
        return types;
    }();
    return all;
}

std::string tileFilePath(const std::string& name) {
    return "tiles/" + name + ".til";
}

std::string tileSheetPath(const std::string& name) {
    return "images/tiles/" + name + ".png";
}

}  // namespace asset_gen

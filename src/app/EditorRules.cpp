#include "app/EditorRules.h"

#include <algorithm>

namespace editor {

namespace {

// A remainder in 0 to kBrushTypeCount - 1, for any type the brush might hold.
int32_t intoCycle(int64_t value) {
    const int64_t remainder = value % kBrushTypeCount;
    return static_cast<int32_t>(remainder < 0 ? remainder + kBrushTypeCount : remainder);
}

}  // namespace

Cell cellUnderMouse(int32_t mouseX, int32_t mouseY, int32_t rows, int32_t columns) {
    Cell cell;
    cell.row = std::clamp(mouseY / kCellSize, 0, std::max(rows - 1, 0));
    cell.column = std::clamp(mouseX / kCellSize, 0, std::max(columns - 1, 0));
    return cell;
}

TileType cycledBrushType(int32_t type, bool comma, bool period) {
    if (comma) {
        return static_cast<TileType>(type == EMPTY ? kLastBrushType : intoCycle(int64_t{type} - 1));
    }
    if (period) {
        return static_cast<TileType>(type == kLastBrushType ? EMPTY : intoCycle(int64_t{type} + 1));
    }
    return static_cast<TileType>(type);
}

}  // namespace editor

#pragma once

#include <cstdint>

#include "world/TileType.h"

// The tile editor's arithmetic, free of the window: which cell the pointer stands over and
// which type the brush moves to.
namespace editor {

constexpr int32_t kCellSize = 64;  // the editor's cells, whatever the level's tiles measure

// The brush cycles over EMPTY and the 28 solid shapes, 0 to 28; curves lie beyond and are
// reached only by copying a cell that holds one.
constexpr int32_t kBrushTypeCount = 29;
constexpr TileType kLastBrushType = CLIFF_STEEP_270;

struct Cell {
    int32_t row = 0;
    int32_t column = 0;
};

// The cell under the pointer: the position divided by the cell size, ignoring the level's
// scroll, then kept inside a grid of `rows` by `columns` whatever position SDL reported.
Cell cellUnderMouse(int32_t mouseX, int32_t mouseY, int32_t rows, int32_t columns);

// The brush's type after one step of cycling: comma steps back, period forward, comma wins
// when both are down; EMPTY and the last shape wrap round to each other, and a curve lands in
// the cycle (36 goes to 6 backwards and to 8 forwards). With neither key down the type stays.
TileType cycledBrushType(int32_t type, bool comma, bool period);

}  // namespace editor

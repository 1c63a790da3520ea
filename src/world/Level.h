#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "world/Tile.h"

// Loads a fresh tile by its type's name; the level reads the "empty" tile through it when it
// is built, and the tiles of every column that re-enters while it scrolls.
using TileLoader = std::function<Tile(const std::string& name)>;

// The playing field: rows by columns cells, each holding its own tile whose box is the cell's
// rectangle on the screen. Scrolling moves every tile and, whenever a whole tile's length has
// been covered, rotates the columns by one so that the level repeats endlessly.
class Level {
public:
    static constexpr int32_t kNoShift = -1;

    std::vector<std::vector<Tile>> grid;  // grid[row][column]; row 0 at the top
    TileLoader reader;
    int32_t scrollX = 0;  // horizontal scroll since the last column shift
    int32_t scrollY = 0;  // vertical scroll since the last row shift
    int32_t columns = 0;
    int32_t rows = 0;

    // Fills every cell with a copy of the tile named "empty". Counts below 0 count as 0.
    Level(int32_t rows, int32_t columns, TileLoader reader);

    // Places a copy of the tile at the cell's unscrolled position and stores it there. A cell
    // outside the grid is left alone.
    void insertTile(Tile tile, int32_t row, int32_t column);

    int32_t getRows() const { return rows; }
    int32_t getColumns() const { return columns; }
    bool contains(int32_t row, int32_t column) const {
        return row >= 0 && row < rows && column >= 0 && column < columns;
    }

    // Moves the level by (x, y) pixels. Returns the side whose column or row was shifted in:
    // 180 when the columns moved left, 0 right, 90 up, 270 down, or kNoShift.
    int32_t scroll(int32_t x, int32_t y);

private:
    void shiftColumnsLeft();
    void shiftColumnsRight();
    void shiftRowsUp();
    void shiftRowsDown();
};

#include "world/Level.h"

#include <utility>

#include "world/Wrapping.h"

Level::Level(int32_t rows, int32_t columns, TileLoader reader)
    : reader(std::move(reader)), columns(columns > 0 ? columns : 0), rows(rows > 0 ? rows : 0) {
    grid.resize(static_cast<size_t>(this->rows));
    for (std::vector<Tile>& cells : grid) {
        cells.resize(static_cast<size_t>(this->columns));
    }
    const Tile empty = this->reader("empty");
    for (int32_t r = 0; r < this->rows; ++r) {
        for (int32_t c = 0; c < this->columns; ++c) {
            insertTile(empty, r, c);
        }
    }
}

void Level::insertTile(Tile tile, int32_t row, int32_t column) {
    if (!contains(row, column)) {
        return;
    }
    tile.box.y = wrappingMul(row, tile.box.w);
    tile.translate(0, 0);
    tile.box.x = wrappingMul(column, tile.box.h);
    tile.translate(0, 0);
    grid[static_cast<size_t>(row)][static_cast<size_t>(column)] = std::move(tile);
}

int32_t Level::scroll(int32_t x, int32_t y) {
    scrollX = wrappingAdd(scrollX, x);
    scrollY = wrappingAdd(scrollY, y);
    for (std::vector<Tile>& cells : grid) {
        for (Tile& tile : cells) {
            tile.translate(x, y);
        }
    }
    if (rows == 0 || columns == 0) {
        return kNoShift;
    }

    const int32_t size = grid[0][0].size;
    const int32_t negativeSize = wrappingSub(0, size);
    if (scrollX <= negativeSize) {
        scrollX = wrappingAdd(scrollX, size);
        shiftColumnsLeft();
        return 180;
    }
    if (scrollX >= size) {
        scrollX = wrappingSub(scrollX, size);
        shiftColumnsRight();
        return 0;
    }
    if (scrollY <= negativeSize) {
        scrollY = wrappingAdd(scrollY, size);
        shiftRowsUp();
        return 90;
    }
    if (scrollY >= size) {
        scrollY = wrappingSub(scrollY, size);
        shiftRowsDown();
        return 270;
    }
    return kNoShift;
}

// The cells are moved rather than copied: the result is the same as assigning each cell its
// neighbour, without copying every tile's blocks on every shift.
void Level::shiftColumnsLeft() {
    for (int32_t r = 0; r < rows; ++r) {
        std::vector<Tile>& cells = grid[static_cast<size_t>(r)];
        Tile fresh = reader(cells.front().getPath());
        fresh.graphicIndex = cells.front().graphicIndex;
        for (size_t c = 1; c < cells.size(); ++c) {
            cells[c - 1] = std::move(cells[c]);
        }
        insertTile(std::move(fresh), r, columns - 1);
    }
}

void Level::shiftColumnsRight() {
    for (int32_t r = 0; r < rows; ++r) {
        std::vector<Tile>& cells = grid[static_cast<size_t>(r)];
        Tile fresh = reader(cells.back().getPath());
        fresh.graphicIndex = cells.back().graphicIndex;
        for (size_t c = cells.size() - 1; c >= 1; --c) {
            cells[c] = std::move(cells[c - 1]);
        }
        insertTile(std::move(fresh), r, 0);
    }
}

void Level::shiftRowsUp() {
    for (size_t r = 1; r < grid.size(); ++r) {
        for (size_t c = 0; c < grid[r].size(); ++c) {
            grid[r - 1][c] = grid[r][c];
        }
    }
}

void Level::shiftRowsDown() {
    for (size_t r = grid.size() - 1; r >= 1; --r) {
        for (size_t c = 0; c < grid[r].size(); ++c) {
            grid[r][c] = grid[r - 1][c];
        }
    }
}

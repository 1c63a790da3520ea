// Builds a cave level from the course of its ceiling and its floor, and checks that what it
// built is a cave the robot can fly through.
//
// Heights are counted in half rows (32 pixels) down from the top of the level, so 0 is the top
// edge and 16 the bottom edge. The ceiling and the floor each start at a height at the left edge
// of column 0 and then go on column by column: flat for a while, or rising or falling through
// one slope or cliff tile. The builder picks the tiles and their rows, fills the solid side of
// each surface with squares and leaves the rest empty.
#pragma once

#include <string>
#include <vector>

#include "layout.h"
#include "tile_types.h"

namespace asset_gen {

constexpr int kLevelColumns = 64;
constexpr int kLevelRows = 8;
constexpr int kLevelHeight = kLevelRows * kTileSide;
constexpr int kHalfRow = kTileSide / 2;

// The robot needs three full rows of open space everywhere between ceiling and floor.
constexpr int kMinimumOpening = 3 * kTileSide;

// The robot changes its climb only slowly, so a surface stays flat for a while after it moves:
// at least this many columns between two moves of the same surface, more when one of them
// moves a full row.
constexpr int kRestAfterHalfRow = 2;
constexpr int kRestAfterFullRow = 3;

// How a surface goes on through the next columns. "Rise" moves it up the screen and "fall"
// down, for the ceiling as for the floor.
struct Step {
    enum class Kind { Flat, Rise, Fall };
    Kind kind = Kind::Flat;
    Shape family = Shape::Square;  // the slope or cliff shape of a rise or a fall
    int columns = 1;               // how long a flat stretch lasts; rises and falls take one
};

inline Step flat(int columns) {
    return {Step::Kind::Flat, Shape::Square, columns};
}
inline Step rise(Shape family) {
    return {Step::Kind::Rise, family, 1};
}
inline Step fall(Shape family) {
    return {Step::Kind::Fall, family, 1};
}

// A curve tile set into the open space purely for looks; curves are never solid. It rests on a
// square below it or hangs from a square above it.
struct Ornament {
    int column = 0;
    int row = 0;
    std::string name;
};

// A block of cells, bounds included.
struct CellArea {
    int firstColumn = 0;
    int lastColumn = -1;
    int firstRow = 0;
    int lastRow = -1;
};

struct CavePlan {
    int ceiling = 0;  // heights at the left edge of column 0, in half rows
    int floor = 0;
    std::vector<Step> ceilingSteps;  // each list covers exactly kLevelColumns columns
    std::vector<Step> floorSteps;
    std::vector<Ornament> ornaments;
    CellArea keepClear;  // cells that must stay empty, such as where the robot starts
};

// A level's tile names by row, top row first, then by column.
using LevelGrid = std::vector<std::vector<std::string>>;

// Lays out the plan and checks the result with checkCave. Throws std::runtime_error, naming the
// column, when the plan does not make a sound cave.
LevelGrid buildCave(const CavePlan& plan);

// Checks a level read tile by tile: every column has one opening between a ceiling band at the
// top and a floor band at the bottom, at least kMinimumOpening high; every column's surfaces
// join the next column's, the last column's the first's (the level repeats); the surfaces rest
// between moves; ornaments sit in roomy columns; `keepClear` is empty. Throws
// std::runtime_error naming the first fault.
void checkCave(const LevelGrid& grid, const CellArea& keepClear);

// The level file: one line per row, the names separated by single spaces.
std::string levelText(const LevelGrid& grid);

// What a tile means for the shape of the cave.
enum class Solidity { Open, Solid, Floor, Ceiling };

struct TileSurface {
    Solidity solidity = Solidity::Open;
    // For floors and ceilings: the surface's depth in the tile at x = 0, 32 and 64, in pixels
    // down from the tile's top edge. Floors are solid below it, ceilings above it.
    int y[3] = {0, 0, 0};
};

// Throws std::runtime_error for names that have no place in a cave (unknown names, and the
// upright walls wall_0 and wall_180).
TileSurface tileSurface(const std::string& name);

}  // namespace asset_gen

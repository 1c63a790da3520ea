#include "level_builder.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <stdexcept>

#include "tile_shapes.h"

namespace asset_gen {

namespace {

constexpr int kSamples = 3;  // x = 0, 32 and 64 in each column
const std::string kSquare = tileName(Shape::Square, 0);

std::runtime_error fault(int column, const std::string& what) {
    return std::runtime_error("level: column " + std::to_string(column) + ": " + what);
}

bool isMove(Shape family) {
    return family == Shape::SlopeModerate || family == Shape::SlopeGradual ||
           family == Shape::SlopeSteep || family == Shape::CliffGradual ||
           family == Shape::CliffSteep;
}

bool isSquare(const std::string& name) {
    return name.rfind("square_", 0) == 0;
}

// Puts one surface into the grid, column by column, with squares on its solid side.
void laySurface(LevelGrid& grid, bool isFloor, int height, const std::vector<Step>& steps) {
    const std::string what = isFloor ? "the floor" : "the ceiling";
    int column = 0;
    auto put = [&](int row, const std::string& name) {
        std::string& cell = grid[row][column];
        if (!cell.empty()) {
            throw fault(column, "the ceiling and the floor meet in row " + std::to_string(row));
        }
        cell = name;
    };
    // Squares below a floor's surface row, above a ceiling's.
    auto fillSolidSide = [&](int surfaceRow) {
        for (int row = 0; row < kLevelRows; ++row) {
            if (isFloor ? row > surfaceRow : row < surfaceRow) {
                put(row, kSquare);
            }
        }
    };
    auto checkHeight = [&] {
        if (height < 0 || height > 2 * kLevelRows) {
            throw fault(column, what + " leaves the level at height " + std::to_string(height));
        }
    };

    checkHeight();
    for (const Step& step : steps) {
        const int columns = step.kind == Step::Kind::Flat ? step.columns : 1;
        if (columns < 1 || column + columns > kLevelColumns) {
            throw fault(column, what + "'s steps do not fit in " + std::to_string(kLevelColumns) +
                                    " columns");
        }
        if (step.kind == Step::Kind::Flat) {
            for (int i = 0; i < columns; ++i, ++column) {
                if (height % 2 == 0) {
                    // On a row boundary: nothing but squares.
                    fillSolidSide(isFloor ? height / 2 - 1 : height / 2);
                } else {
                    const int row = height / 2;
                    put(row, tileName(Shape::Wall, isFloor ? 1 : 3));
                    fillSolidSide(row);
                }
            }
            continue;
        }
        if (!isMove(step.family)) {
            throw fault(column, std::string(shapeName(step.family)) + " is not a slope or a cliff");
        }
        // Of the two rotations that face the open space, the one going the right way.
        const bool rising = step.kind == Step::Kind::Rise;
        std::string piece;
        TileSurface surface;
        for (int rotation : isFloor ? std::array<int, 2>{0, 1} : std::array<int, 2>{2, 3}) {
            const std::string name = tileName(step.family, rotation);
            const TileSurface candidate = tileSurface(name);
            if ((candidate.y[2] < candidate.y[0]) == rising) {
                piece = name;
                surface = candidate;
            }
        }
        const int enters = surface.y[0] / kHalfRow;
        if ((height - enters) % 2 != 0) {
            throw fault(column, what + " at height " + std::to_string(height) +
                                    " cannot go on as " + piece + ", which starts " +
                                    std::to_string(surface.y[0]) + " pixels down its tile");
        }
        const int row = (height - enters) / 2;
        if (row < 0 || row >= kLevelRows) {
            throw fault(column, what + " leaves the level along " + piece);
        }
        put(row, piece);
        fillSolidSide(row);
        height = 2 * row + surface.y[2] / kHalfRow;
        ++column;
        checkHeight();
    }
    if (column != kLevelColumns) {
        throw fault(column, what + "'s steps cover only " + std::to_string(column) + " columns");
    }
}

struct Opening {
    int top = 0;     // where the ceiling band ends
    int bottom = 0;  // where the floor band begins
};

// The open space of a column at one of its samples, read from the tiles alone.
Opening openingAt(const LevelGrid& grid, int column, int sample) {
    std::vector<std::pair<int, int>> solid;
    auto add = [&solid](int from, int to) {
        if (from >= to) {
            return;
        }
        if (!solid.empty() && solid.back().second >= from) {
            solid.back().second = std::max(solid.back().second, to);
        } else {
            solid.push_back({from, to});
        }
    };
    for (int row = 0; row < kLevelRows; ++row) {
        const int top = row * kTileSide;
        const TileSurface surface = tileSurface(grid[row][column]);
        switch (surface.solidity) {
            case Solidity::Open:
                break;
            case Solidity::Solid:
                add(top, top + kTileSide);
                break;
            case Solidity::Floor:
                add(top + surface.y[sample], top + kTileSide);
                break;
            case Solidity::Ceiling:
                add(top, top + surface.y[sample]);
                break;
        }
    }
    const std::string where = " at x = " + std::to_string(sample * kHalfRow);
    if (solid.size() != 2 || solid.front().first != 0 || solid.back().second != kLevelHeight) {
        throw fault(column, "no single opening between a ceiling band and a floor band" + where);
    }
    const Opening opening{solid.front().second, solid.back().first};
    if (opening.bottom - opening.top < kMinimumOpening) {
        throw fault(column, "only " + std::to_string(opening.bottom - opening.top) +
                                " pixels between ceiling and floor" + where);
    }
    return opening;
}

// Each surface stays flat for a while between moves, also across the seam of the level.
void checkRests(const std::vector<std::array<Opening, kSamples>>& openings, bool isFloor) {
    std::vector<std::pair<int, int>> moves;  // column, size in pixels
    for (int column = 0; column < kLevelColumns; ++column) {
        const std::array<Opening, kSamples>& o = openings[column];
        const int size = isFloor ? o[2].bottom - o[0].bottom : o[2].top - o[0].top;
        if (size != 0) {
            moves.push_back({column, std::abs(size)});
        }
    }
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const auto& before = moves[i];
        const auto& after = moves[(i + 1) % moves.size()];
        const int flatColumns = (after.first - before.first - 1 + kLevelColumns) % kLevelColumns;
        const int needed = std::max(before.second, after.second) >= kTileSide ? kRestAfterFullRow
                                                                              : kRestAfterHalfRow;
        if (moves.size() > 1 && flatColumns < needed) {
            throw fault(after.first, std::string(isFloor ? "the floor" : "the ceiling") +
                                         " moves again after only " + std::to_string(flatColumns) +
                                         " flat columns");
        }
    }
}

}  // namespace

TileSurface tileSurface(const std::string& name) {
    if (name == kEmptyTileName) {
        return {};
    }
    for (int rotation = 0; rotation < kRotations; ++rotation) {
        if (name == tileName(Shape::Square, rotation)) {
            return {Solidity::Solid, {0, 0, 0}};
        }
        if (name == tileName(Shape::CurveConvex, rotation) ||
            name == tileName(Shape::CurveConcave, rotation)) {
            return {};
        }
    }
    // Every shape whose outline bounds the cave, read from the one table of outlines.
    for (int shape = 0; shape < kShapes; ++shape) {
        for (int rotation = 0; rotation < kRotations; ++rotation) {
            const std::optional<Outline> outline = outlineOf(static_cast<Shape>(shape), rotation);
            if (outline && name == tileName(static_cast<Shape>(shape), rotation)) {
                return {outline->floor ? Solidity::Floor : Solidity::Ceiling,
                        {outline->y0, outline->y32, outline->y64}};
            }
        }
    }
    throw std::runtime_error("level: no place in a cave for a tile named \"" + name + "\"");
}

void checkCave(const LevelGrid& grid, const CellArea& keepClear) {
    if (grid.size() != kLevelRows) {
        throw std::runtime_error("level: " + std::to_string(grid.size()) + " rows instead of " +
                                 std::to_string(kLevelRows));
    }
    for (const std::vector<std::string>& row : grid) {
        if (row.size() != kLevelColumns) {
            throw std::runtime_error("level: a row of " + std::to_string(row.size()) +
                                     " columns instead of " + std::to_string(kLevelColumns));
        }
    }

    std::vector<std::array<Opening, kSamples>> openings(kLevelColumns);
    for (int column = 0; column < kLevelColumns; ++column) {
        for (int sample = 0; sample < kSamples; ++sample) {
            openings[column][sample] = openingAt(grid, column, sample);
        }
    }
    for (int column = 0; column < kLevelColumns; ++column) {
        const Opening& right = openings[column][kSamples - 1];
        const Opening& nextLeft = openings[(column + 1) % kLevelColumns][0];
        if (right.top != nextLeft.top) {
            throw fault(column, "the ceiling ends at y = " + std::to_string(right.top) +
                                    " but goes on at y = " + std::to_string(nextLeft.top));
        }
        if (right.bottom != nextLeft.bottom) {
            throw fault(column, "the floor ends at y = " + std::to_string(right.bottom) +
                                    " but goes on at y = " + std::to_string(nextLeft.bottom));
        }
    }
    checkRests(openings, false);
    checkRests(openings, true);

    for (int column = 0; column < kLevelColumns; ++column) {
        for (int row = 0; row < kLevelRows; ++row) {
            const std::string& name = grid[row][column];
            if (name == kEmptyTileName || tileSurface(name).solidity != Solidity::Open) {
                continue;
            }
            const bool rests = row + 1 < kLevelRows && isSquare(grid[row + 1][column]);
            const bool hangs = row > 0 && isSquare(grid[row - 1][column]);
            if (!rests && !hangs) {
                throw fault(column, name + " in row " + std::to_string(row) +
                                        " neither rests on nor hangs from a square");
            }
            for (const Opening& opening : openings[column]) {
                if (opening.bottom - opening.top - kTileSide < kMinimumOpening) {
                    throw fault(column,
                                name + " in row " + std::to_string(row) + " crowds the opening");
                }
            }
        }
    }

    for (int column = keepClear.firstColumn; column <= keepClear.lastColumn; ++column) {
        for (int row = keepClear.firstRow; row <= keepClear.lastRow; ++row) {
            if (grid.at(row).at(column) != kEmptyTileName) {
                throw fault(column, "row " + std::to_string(row) + " must stay empty");
            }
        }
    }
}

LevelGrid buildCave(const CavePlan& plan) {
    LevelGrid grid(kLevelRows, std::vector<std::string>(kLevelColumns));
    laySurface(grid, false, plan.ceiling, plan.ceilingSteps);
    laySurface(grid, true, plan.floor, plan.floorSteps);
    for (std::vector<std::string>& row : grid) {
        for (std::string& cell : row) {
            if (cell.empty()) {
                cell = kEmptyTileName;
            }
        }
    }
    for (const Ornament& ornament : plan.ornaments) {
        if (ornament.column < 0 || ornament.column >= kLevelColumns || ornament.row < 0 ||
            ornament.row >= kLevelRows) {
            throw fault(ornament.column, "an ornament outside the level");
        }
        const bool curve = ornament.name.rfind("curve_", 0) == 0;
        std::string& cell = grid[ornament.row][ornament.column];
        if (!curve || cell != kEmptyTileName) {
            throw fault(ornament.column, "cannot put " + ornament.name + " over " + cell +
                                             " in row " + std::to_string(ornament.row));
        }
        cell = ornament.name;
    }
    checkCave(grid, plan.keepClear);
    return grid;
}

std::string levelText(const LevelGrid& grid) {
    std::string text;
    for (const std::vector<std::string>& row : grid) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            text += (column == 0 ? "" : " ") + row[column];
        }
        text += '\n';
    }
    return text;
}

}  // namespace asset_gen

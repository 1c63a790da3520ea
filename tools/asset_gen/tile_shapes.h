// Where each kind of tile is solid. The level builder and the tile pictures both read it here,
// so the rock a player sees is exactly the rock the cave is built from.
//
// Tile-local pixels run from (0, 0) at the top-left corner to (63, 63); y grows downwards.
#pragma once

#include <optional>

#include "tile_types.h"

namespace asset_gen {

// The surface line of a slope, a cliff or a lying wall: its depth below the tile's top edge at
// x = 0, 32 and 64, straight in between. Floors are solid below the line, ceilings above it.
struct Outline {
    bool floor = true;
    int y0 = 0;
    int y32 = 0;
    int y64 = 0;
};

// The outline of a shape in one of its four rotations (0 to 3 for 0, 90, 180 and 270 degrees,
// each turning the shape a quarter counter-clockwise on screen). Squares, curves and the upright
// walls (rotations 0 and 180) have none.
std::optional<Outline> outlineOf(Shape shape, int rotation);

// The outline's depth at any x from 0 to 64.
double depthAt(const Outline& outline, double x);

// True when pixel (x, y) of the tile is solid: for an outline, when the pixel's centre lies on
// a floor's line or below it, or above a ceiling's line. Squares are solid everywhere, curves
// nowhere, wall_0 on its left half and wall_180 on its right half.
bool solidAt(Shape shape, int rotation, int x, int y);

}  // namespace asset_gen

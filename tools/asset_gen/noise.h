// Deterministic noise for textures: every value comes from hashing integer coordinates with a
// seed, so the same picture is drawn on every machine and every run.
#pragma once

#include <cstdint>

namespace asset_gen {

// A well-mixed 32-bit hash of three integers.
std::uint32_t hash3(std::uint32_t a, std::uint32_t b, std::uint32_t seed);

// The same hash as a number in [0, 1).
double hashUnit(int a, int b, std::uint32_t seed);

// Smooth value noise in [0, 1) at the point (x, y): random values on a lattice of square cells
// `cell` pixels wide, blended smoothly between them. The lattice wraps every `period` pixels in
// both directions (period a multiple of cell), so the noise repeats with that period.
double valueNoise(double x, double y, int cell, int period, std::uint32_t seed);

// Several octaves of value noise, from cells of `largestCell` pixels down to cells of 4 pixels,
// each half the weight of the one before; in [0, 1) and repeating every `period` pixels.
double layeredNoise(double x, double y, int largestCell, int period, std::uint32_t seed);

}  // namespace asset_gen

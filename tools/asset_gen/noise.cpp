#include "noise.h"

#include <cmath>
#include <initializer_list>

namespace asset_gen {

std::uint32_t hash3(std::uint32_t a, std::uint32_t b, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B1u + 0x7F4A7C15u;
    for (std::uint32_t word : {a, b}) {
        word *= 0xCC9E2D51u;
        word = (word << 15) | (word >> 17);
        word *= 0x1B873593u;
        h ^= word;
        h = (h << 13) | (h >> 19);
        h = h * 5u + 0xE6546B64u;
    }
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return h;
}

double hashUnit(int a, int b, std::uint32_t seed) {
    return hash3(static_cast<std::uint32_t>(a), static_cast<std::uint32_t>(b), seed) / 4294967296.0;
}

namespace {

int wrap(int value, int size) {
    const int r = value % size;
    return r < 0 ? r + size : r;
}

double smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

}  // namespace

double valueNoise(double x, double y, int cell, int period, std::uint32_t seed) {
    const int cells = period / cell;
    const double gx = x / cell;
    const double gy = y / cell;
    const int ix = static_cast<int>(std::floor(gx));
    const int iy = static_cast<int>(std::floor(gy));
    const double tx = smooth(gx - ix);
    const double ty = smooth(gy - iy);
    auto at = [&](int i, int j) { return hashUnit(wrap(i, cells), wrap(j, cells), seed); };
    const double top = at(ix, iy) + (at(ix + 1, iy) - at(ix, iy)) * tx;
    const double bottom = at(ix, iy + 1) + (at(ix + 1, iy + 1) - at(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

double layeredNoise(double x, double y, int largestCell, int period, std::uint32_t seed) {
    double sum = 0.0;
    double weight = 0.5;
    double total = 0.0;
    for (int cell = largestCell; cell >= 4; cell /= 2) {
        sum += weight * valueNoise(x, y, cell, period, seed + static_cast<std::uint32_t>(cell));
        total += weight;
        weight *= 0.5;
    }
    return sum / total;
}

}  // namespace asset_gen

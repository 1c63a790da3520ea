// The paper: the cave far behind the tiles. Deep blue-violet, brightest across the middle where
// the robot flies, with a far ceiling and a far floor of dim rock in two layers of distance,
// faint strata in them and a sprinkle of glowing dust. Everything is dark and soft so the tiles,
// the robot and the text stand out in front. It wraps from its right edge to its left.
#include <algorithm>
#include <cmath>
#include <utility>

#include "noise.h"
#include "pictures.h"

namespace asset_gen {

namespace {

constexpr int kWidth = 768;
constexpr int kHeight = 512;

constexpr Rgb kAirEdge{14, 11, 32};
constexpr Rgb kAirMiddle{40, 30, 76};
constexpr Rgb kFarRock{30, 24, 60};
constexpr Rgb kFarRockStrata{35, 28, 68};
constexpr Rgb kNearRock{19, 15, 40};
constexpr Rgb kNearRockStrata{24, 19, 48};
constexpr Rgb kRockRim{52, 42, 92};
constexpr Rgb kDustViolet{86, 70, 140};
constexpr Rgb kDustTeal{70, 138, 150};

constexpr std::uint32_t kLightSeed = 101;
constexpr std::uint32_t kFarSeed = 211;
constexpr std::uint32_t kNearSeed = 307;
constexpr std::uint32_t kDustSeed = 401;

// How far a layer of rock reaches in from the top or the bottom edge at column x: a rolling
// line with a few spires of stalactite or stalagmite.
double reach(int x, double base, double roll, std::uint32_t seed) {
    const double cx = x + 0.5;
    double depth = base + roll * layeredNoise(cx, 0.5, 128, kWidth, seed);
    // Spires: narrow triangles at hashed places, one chance in each 32-pixel stretch.
    const int slot = x / 32;
    if (hashUnit(slot, 0, seed + 1) < 0.55) {
        const double at = slot * 32 + 8 + 16 * hashUnit(slot, 1, seed + 1);
        const double height = 18 + 40 * hashUnit(slot, 2, seed + 1);
        const double halfWidth = 5 + 6 * hashUnit(slot, 3, seed + 1);
        depth += std::max(0.0, height * (1.0 - std::abs(cx - at) / halfWidth));
    }
    return depth;
}

bool strataLine(int x, int y, std::uint32_t seed) {
    const double wave = 6.0 * valueNoise(x + 0.5, 0.5, 96, kWidth, seed);
    const int row = static_cast<int>(std::floor(y + wave));
    return row % 11 == 0 && valueNoise(x + 0.5, y + 0.5, 32, kWidth, seed + 5) > 0.45;
}

}  // namespace

Canvas drawPaper() {
    Canvas paper(kWidth, kHeight);
    for (int x = 0; x < kWidth; ++x) {
        const double farTop = reach(x, 80, 100, kFarSeed);
        const double farBottom = reach(x, 90, 110, kFarSeed + 50);
        const double nearTop = reach(x, 30, 70, kNearSeed);
        const double nearBottom = reach(x, 40, 70, kNearSeed + 50);
        for (int y = 0; y < kHeight; ++y) {
            const double cy = y + 0.5;
            const double fromBottom = kHeight - cy;
            // The air: lightest across the middle, with soft patches of light and shade.
            const double across = 2.0 * cy / kHeight - 1.0;
            const double light = (1.0 - across * across) *
                                 (0.75 + 0.5 * valueNoise(x + 0.5, cy, 128, kWidth, kLightSeed));
            Rgb colour = mix(kAirEdge, kAirMiddle, std::clamp(light, 0.0, 1.0));
            const bool inNear = cy < nearTop || fromBottom < nearBottom;
            const bool inFar = cy < farTop || fromBottom < farBottom;
            if (inNear) {
                colour = strataLine(x, y, kNearSeed + 7) ? kNearRockStrata : kNearRock;
            } else if (inFar) {
                colour = strataLine(x, y, kFarSeed + 7) ? kFarRockStrata : kFarRock;
                // A faint rim where the far rock meets the air.
                const double edge =
                    std::min(std::abs(cy - farTop), std::abs(fromBottom - farBottom));
                if (edge < 1.5) {
                    colour = mix(colour, kRockRim, 0.5);
                }
            }
            paper.set(x, y, colour);
        }
    }
    // Dust glowing faintly in the air, a few motes with a soft cross around them.
    for (int k = 0; k < 420; ++k) {
        const int x = static_cast<int>(hashUnit(k, 0, kDustSeed) * kWidth);
        const int y = static_cast<int>(hashUnit(k, 1, kDustSeed) * kHeight);
        const Rgb dust = hashUnit(k, 2, kDustSeed) < 0.35 ? kDustTeal : kDustViolet;
        const Rgb here = paper.get(x, y);
        paper.set(x, y, mix(here, dust, 0.8));
        if (hashUnit(k, 3, kDustSeed) < 0.12) {
            for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
                const int px = (x + dx + kWidth) % kWidth;
                paper.set(px, y + dy, mix(paper.get(px, y + dy), dust, 0.35));
            }
        }
    }
    return paper;
}

}  // namespace asset_gen

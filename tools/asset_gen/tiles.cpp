// The tiles: warm sandstone with faint strata, pebbles and fissures, a sunlit lip with cushions
// of moss along every floor, a shadowed underside with a cool rim of reflected light along every
// ceiling, and small violet crystals, mica flecks, dew and drips that glint in turn as the two
// frames alternate. The stone's texture
// repeats every 64 pixels, so neighbouring tiles join without a seam whatever their kind.
//
// Curves are never solid, so they show no stone at all: only a ghostly ring of glowing spores
// along a quarter circle, which reads as something floating in the cave, not as ground.
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "layout.h"
#include "noise.h"
#include "pictures.h"
#include "tile_shapes.h"

namespace asset_gen {

namespace {

constexpr int kSide = kTileSide;

// Sandstone from its darkest cracks to its lightest strata.
constexpr Rgb kStoneDark{84, 56, 58};
constexpr Rgb kStone{134, 94, 80};
constexpr Rgb kStoneLight{174, 128, 100};
constexpr Rgb kCrack{66, 42, 48};
constexpr Rgb kMica{246, 226, 190};

// The lit top edge of the floors and the moss on it, from its sunlit tips down.
constexpr Rgb kMossTip{176, 222, 108};
constexpr Rgb kMoss{120, 172, 78};
constexpr Rgb kMossDeep{72, 112, 62};
constexpr Rgb kDew{236, 255, 226};
constexpr Rgb kLip{238, 204, 152};

// The underside of the ceilings.
constexpr Rgb kUndersideRim{132, 120, 176};
constexpr Rgb kShadow{54, 36, 50};
constexpr Rgb kDrip{170, 236, 255};

// The lit face of an upright wall.
constexpr Rgb kFaceLight{200, 156, 120};

// Crystals set into the stone.
constexpr Rgb kCrystalEdge{86, 64, 146};
constexpr Rgb kCrystal{142, 120, 228};
constexpr Rgb kCrystalLight{206, 214, 255};
constexpr Rgb kGlint{255, 255, 255};

// The spores of the curves.
constexpr Rgb kSporeFaint{64, 118, 150};
constexpr Rgb kSpore{92, 214, 206};
constexpr Rgb kSporeBright{196, 255, 244};
constexpr Rgb kSporeViolet{176, 132, 255};

constexpr std::uint32_t kStrataSeed = 11;
constexpr std::uint32_t kGrainSeed = 23;
constexpr std::uint32_t kCrackSeed = 37;
constexpr std::uint32_t kSpeckSeed = 41;
constexpr std::uint32_t kMossSeed = 53;
constexpr std::uint32_t kCrystalSeed = 67;
constexpr std::uint32_t kSporeSeed = 79;

// Light and dark strata, eight bands of eight pixels, so the pattern repeats every 64 pixels.
constexpr double kStrataShade[8] = {0.07, -0.04, 0.15, 0.01, -0.09, 0.11, -0.02, 0.04};

// The bare stone at tile-local pixel (x, y) in one frame: the frames differ only in which flecks
// of mica catch the light.
Rgb stoneAt(int x, int y, int frame) {
    const double cx = x + 0.5;
    const double cy = y + 0.5;
    // Strata wave gently from side to side.
    const double wave = 5.0 * valueNoise(cx, 0.5, 32, kSide, kStrataSeed) +
                        2.0 * valueNoise(cx, 0.5, 8, kSide, kStrataSeed + 1);
    const int band = static_cast<int>(std::floor((cy + wave) / 8.0)) & 7;
    const double grain = layeredNoise(cx, cy, 32, kSide, kGrainSeed) - 0.5;
    double shade = 0.5 + kStrataShade[band] + 0.8 * grain;

    // Pebbles: now and then a small rounded stone, lit on top, in one 8-pixel cell.
    const int cellX = x / 8;
    const int cellY = y / 8;
    if (hashUnit(cellX, cellY, kSpeckSeed + 1) < 0.14) {
        const int px = cellX * 8 + 2 + static_cast<int>(hashUnit(cellX, cellY, kSpeckSeed + 2) * 3);
        const int py = cellY * 8 + 2 + static_cast<int>(hashUnit(cellX, cellY, kSpeckSeed + 3) * 3);
        const int dx = x - px;
        const int dy = y - py;
        if (dx >= 0 && dx < 3 && dy >= 0 && dy < 2 && !(dy == 1 && dx == 2)) {
            shade += dy == 0 ? 0.28 : 0.12;
        } else if ((dy == 2 && dx >= 0 && dx < 2) || (dy == 1 && dx == 2)) {
            shade -= 0.22;
        }
    }

    // Fine fissures here and there.
    const double crack = std::abs(valueNoise(cx, cy, 32, kSide, kCrackSeed) - 0.5);
    const bool fissured = crack < 0.014 && valueNoise(cx, cy, 16, kSide, kCrackSeed + 1) > 0.5;

    const double speck = hashUnit(x, y, kSpeckSeed);
    if (speck < 0.02) {
        shade += 0.25;
    } else if (speck > 0.98) {
        shade -= 0.25;
    }
    shade = std::clamp(shade, 0.0, 1.0);
    Rgb stone = shade < 0.5 ? mix(kStoneDark, kStone, shade * 2.0)
                            : mix(kStone, kStoneLight, (shade - 0.5) * 2.0);
    if (fissured) {
        stone = mix(stone, kCrack, 0.35);
    }
    // Mica: a few flecks that catch the light in one frame or the other.
    if (speck > 0.5 && speck < 0.5045) {
        const bool lit = (hash3(x, y, kSpeckSeed + 4) & 1u) == static_cast<unsigned>(frame);
        return lit ? kMica : stone;
    }
    return stone;
}

struct Segment {
    PointF a;
    PointF b;
};

double distanceToSegment(const Segment& s, double px, double py) {
    const double vx = s.b.x - s.a.x;
    const double vy = s.b.y - s.a.y;
    const double length2 = vx * vx + vy * vy;
    const double t = std::clamp(((px - s.a.x) * vx + (py - s.a.y) * vy) / length2, 0.0, 1.0);
    const double ex = px - s.a.x - t * vx;
    const double ey = py - s.a.y - t * vy;
    return std::sqrt(ex * ex + ey * ey);
}

// What the open side of a tile's rock looks like.
enum class Face { None, Floor, Ceiling, Side };

// The edges of the rock that face open space. Stretches of an outline that run along the
// tile's border are left out: there the rock goes on into the neighbouring tile.
struct Exposure {
    Face face = Face::None;
    std::vector<Segment> edges;

    double distance(double px, double py) const {
        double nearest = std::numeric_limits<double>::infinity();
        for (const Segment& edge : edges) {
            nearest = std::min(nearest, distanceToSegment(edge, px, py));
        }
        return nearest;
    }
};

Exposure exposureOf(Shape shape, int rotation) {
    Exposure exposure;
    if (shape == Shape::Wall && (rotation == 0 || rotation == 2)) {
        exposure.face = Face::Side;
        exposure.edges.push_back({{kSide / 2.0, 0.0}, {kSide / 2.0, double(kSide)}});
        return exposure;
    }
    const std::optional<Outline> outline = outlineOf(shape, rotation);
    if (!outline) {
        return exposure;
    }
    exposure.face = outline->floor ? Face::Floor : Face::Ceiling;
    const PointF corners[3] = {{0.0, double(outline->y0)},
                               {kSide / 2.0, double(outline->y32)},
                               {double(kSide), double(outline->y64)}};
    for (int i = 0; i < 2; ++i) {
        const PointF& a = corners[i];
        const PointF& b = corners[i + 1];
        const bool alongBorder = a.y == b.y && (a.y == 0.0 || a.y == kSide);
        if (!alongBorder) {
            exposure.edges.push_back({a, b});
        }
    }
    return exposure;
}

// The stone with its surface dressed: moss on floors, shade on ceilings, light on sides.
// `frame` picks which of the little glints show.
Rgb surfaceAt(const Exposure& exposure, int x, int y, int frame) {
    const Rgb stone = stoneAt(x, y, frame);
    const double d = exposure.distance(x + 0.5, y + 0.5);
    const bool glintsNow = (hash3(x, y, kMossSeed + 1) & 1u) == static_cast<unsigned>(frame);
    switch (exposure.face) {
        case Face::None:
            return stone;
        case Face::Floor: {
            // A sunlit lip of stone with cushions of moss along it here and there.
            const double cushion = valueNoise(x + 0.5, y + 0.5, 16, kSide, kMossSeed);
            const double thickness = cushion < 0.38 ? 0.0 : 2.0 + 14.0 * (cushion - 0.38);
            if (d < thickness) {
                if (d < 1.2) {
                    const bool dew = hashUnit(x, y, kMossSeed + 2) < 0.2 && glintsNow;
                    return dew ? kDew : kMossTip;
                }
                if (d < 2.4) {
                    return hashUnit(x, y, kMossSeed + 4) < 0.25 ? kMossTip : kMoss;
                }
                return hashUnit(x, y, kMossSeed + 5) < 0.15 ? kMoss : kMossDeep;
            }
            if (d < 1.2) {
                return kLip;
            }
            if (d < 2.4) {
                return mix(stone, kLip, 0.7);
            }
            if (d < 3.6) {
                return mix(stone, kLip, 0.35);
            }
            // Sunlit stone below the lip.
            return d < 12.0 ? mix(stone, kStoneLight, 0.35 * (1.0 - d / 12.0)) : stone;
        }
        case Face::Ceiling: {
            if (d < 1.0) {
                if (hashUnit(x, y, kMossSeed + 3) < 0.10 && glintsNow) {
                    return kDrip;
                }
                return kUndersideRim;
            }
            if (d < 2.0) {
                return mix(kShadow, kUndersideRim, 0.3);
            }
            return d < 9.0 ? mix(stone, kShadow, 0.75 * (1.0 - (d - 2.0) / 7.0)) : stone;
        }
        case Face::Side:
            if (d < 1.0) {
                return kFaceLight;
            }
            return d < 6.0 ? mix(stone, kStoneLight, 0.4 * (1.0 - d / 6.0)) : stone;
    }
    return stone;
}

// True when every pixel of the square from (x0, y0) to (x1, y1), bounds included, is solid.
bool solidArea(Shape shape, int rotation, int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            if (!solidAt(shape, rotation, x, y)) {
                return false;
            }
        }
    }
    return true;
}

// Small crystals, at most one in each 16-pixel cell, kept clear of the cell's border so none is
// ever cut by the tile's edge. Half of them glint in each frame.
void drawCrystals(Canvas& frame, int frameIndex, Shape shape, int rotation,
                  const Exposure& exposure, std::uint32_t variant) {
    constexpr int kCell = 16;
    for (int j = 0; j < kSide / kCell; ++j) {
        for (int i = 0; i < kSide / kCell; ++i) {
            const std::uint32_t seed = kCrystalSeed + variant * 7u;
            if (hashUnit(i, j, seed) >= 0.2) {
                continue;
            }
            const int x = i * kCell + 5 + static_cast<int>(hashUnit(i, j, seed + 1) * 6.0);
            const int y = j * kCell + 5 + static_cast<int>(hashUnit(i, j, seed + 2) * 5.0);
            // The crystal fills (x - 1 .. x + 1, y - 2 .. y + 2); its glint reaches one further.
            if (!solidArea(shape, rotation, x - 3, y - 4, x + 3, y + 4) ||
                exposure.distance(x + 0.5, y + 0.5) < 9.0) {
                continue;
            }
            frame.set(x, y - 2, kCrystalEdge);
            frame.fillRect(x - 1, y - 1, 3, 3, kCrystal);
            frame.set(x - 1, y + 1, kCrystalEdge);
            frame.set(x + 1, y - 1, kCrystalLight);
            frame.set(x, y + 2, kCrystalEdge);
            const bool glints = (hash3(i, j, seed + 3) & 1u) == static_cast<unsigned>(frameIndex);
            if (glints) {
                frame.set(x, y - 1, kGlint);
                frame.set(x + 1, y - 2, kCrystalLight);
                frame.set(x + 2, y - 1, kCrystalLight);
                frame.set(x + 1, y, kCrystalLight);
                frame.set(x + 1, y - 1, kGlint);
            } else {
                frame.set(x, y, kCrystalLight);
            }
        }
    }
}

Canvas drawRockFrame(Shape shape, int rotation, int frameIndex) {
    Canvas frame(kSide, kSide);
    const Exposure exposure = exposureOf(shape, rotation);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            if (solidAt(shape, rotation, x, y)) {
                frame.set(x, y, surfaceAt(exposure, x, y, frameIndex));
            }
        }
    }
    const std::uint32_t variant = static_cast<std::uint32_t>(shape) * kRotations + rotation;
    drawCrystals(frame, frameIndex, shape, rotation, exposure, variant);
    return frame;
}

// Turns a square picture a quarter counter-clockwise on screen `turns` times.
Canvas turned(const Canvas& picture, int turns) {
    Canvas result = picture;
    for (int t = 0; t < turns; ++t) {
        const Canvas before = result;
        const int n = before.width();
        for (int y = 0; y < n; ++y) {
            for (int x = 0; x < n; ++x) {
                result.set(x, y, before.get(n - 1 - y, x));
            }
        }
    }
    return result;
}

// A ring of spores along a quarter circle around one corner of the tile, in rotation 0 the
// bottom-left corner for the convex curve (a rounded hump) and the top-right corner for the
// concave one (a hollow). The other rotations turn it like every other shape.
Canvas drawCurveFrame(Shape shape, int rotation, int frameIndex) {
    const bool convex = shape == Shape::CurveConvex;
    const PointF centre = convex ? PointF{0.0, double(kSide)} : PointF{double(kSide), 0.0};
    const double radius = kSide - 6.0;
    Canvas frame(kSide, kSide);
    // A faint thread traced by the ring.
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const double dx = x + 0.5 - centre.x;
            const double dy = y + 0.5 - centre.y;
            const double r = std::sqrt(dx * dx + dy * dy);
            if (std::abs(r - radius) < 0.55 && (x + y) % 3 != 0) {
                frame.set(x, y, kSporeFaint);
            } else if (std::abs(r - radius + 9.0) < 0.5 && (x + y) % 5 == 0) {
                frame.set(x, y, kSporeFaint);
            }
        }
    }
    // Spores drifting near the ring, brighter ones alternating between the frames.
    const std::uint32_t seed = kSporeSeed + (convex ? 0u : 100u);
    constexpr int kSpores = 20;
    for (int k = 0; k < kSpores; ++k) {
        const double along = (k + 0.5) / kSpores;  // from one end of the ring to the other
        // Points on a quarter circle without trigonometry: a rational parametrisation.
        const double t = along;
        const double ux = (1.0 - t * t) / (1.0 + t * t);
        const double uy = 2.0 * t / (1.0 + t * t);
        const double offset = (hashUnit(k, 0, seed) - 0.7) * 14.0;
        const double sx = centre.x + (convex ? 1.0 : -1.0) * ux * (radius + offset);
        const double sy = centre.y + (convex ? -1.0 : 1.0) * uy * (radius + offset);
        const int px = std::clamp(static_cast<int>(sx), 2, kSide - 3);
        const int py = std::clamp(static_cast<int>(sy), 2, kSide - 3);
        const bool big = hashUnit(k, 1, seed) < 0.45;
        const bool lit = (k + frameIndex) % 2 == 0;
        const Rgb body = hashUnit(k, 2, seed) < 0.3 ? kSporeViolet : kSpore;
        if (big) {
            const Rgb halo = lit ? body : kSporeFaint;
            frame.set(px - 1, py, halo);
            frame.set(px + 1, py, halo);
            frame.set(px, py - 1, halo);
            frame.set(px, py + 1, halo);
        }
        frame.set(px, py, lit ? kSporeBright : body);
    }
    return turned(frame, rotation);
}

}  // namespace

Canvas drawTileSheet(Shape shape, int rotation) {
    Canvas sheet(kTileSheetWidth, kTileSheetHeight);
    const bool curve = shape == Shape::CurveConvex || shape == Shape::CurveConcave;
    for (int i = 0; i < kTileFrames; ++i) {
        const FrameRect place = tileFrame(i);
        if (curve) {
            sheet.blit(drawCurveFrame(shape, rotation, i), place.x, place.y);
        } else {
            sheet.blit(drawRockFrame(shape, rotation, i), place.x, place.y);
        }
    }
    return sheet;
}

}  // namespace asset_gen

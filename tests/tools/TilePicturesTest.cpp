// What the committed tile pictures show: rock exactly where each tile is solid, a slow shimmer
// that never moves the rock, curves that are decoration only, and stone that joins seamlessly.
//
// The solid part of every tile is written out here on its own, from the rules of the cave
// (tile-local x to the right and y down, 0 to 64), and not read from the generator.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "PngFile.h"

namespace {

constexpr int kSide = 64;
constexpr int kFrames = 2;

std::string tilePath(const std::string& name) {
    return "data/images/tiles/" + name + ".png";
}

// Where a tile is solid, at a point (x, y) of the tile.
using Solid = std::function<bool(double x, double y)>;

// Which way the tile's rock faces the open cave.
enum class Face { None, Side, Up, Down };

struct SolidTile {
    const char* name;
    Face face;
    Solid solid;
};

// Floors are solid below their line f, ceilings above their line g.
Solid floorBelow(std::function<double(double)> f) {
    return [f](double x, double y) { return y >= f(x); };
}
Solid ceilingAbove(std::function<double(double)> g) {
    return [g](double x, double y) { return y < g(x); };
}

const std::vector<SolidTile>& solidTiles() {
    static const std::vector<SolidTile> all = {
        {"square_0", Face::None, [](double, double) { return true; }},
        {"square_90", Face::None, [](double, double) { return true; }},
        {"square_180", Face::None, [](double, double) { return true; }},
        {"square_270", Face::None, [](double, double) { return true; }},
        {"wall_0", Face::Side, [](double x, double) { return x < 32; }},
        {"wall_90", Face::Up, [](double, double y) { return y >= 32; }},
        {"wall_180", Face::Side, [](double x, double) { return x >= 32; }},
        {"wall_270", Face::Down, [](double, double y) { return y < 32; }},
        {"slope_moderate_0", Face::Up, floorBelow([](double x) { return x; })},
        {"slope_moderate_90", Face::Up, floorBelow([](double x) { return 64 - x; })},
        {"slope_moderate_180", Face::Down, ceilingAbove([](double x) { return x; })},
        {"slope_moderate_270", Face::Down, ceilingAbove([](double x) { return 64 - x; })},
        {"slope_gradual_0", Face::Up, floorBelow([](double x) { return 32 + x / 2; })},
        {"slope_gradual_90", Face::Up,
         floorBelow([](double x) { return x < 32 ? 64 : 128 - 2 * x; })},
        {"slope_gradual_180", Face::Down, ceilingAbove([](double x) { return x / 2; })},
        {"slope_gradual_270", Face::Down,
         ceilingAbove([](double x) { return x < 32 ? 64 - 2 * x : 0; })},
        {"slope_steep_0", Face::Up, floorBelow([](double x) { return x < 32 ? 2 * x : 64; })},
        {"slope_steep_90", Face::Up, floorBelow([](double x) { return 64 - x / 2; })},
        {"slope_steep_180", Face::Down,
         ceilingAbove([](double x) { return x < 32 ? 0 : 2 * x - 64; })},
        {"slope_steep_270", Face::Down, ceilingAbove([](double x) { return 32 - x / 2; })},
        {"cliff_gradual_0", Face::Up, floorBelow([](double x) { return x / 2; })},
        {"cliff_gradual_90", Face::Up,
         floorBelow([](double x) { return x < 32 ? 64 - 2 * x : 0; })},
        {"cliff_gradual_180", Face::Down, ceilingAbove([](double x) { return 32 + x / 2; })},
        {"cliff_gradual_270", Face::Down,
         ceilingAbove([](double x) { return x < 32 ? 64 : 128 - 2 * x; })},
        {"cliff_steep_0", Face::Up, floorBelow([](double x) { return x < 32 ? 0 : 2 * x - 64; })},
        {"cliff_steep_90", Face::Up, floorBelow([](double x) { return 32 - x / 2; })},
        {"cliff_steep_180", Face::Down, ceilingAbove([](double x) { return x < 32 ? 2 * x : 64; })},
        {"cliff_steep_270", Face::Down, ceilingAbove([](double x) { return 64 - x / 2; })},
    };
    return all;
}

std::vector<std::string> curveNames() {
    std::vector<std::string> names;
    for (const char* shape : {"curve_convex", "curve_concave"}) {
        for (const char* rotation : {"0", "90", "180", "270"}) {
            names.push_back(std::string(shape) + "_" + rotation);
        }
    }
    return names;
}

// Pixel (x, y) of one frame of a strip.
Pixel framePixel(const PngPicture& strip, int frame, int x, int y) {
    return strip.at(frame * kSide + x, y);
}

bool expectedSolid(const Solid& solid, int x, int y) {
    return solid(x + 0.5, y + 0.5);
}

// True when the pixel and its neighbours inside the tile are all expected alike: the pixel is
// more than one pixel from the outline, where the picture must agree exactly.
bool awayFromOutline(const Solid& solid, int x, int y) {
    const bool here = expectedSolid(solid, x, y);
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx;
            const int ny = y + dy;
            if (nx >= 0 && ny >= 0 && nx < kSide && ny < kSide &&
                expectedSolid(solid, nx, ny) != here) {
                return false;
            }
        }
    }
    return true;
}

double meanLuma(const std::vector<Pixel>& pixels) {
    double sum = 0.0;
    for (const Pixel& p : pixels) {
        sum += p.luma();
    }
    return pixels.empty() ? 0.0 : sum / pixels.size();
}

TEST(TilePicturesTest, EveryTileButEmptyHasAStripOfTwoSquareFrames) {
    std::vector<std::string> names = curveNames();
    for (const SolidTile& tile : solidTiles()) {
        names.push_back(tile.name);
    }
    ASSERT_EQ(names.size(), 36u);
    for (const std::string& name : names) {
        const PngPicture strip = readPng(tilePath(name));
        ASSERT_TRUE(strip.loaded) << name;
        EXPECT_TRUE(strip.plainRgb) << name;
        EXPECT_EQ(strip.width, kFrames * kSide) << name;
        EXPECT_EQ(strip.height, kSide) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(tilePath("empty"))) << "the empty tile is never drawn";
}

TEST(TilePicturesTest, RockLiesExactlyWhereTheTileIsSolid) {
    for (const SolidTile& tile : solidTiles()) {
        const PngPicture strip = readPng(tilePath(tile.name));
        ASSERT_TRUE(strip.loaded && strip.width == kFrames * kSide && strip.height == kSide)
            << tile.name;
        int wrong = 0;
        for (int frame = 0; frame < kFrames; ++frame) {
            for (int y = 0; y < kSide; ++y) {
                for (int x = 0; x < kSide; ++x) {
                    if (!awayFromOutline(tile.solid, x, y)) {
                        continue;
                    }
                    const bool drawn = framePixel(strip, frame, x, y) != kMagenta;
                    if (drawn != expectedSolid(tile.solid, x, y) && ++wrong <= 3) {
                        ADD_FAILURE() << tile.name << " frame " << frame << " at " << x << "," << y
                                      << " is " << (drawn ? "rock" : "clear") << " but should be "
                                      << (drawn ? "clear" : "rock");
                    }
                }
            }
        }
        EXPECT_EQ(wrong, 0) << tile.name;
    }
}

TEST(TilePicturesTest, FramesShimmerWithoutMovingTheRock) {
    std::vector<std::string> names = curveNames();
    for (const SolidTile& tile : solidTiles()) {
        names.push_back(tile.name);
    }
    for (const std::string& name : names) {
        const PngPicture strip = readPng(tilePath(name));
        ASSERT_TRUE(strip.loaded && strip.width == kFrames * kSide) << name;
        const bool curve = name.rfind("curve_", 0) == 0;
        int changed = 0;
        int maskChanges = 0;
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x) {
                const Pixel a = framePixel(strip, 0, x, y);
                const Pixel b = framePixel(strip, 1, x, y);
                changed += a != b ? 1 : 0;
                maskChanges += (a == kMagenta) != (b == kMagenta) ? 1 : 0;
            }
        }
        EXPECT_GT(changed, 0) << name << ": both frames are the same";
        if (!curve) {
            EXPECT_EQ(maskChanges, 0) << name << ": the rock changes shape between frames";
        }
    }
}

TEST(TilePicturesTest, CurvesAreFaintDecorationInColoursTheRockNeverUses) {
    std::set<Pixel> rockColours;
    for (const SolidTile& tile : solidTiles()) {
        const PngPicture strip = readPng(tilePath(tile.name));
        ASSERT_TRUE(strip.loaded) << tile.name;
        for (int y = 0; y < strip.height; ++y) {
            for (int x = 0; x < strip.width; ++x) {
                rockColours.insert(strip.at(x, y));
            }
        }
    }
    rockColours.erase(kMagenta);
    ASSERT_GT(rockColours.size(), 50u) << "the rock should be textured";

    for (const std::string& name : curveNames()) {
        const PngPicture strip = readPng(tilePath(name));
        ASSERT_TRUE(strip.loaded && strip.width == kFrames * kSide) << name;
        for (int frame = 0; frame < kFrames; ++frame) {
            int opaque = 0;
            for (int y = 0; y < kSide; ++y) {
                for (int x = 0; x < kSide; ++x) {
                    const Pixel p = framePixel(strip, frame, x, y);
                    if (p == kMagenta) {
                        continue;
                    }
                    ++opaque;
                    EXPECT_EQ(rockColours.count(p), 0u)
                        << name << " frame " << frame << " uses rock colour " << p << " at " << x
                        << "," << y;
                }
            }
            EXPECT_GT(opaque, 20) << name << " frame " << frame << " shows nothing";
            EXPECT_LT(opaque, kSide * kSide / 10)
                << name << " frame " << frame << " is too solid for a decoration";
        }
    }
}

// Mean colour difference between two columns (or rows) of a frame.
double lineDifference(const PngPicture& strip, bool columns, int a, int b) {
    double sum = 0.0;
    for (int i = 0; i < kSide; ++i) {
        const Pixel p = columns ? framePixel(strip, 0, a, i) : framePixel(strip, 0, i, a);
        const Pixel q = columns ? framePixel(strip, 0, b, i) : framePixel(strip, 0, i, b);
        sum += std::abs(p.luma() - q.luma());
    }
    return sum / kSide;
}

TEST(TilePicturesTest, SquaresJoinTheirNeighboursWithoutASeam) {
    // Placed side by side, a square's last column meets the next square's first; that step
    // should be no harsher than the steps between neighbouring lines inside the tile.
    for (const char* name : {"square_0", "square_90", "square_180", "square_270"}) {
        const PngPicture strip = readPng(tilePath(name));
        ASSERT_TRUE(strip.loaded && strip.width == kFrames * kSide) << name;
        for (bool columns : {true, false}) {
            double inside = 0.0;
            for (int i = 0; i + 1 < kSide; ++i) {
                inside += lineDifference(strip, columns, i, i + 1);
            }
            inside /= kSide - 1;
            const double seam = lineDifference(strip, columns, kSide - 1, 0);
            EXPECT_LT(seam, 1.5 * inside)
                << name << (columns ? ": left and right" : ": top and bottom") << " edges clash";
        }
    }
}

TEST(TilePicturesTest, FloorsHaveALitTopAndCeilingsAShadowedUnderside) {
    for (const SolidTile& tile : solidTiles()) {
        if (tile.face != Face::Up && tile.face != Face::Down) {
            continue;
        }
        const std::string name = tile.name;
        const bool floor = tile.face == Face::Up;
        const PngPicture strip = readPng(tilePath(name));
        ASSERT_TRUE(strip.loaded && strip.width == kFrames * kSide) << name;
        std::vector<Pixel> rock;
        std::vector<Pixel> edge;    // the first rock pixel met coming from the open side
        std::vector<Pixel> behind;  // rock three to six pixels further in
        for (int x = 0; x < kSide; ++x) {
            std::vector<int> column;  // rows of rock, in order from the open side
            for (int i = 0; i < kSide; ++i) {
                const int y = floor ? i : kSide - 1 - i;
                if (framePixel(strip, 0, x, y) != kMagenta) {
                    column.push_back(y);
                    rock.push_back(framePixel(strip, 0, x, y));
                }
            }
            // Columns whose surface lies on the tile's border go on into the next tile.
            const bool open = !column.empty() && column.front() != (floor ? 0 : kSide - 1);
            if (open && column.size() > 6) {
                edge.push_back(framePixel(strip, 0, x, column[0]));
                for (int k = 3; k <= 6; ++k) {
                    behind.push_back(framePixel(strip, 0, x, column[k]));
                }
            }
        }
        ASSERT_GT(edge.size(), 10u) << name;
        if (floor) {
            EXPECT_GT(meanLuma(edge), meanLuma(rock) + 30) << name << ": the top is not lit";
        } else {
            EXPECT_LT(meanLuma(behind), meanLuma(rock) - 15) << name << ": no shadow underneath";
        }
    }
}

}  // namespace

// The tile pictures and the collision rules tell the same story: wherever the robot's box
// crashes into a tile, the tile's picture shows rock right there.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CapturedOutput.h"
#include "PngFile.h"
#include "physics/Physics.h"
#include "readers/EntityReader.h"

namespace {

constexpr int kSize = 64;

// Where a tile's picture (its first frame) shows rock, with sums for counting it in boxes.
class RockMap {
public:
    explicit RockMap(const PngPicture& picture) : sums((kSize + 1) * (kSize + 1), 0) {
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                const int rock = picture.at(x, y) != kMagenta ? 1 : 0;
                sums[index(x + 1, y + 1)] =
                    rock + sums[index(x, y + 1)] + sums[index(x + 1, y)] - sums[index(x, y)];
            }
        }
    }

    // Whether the box (x, y, w, h) in tile-local pixels covers any rock.
    bool anyRockIn(int x, int y, int w, int h) const {
        const int left = clamp(x);
        const int top = clamp(y);
        const int right = clamp(x + w);
        const int bottom = clamp(y + h);
        if (left >= right || top >= bottom) {
            return false;
        }
        return sums[index(right, bottom)] - sums[index(left, bottom)] - sums[index(right, top)] +
                   sums[index(left, top)] >
               0;
    }

private:
    static int clamp(int v) { return v < 0 ? 0 : (v > kSize ? kSize : v); }
    static size_t index(int x, int y) { return static_cast<size_t>(y * (kSize + 1) + x); }
    std::vector<int> sums;
};

TEST(PicturesAgree, TheRobotNeverCrashesMoreThanThreePixelsFromDrawnRock) {
    captureStdout();
    const Entity robot = EntityReader().getEntity("robot");
    capturedStdout();
    const int w = robot.box.w;
    const int h = robot.box.h;
    ASSERT_GT(w, 0);
    ASSERT_GT(h, 0);
    const Physics physics{768, 512, kSize};
    const int tileX = 128;
    const int tileY = 192;

    for (int value = SQUARE_0; value <= CLIFF_STEEP_270; ++value) {
        const TileType type = static_cast<TileType>(value);
        const std::string name = tileTypeName(type);
        SCOPED_TRACE(name);
        const PngPicture picture = readPng("data/images/tiles/" + name + ".png");
        ASSERT_TRUE(picture.loaded);
        const RockMap rock(picture);
        const Tile tile(tileX, tileY, kSize, type);

        int crashes = 0;
        int farthest = 0;  // the farthest any crash was from the drawn rock
        std::string where;
        // Every place where the box touches or nearly touches the cell.
        for (int y = tileY - h - 4; y <= tileY + kSize + 4; ++y) {
            for (int x = tileX - w - 4; x <= tileX + kSize + 4; ++x) {
                Entity e(x, y, w, h);
                physics.collide(e, tile);
                if (e.box.x == x && e.box.y == y) {
                    continue;
                }
                ++crashes;
                int gap = 0;
                while (gap < kSize && !rock.anyRockIn(x - tileX - gap, y - tileY - gap, w + 2 * gap,
                                                      h + 2 * gap)) {
                    ++gap;
                }
                if (gap > farthest) {
                    farthest = gap;
                    where = std::to_string(x - tileX) + ", " + std::to_string(y - tileY);
                }
            }
        }
        EXPECT_GT(crashes, 0) << "the tile is never solid";
        EXPECT_LE(farthest, 3) << "a crash " << farthest
                               << " pixels from the drawn rock, with the box at " << where;
    }
}

}  // namespace

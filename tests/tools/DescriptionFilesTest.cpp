// The committed robot and tile files: their layout on disk, and frames that lie in the sheets
// the pictures are drawn on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "WordLines.h"
#include "layout.h"
#include "tile_types.h"

namespace fs = std::filesystem;

namespace {

struct Block {
    std::vector<int> placement;
    std::vector<std::vector<int>> frames;
};

struct Description {
    std::vector<std::string> header;
    std::vector<Block> blocks;
    std::string problem;  // empty when the file reads cleanly
};

bool toInts(const std::vector<std::string>& words, std::size_t count, std::vector<int>& out) {
    if (words.size() != count) {
        return false;
    }
    out.clear();
    for (const std::string& word : words) {
        std::size_t used = 0;
        try {
            out.push_back(std::stoi(word, &used));
        } catch (const std::exception&) {
            return false;
        }
        if (used != word.size()) {
            return false;
        }
    }
    return true;
}

// Reads a header line, then blocks of: BLOCK, `placementInts` integers, ANIMATION, a frame
// count, that many frames of `frameInts` integers, ENDBLOCK.
Description describe(const std::string& path, std::size_t placementInts, std::size_t frameInts) {
    Description d;
    const WordLines lines = wordLines(readWhole(path));
    if (lines.empty()) {
        d.problem = path + " is empty or missing";
        return d;
    }
    d.header = lines[0];
    std::size_t i = 1;
    auto fail = [&d, &path, &i](const std::string& what) {
        d.problem = path + " line " + std::to_string(i + 1) + ": expected " + what;
        return d;
    };
    auto keyword = [&lines, &i](const char* word) {
        return i < lines.size() && lines[i] == std::vector<std::string>{word};
    };
    while (i < lines.size()) {
        Block block;
        std::vector<int> count;
        if (!keyword("BLOCK")) {
            return fail("BLOCK");
        }
        ++i;
        if (i >= lines.size() || !toInts(lines[i], placementInts, block.placement)) {
            return fail(std::to_string(placementInts) + " integers");
        }
        ++i;
        if (!keyword("ANIMATION")) {
            return fail("ANIMATION");
        }
        ++i;
        if (i >= lines.size() || !toInts(lines[i], 1, count) || count[0] < 1) {
            return fail("a frame count");
        }
        ++i;
        for (int f = 0; f < count[0]; ++f, ++i) {
            block.frames.emplace_back();
            if (i >= lines.size() || !toInts(lines[i], frameInts, block.frames.back())) {
                return fail("a frame of " + std::to_string(frameInts) + " integers");
            }
        }
        if (!keyword("ENDBLOCK")) {
            return fail("ENDBLOCK");
        }
        ++i;
        d.blocks.push_back(block);
    }
    return d;
}

std::vector<std::string> committedTextFiles() {
    std::vector<std::string> paths;
    for (const char* folder : {"data/entities", "data/tiles", "data/levels"}) {
        if (!fs::is_directory(folder)) {
            continue;
        }
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            paths.push_back(entry.path().generic_string());
        }
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

TEST(DescriptionFilesTest, EveryTextFileHasCleanLinesAndLoneKeywords) {
    const std::vector<std::string> paths = committedTextFiles();
    EXPECT_GE(paths.size(), 39u);
    for (const std::string& path : paths) {
        const std::string text = readWhole(path);
        ASSERT_FALSE(text.empty()) << path;
        EXPECT_EQ(text.back(), '\n') << path;
        EXPECT_EQ(text.find_first_of("\r\t"), std::string::npos) << path;
        EXPECT_EQ(text.find(" \n"), std::string::npos) << path << " has trailing spaces";
        EXPECT_EQ(text.find("\n\n"), std::string::npos) << path << " has an empty line";
        for (const std::vector<std::string>& line : wordLines(text)) {
            for (const char* keyword : {"BLOCK", "ANIMATION", "ENDBLOCK"}) {
                if (std::find(line.begin(), line.end(), keyword) != line.end()) {
                    EXPECT_EQ(line.size(), 1u) << path << ": " << keyword << " shares its line";
                }
            }
        }
    }
}

bool overlap(const std::vector<int>& a, const std::vector<int>& b) {
    return a[0] < b[0] + b[2] && b[0] < a[0] + a[2] && a[1] < b[1] + b[3] && b[1] < a[1] + a[3];
}

TEST(DescriptionFilesTest, RobotIsAFlameBehindABodyOnItsSheet) {
    const Description robot = describe("data/entities/robot.ent", 7, 4);
    ASSERT_EQ(robot.problem, "");
    EXPECT_EQ(robot.header, (std::vector<std::string>{"robot", "0", "0", "32", "21"}));

    // Back to front: the flame 12 px left of the box and 9 px down, then the body on the box.
    const struct {
        const char* layer;
        std::vector<int> placement;
        std::size_t frames;
        asset_gen::FrameRect (*layout)(int);
    } layers[] = {
        {"flame", {0, 0, 12, 10, -12, 9, 15}, 3, asset_gen::robotFlameFrame},
        {"body", {0, 0, 32, 21, 0, 0, 12}, 4, asset_gen::robotBodyFrame},
    };
    ASSERT_EQ(robot.blocks.size(), std::size(layers));
    std::vector<std::vector<int>> allFrames;
    for (std::size_t b = 0; b < std::size(layers); ++b) {
        const Block& block = robot.blocks[b];
        EXPECT_EQ(block.placement, layers[b].placement) << layers[b].layer;
        ASSERT_EQ(block.frames.size(), layers[b].frames) << layers[b].layer;
        for (std::size_t f = 0; f < block.frames.size(); ++f) {
            const std::vector<int>& frame = block.frames[f];
            const asset_gen::FrameRect drawn = layers[b].layout(static_cast<int>(f));
            EXPECT_EQ(frame, (std::vector<int>{drawn.x, drawn.y, drawn.w, drawn.h}))
                << layers[b].layer << " frame " << f << " is not where its picture is drawn";
            EXPECT_EQ(frame[2], block.placement[2]) << layers[b].layer << " frame " << f;
            EXPECT_EQ(frame[3], block.placement[3]) << layers[b].layer << " frame " << f;
            EXPECT_TRUE(frame[0] >= 0 && frame[1] >= 0 &&
                        frame[0] + frame[2] <= asset_gen::kRobotSheetWidth &&
                        frame[1] + frame[3] <= asset_gen::kRobotSheetHeight)
                << layers[b].layer << " frame " << f << " leaves the sheet";
            for (const std::vector<int>& other : allFrames) {
                EXPECT_FALSE(overlap(frame, other)) << layers[b].layer << " frame " << f;
            }
            allFrames.push_back(frame);
        }
    }
    EXPECT_EQ(asset_gen::kRobotSheetWidth, 128);
    EXPECT_EQ(asset_gen::kRobotSheetHeight, 31);
}

std::string upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

TEST(DescriptionFilesTest, EveryTileNamesTheFramesOfItsStrip) {
    std::set<std::string> expected = {"empty"};
    for (const char* shape : {"square", "wall", "slope_moderate", "slope_gradual", "slope_steep",
                              "cliff_gradual", "cliff_steep", "curve_convex", "curve_concave"}) {
        for (const char* rotation : {"0", "90", "180", "270"}) {
            expected.insert(std::string(shape) + "_" + rotation);
        }
    }
    ASSERT_EQ(expected.size(), 37u);
    std::set<std::string> present;
    for (const fs::directory_entry& entry : fs::directory_iterator("data/tiles")) {
        present.insert(entry.path().filename().string());
    }
    std::set<std::string> expectedFiles;
    for (const std::string& name : expected) {
        expectedFiles.insert(name + ".til");
    }
    EXPECT_EQ(present, expectedFiles);

    for (const std::string& name : expected) {
        const Description tile = describe("data/tiles/" + name + ".til", 6, 3);
        ASSERT_EQ(tile.problem, "");
        EXPECT_EQ(tile.header, (std::vector<std::string>{upper(name), "0", "0", "64"}));
        ASSERT_EQ(tile.blocks.size(), 1u) << name;
        const Block& block = tile.blocks[0];
        EXPECT_EQ(block.placement, (std::vector<int>{0, 0, 64, 0, 0, 2})) << name;
        ASSERT_EQ(block.frames.size(), name == "empty" ? 1u : 2u) << name;
        for (std::size_t f = 0; f < block.frames.size(); ++f) {
            const asset_gen::FrameRect drawn = asset_gen::tileFrame(static_cast<int>(f));
            EXPECT_EQ(block.frames[f], (std::vector<int>{drawn.x, drawn.y, drawn.w})) << name;
            EXPECT_EQ(block.frames[f], (std::vector<int>{64 * static_cast<int>(f), 0, 64})) << name;
            EXPECT_LE(block.frames[f][0] + block.frames[f][2], asset_gen::kTileSheetWidth);
            EXPECT_LE(block.frames[f][1] + block.frames[f][2], asset_gen::kTileSheetHeight);
        }
    }
}

TEST(DescriptionFilesTest, TileValuesFollowShapeThenRotation) {
    const std::vector<asset_gen::TileType>& types = asset_gen::tileTypes();
    ASSERT_EQ(types.size(), 37u);
    for (std::size_t i = 0; i < types.size(); ++i) {
        EXPECT_EQ(types[i].value, static_cast<int>(i)) << types[i].name;
        EXPECT_EQ(types[i].keyword, upper(types[i].name));
    }
    const struct {
        const char* name;
        int value;
    } cases[] = {
        {"empty", 0},
        {"square_0", 1},
        {"wall_90", 6},
        {"slope_gradual_0", 13},
        {"slope_moderate_180", 11},
        {"cliff_steep_270", 28},
        {"curve_convex_0", 29},
        {"curve_concave_270", 36},
    };
    for (const auto& c : cases) {
        const auto found =
            std::find_if(types.begin(), types.end(),
                         [&c](const asset_gen::TileType& type) { return type.name == c.name; });
        ASSERT_NE(found, types.end()) << c.name;
        EXPECT_EQ(found->value, c.value) << c.name;
    }
}

}  // namespace

// The committed pictures and text files under data/ are exactly what the generator writes today.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "TestDirs.h"

namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int runGenerator(const std::string& arguments) {
    const std::string command =
        std::string("'") + ASSET_GEN_PATH + "' " + arguments + " 2>/dev/null";
    return std::system(command.c_str());
}

TEST(RegenerationTest, RedrawsEveryCommittedPictureByteForByte) {
    TempDir out;
    ASSERT_EQ(runGenerator("'" + out.path().string() + "'"), 0);

    std::set<std::string> written;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(out.path())) {
        if (!entry.is_regular_file()) {
            continue;
        }
        const fs::path relative = fs::relative(entry.path(), out.path());
        written.insert(relative.generic_string());
        const fs::path committed = fs::path("data") / relative;
        ASSERT_TRUE(fs::is_regular_file(committed)) << committed << " is not in the tree";
        const std::string fresh = contents(entry.path());
        EXPECT_FALSE(fresh.empty()) << relative;
        EXPECT_TRUE(fresh == contents(committed))
            << committed << " differs from what the generator draws; run regenerate_assets";
    }
    std::vector<std::string> needed = {
        "images/icon.png",    "images/fonts/kestrine_9.png", "images/fonts/kestrine_9_negative.png",
        "entities/robot.ent", "levels/level_0.lvl",          "tiles/empty.til"};
    for (const char* shape : {"square", "wall", "slope_moderate", "slope_gradual", "slope_steep",
                              "cliff_gradual", "cliff_steep", "curve_convex", "curve_concave"}) {
        for (const char* rotation : {"0", "90", "180", "270"}) {
            needed.push_back(std::string("tiles/") + shape + "_" + rotation + ".til");
        }
    }
    for (const char* picture : {"images/entities/robot.png", "images/sprites/paper.png",
                                "images/sprites/welcomeScreen.png"}) {
        needed.push_back(picture);
    }
    for (const char* shape : {"square", "wall", "slope_moderate", "slope_gradual", "slope_steep",
                              "cliff_gradual", "cliff_steep", "curve_convex", "curve_concave"}) {
        for (const char* rotation : {"0", "90", "180", "270"}) {
            needed.push_back(std::string("images/tiles/") + shape + "_" + rotation + ".png");
        }
    }
    ASSERT_EQ(needed.size(), 3u + 3u + 36u + 3u + 36u);
    for (const std::string& path : needed) {
        EXPECT_EQ(written.count(path), 1u) << path << " was not written";
    }
    // The empty tile is never drawn, so it has a description but no picture.
    EXPECT_EQ(written.count("images/tiles/empty.png"), 0u);
    EXPECT_EQ(written.size(), needed.size()) << "the generator wrote files nobody expects";
}

TEST(RegenerationTest, FailsWithoutAUsableRoot) {
    TempDir scratch;
    const fs::path blocker = scratch.path() / "a-file";
    std::ofstream(blocker) << "not a directory";
    const struct {
        const char* what;
        std::string arguments;
    } cases[] = {
        {"no root", ""},
        {"two roots", "a b"},
        {"root below a file", "'" + (blocker / "data").string() + "'"},
    };
    for (const auto& c : cases) {
        EXPECT_NE(runGenerator(c.arguments), 0) << c.what;
    }
    EXPECT_EQ(contents(blocker), "not a directory");
}

}  // namespace

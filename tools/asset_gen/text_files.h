// Every text file the generator writes, with the path below the content root where it goes:
// the robot's entity file, one file per kind of tile and the levels.
//
// The files are plain words and integers, one record per line, with each keyword (BLOCK,
// ANIMATION, ENDBLOCK) alone on its line, "\n" line ends and a final newline.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tile_types.h"

namespace asset_gen {

struct TextFile {
    std::string path;  // relative to the content root, e.g. "entities/robot.ent"
    std::function<std::string()> write;
};

const std::vector<TextFile>& textFiles();

// The robot: its box, then the flame and the body as animated blocks, back to front.
std::string robotEntityText();

// A tile: its keyword and side, then one animated block over the frames of its strip.
std::string tileText(const TileType& type);

// level_0.cpp
std::string levelZeroText();

}  // namespace asset_gen

// Every picture the generator writes, with the path below the content root where it goes.
//
// To add a picture: write a function returning its Canvas in a source file of its family (add
// the file to asset_gen's sources in tools/CMakeLists.txt), declare it here and list it in
// pictures() in pictures.cpp. The byte-for-byte regeneration test then covers it on its own.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "canvas.h"
#include "tile_types.h"

namespace asset_gen {

struct Picture {
    std::string path;  // relative to the content root, e.g. "images/icon.png"
    std::function<Canvas()> draw;
};

const std::vector<Picture>& pictures();

// font.cpp
Canvas drawFontSheet();
Canvas drawNegativeFontSheet();

// icon.cpp
Canvas drawIcon();

// robot.cpp
Canvas drawRobotSheet();
// One frame of the robot's body (kRobotWidth by kRobotHeight) and of its flame (kFlameWidth by
// kFlameHeight), for the sheet and for the welcome picture.
Canvas drawRobotBody(int frame);
Canvas drawRobotFlame(int frame);

// cave_backdrop.cpp
Canvas drawPaper();

// welcome.cpp
Canvas drawWelcomeScreen();

// tiles.cpp: the strip of frames of every tile but the empty one.
Canvas drawTileSheet(Shape shape, int rotation);

}  // namespace asset_gen

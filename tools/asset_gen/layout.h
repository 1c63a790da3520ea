// Where the frames of the animated sheets lie. The text files that describe the robot and the
// tiles and the pictures of their sheets are both made from these numbers, so a frame named in
// a file is always the frame drawn in its picture.
#pragma once

namespace asset_gen {

// A source rectangle in a sheet, in pixels.
struct FrameRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

// The robot's sheet: the body's frames side by side along the top row, the thruster flame's
// frames side by side below them.
constexpr const char* kRobotSheetPath = "images/entities/robot.png";
constexpr const char* kRobotName = "robot";

// The robot's box, which is also the size of a body frame.
constexpr int kRobotWidth = 32;
constexpr int kRobotHeight = 21;

// The body: rotor turning and a light blinking over four frames.
constexpr int kRobotBodyFrames = 4;
constexpr int kRobotBodyFrameRate = 12;  // frame changes per second

// The thruster flame, drawn behind the body just left of the box.
constexpr int kFlameWidth = 12;
constexpr int kFlameHeight = 10;
constexpr int kFlameFrames = 3;
constexpr int kFlameFrameRate = 15;          // frame changes per second
constexpr int kFlameOffsetX = -kFlameWidth;  // flush against the robot's back
constexpr int kFlameOffsetY = 9;

constexpr int kRobotSheetWidth = kRobotBodyFrames * kRobotWidth;
constexpr int kRobotSheetHeight = kRobotHeight + kFlameHeight;

constexpr FrameRect robotBodyFrame(int index) {
    return {index * kRobotWidth, 0, kRobotWidth, kRobotHeight};
}

constexpr FrameRect robotFlameFrame(int index) {
    return {index * kFlameWidth, kRobotHeight, kFlameWidth, kFlameHeight};
}

static_assert(kFlameFrames * kFlameWidth <= kRobotSheetWidth, "the flame row must fit the sheet");
static_assert(kFlameOffsetY + kFlameHeight <= kRobotHeight, "the flame stays level with the body");

// Every tile's picture is a strip of square frames from left to right that shimmers slowly.
constexpr int kTileSide = 64;
constexpr int kTileFrames = 2;
constexpr int kTileFrameRate = 2;  // frame changes per second
constexpr int kTileSheetWidth = kTileFrames * kTileSide;
constexpr int kTileSheetHeight = kTileSide;

// The empty tile is never drawn and has no picture; its file names a single frame.
constexpr int kEmptyTileFrames = 1;

constexpr FrameRect tileFrame(int index) {
    return {index * kTileSide, 0, kTileSide, kTileSide};
}

}  // namespace asset_gen

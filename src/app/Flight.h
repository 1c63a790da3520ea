#pragma once

#include <cstdint>

#include "physics/Physics.h"
#include "world/Entity.h"
#include "world/Level.h"

// The rules of the robot's flight, free of the window and the clock, so that the game and its
// tests fly the robot the same way.
namespace flight {

constexpr int32_t kStartX = 128;  // the robot's box at the start of every round
constexpr int32_t kStartY = 192;
constexpr int32_t kScrollPerFrame = -8;  // the level moves 8 pixels left a playing frame
constexpr float kClimbStep = 0.2f;       // added to the climb accumulator each playing frame
constexpr float kClimbThreshold = 1.0f;  // at which the accumulator changes the speed

// The climb rule: every sixth playing frame the robot's vertical speed changes by one pixel a
// frame, upwards while the player climbs and downwards otherwise. The accumulator counts the
// frames in between in single precision: 0.2, 0.4, 0.6, 0.8, then exactly 1.0.
void applyClimbRule(Entity& robot, float& climbAccumulator, bool climbing);

// One playing frame of flight: the robot moves by its speed, takes the cell of its centre,
// collides with the rock around it, the level scrolls, the climb rule runs and the robot is
// held inside the screen. Returns 1 when the rock moved the robot (a crash), else 0.
int32_t flyOneFrame(const Physics& physics, Entity& robot, Level& level, float& climbAccumulator,
                    bool climbing);

// The frame in its two halves, on either side of the level's scroll, for callers that fly
// several robots through one level.
int32_t moveAndCollide(const Physics& physics, Entity& robot, const Level& level);
void steer(const Physics& physics, Entity& robot, float& climbAccumulator, bool climbing);

}  // namespace flight

// An automated pilot that proves a cave can be flown: it flies the game's own robot through the
// game's own level with the game's flight rules, trying both inputs at every frame where the
// input counts, and keeps every different flight that has not crashed.
#pragma once

#include <cstdint>
#include <vector>

#include "app/Flight.h"

struct PilotStart {
    float climbAccumulator = 0.0f;  // where the climb rule stands when the round begins
    int32_t scrollRemainder = 0;    // the level's scroll since its last column turn
};

struct Flightplan {
    bool passable = false;    // some flight lasted all the frames asked for
    int32_t framesFlown = 0;  // how long the longest flight lasted
    size_t mostFlights = 0;   // the most different flights alive in one frame
    // The fewest alive in one frame, once the first hundred frames have let them spread out:
    // how narrow the way through is at its narrowest.
    size_t fewestFlights = 0;
    // For one longest flight: whether Space is held in each frame. Only the frames where the
    // climb rule changes the speed are decisions; the others repeat the frame before.
    std::vector<bool> climbing;
    int32_t endY = 0;  // where that flight's robot is after its last frame, and its speed
    int32_t endDy = 0;
};

// Flies `robot` (at its start, at rest) through `level` for `frames` frames; the level is
// scrolled as it goes.
Flightplan findPassage(const Physics& physics, const Entity& robot, Level& level, int32_t frames,
                       PilotStart start = {});

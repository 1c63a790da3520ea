// The first cave, the one the game opens with.
#pragma once

#include "level_builder.h"

namespace asset_gen {

// Where the robot starts: columns 0 to 6, rows 2 to 5 are open sky around it.
constexpr CellArea kLevelZeroStart{0, 6, 2, 5};

const CavePlan& levelZeroPlan();

}  // namespace asset_gen

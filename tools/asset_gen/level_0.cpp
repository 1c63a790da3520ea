// The first cave. It opens four rows high around the robot, dips into a low hall under a
// sinking ceiling, opens into a tall cavern, climbs with the floor in short steps to a narrow
// upper passage and rides a run of ceiling waves back to where it began, so it repeats
// seamlessly. Only one surface moves at a time, and between them the floor and the ceiling go
// up and down every slope and cliff.
//
// Heights are in half rows from the top; the comments give the columns and the new height.
#include "level_0.h"
#include "text_files.h"

namespace asset_gen {

const CavePlan& levelZeroPlan() {
    using S = Shape;
    static const CavePlan plan = [] {
        CavePlan p;
        p.ceiling = 4;  // two rows of rock above, four open rows around the start
        p.floor = 12;
        p.ceilingSteps = {
            flat(9),                 // 0-8
            fall(S::SlopeGradual),   // 9: 5, a half-row ledge
            flat(2),                 // 10-11
            fall(S::CliffGradual),   // 12: 6, the low hall
            flat(4),                 // 13-16
            rise(S::SlopeGradual),   // 17: 4
            flat(3),                 // 18-20
            rise(S::CliffSteep),     // 21: 3
            flat(3),                 // 22-24
            rise(S::SlopeSteep),     // 25: 2, the tall cavern
            flat(19),                // 26-44
            fall(S::SlopeSteep),     // 45: 4
            flat(4),                 // 46-49
            fall(S::SlopeModerate),  // 50: 6
            flat(3),                 // 51-53
            rise(S::SlopeModerate),  // 54: 4
            flat(3),                 // 55-57
            fall(S::CliffSteep),     // 58: 6
            flat(3),                 // 59-61
            rise(S::CliffGradual),   // 62: 4, back to the start
            flat(1),                 // 63
        };
        p.floorSteps = {
            flat(7),                 // 0-6, the start
            fall(S::SlopeModerate),  // 7: 14
            flat(6),                 // 8-13
            rise(S::SlopeGradual),   // 14: 12
            flat(4),                 // 15-18
            fall(S::CliffGradual),   // 19: 13
            flat(3),                 // 20-22
            fall(S::SlopeGradual),   // 23: 14
            flat(4),                 // 24-27
            rise(S::CliffGradual),   // 28: 12
            flat(3),                 // 29-31
            rise(S::SlopeSteep),     // 32: 11
            flat(3),                 // 33-35
            rise(S::CliffSteep),     // 36: 10
            flat(3),                 // 37-39
            rise(S::SlopeModerate),  // 40: 8, the narrow upper passage
            flat(3),                 // 41-43
            fall(S::SlopeSteep),     // 44: 10
            flat(3),                 // 45-47
            fall(S::CliffSteep),     // 48: 12
            flat(15),                // 49-63
        };
        p.ornaments = {
            {10, 6, tileName(S::CurveConcave, 1)},  // on the floor of the low hall
            {26, 6, tileName(S::CurveConvex, 0)},   // on the floor of the tall cavern
            {34, 1, tileName(S::CurveConvex, 2)},   // hanging from the cavern's roof
        };
        p.keepClear = kLevelZeroStart;
        return p;
    }();
    return plan;
}

std::string levelZeroText() {
    return levelText(buildCave(levelZeroPlan()));
}

}  // namespace asset_gen

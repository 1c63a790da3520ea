// The first cave: a wide, airy tunnel between a thin ledge of roof and a thin ledge of floor,
// six to seven rows open most of the way. The roof sinks twice into low halls and comes back;
// before, between and after them the floor heaves up into hills and drops back, so the robot has
// room to climb and fall gently. Only one surface moves at a time, and between them the floor
// and the roof go up and down every slope and cliff. The last column joins the first.
//
// Heights are in half rows from the top; the comments give the columns and the new height.
#include "level_0.h"
#include "text_files.h"

namespace asset_gen {

const CavePlan& levelZeroPlan() {
    using S = Shape;
    static const CavePlan plan = [] {
        CavePlan p;
        p.ceiling = 1;  // half a row of rock above, half a row below
        p.floor = 15;
        p.ceilingSteps = {
            flat(6),                 // 0-5, the start
            fall(S::CliffGradual),   // 6: 2
            flat(3),                 // 7-9
            fall(S::SlopeModerate),  // 10: 4
            flat(3),                 // 11-13
            fall(S::SlopeGradual),   // 14: 5, the first low hall
            flat(2),                 // 15-16
            rise(S::SlopeSteep),     // 17: 4
            flat(3),                 // 18-20
            rise(S::CliffGradual),   // 21: 2
            flat(3),                 // 22-24
            rise(S::CliffSteep),     // 25: 1
            flat(12),                // 26-37, over the hills
            fall(S::CliffGradual),   // 38: 2
            flat(3),                 // 39-41
            fall(S::SlopeSteep),     // 42: 4
            flat(3),                 // 43-45
            fall(S::CliffSteep),     // 46: 6, the second low hall
            flat(3),                 // 47-49
            rise(S::SlopeModerate),  // 50: 4
            flat(3),                 // 51-53
            rise(S::SlopeGradual),   // 54: 2
            flat(3),                 // 55-57
            rise(S::CliffSteep),     // 58: 1
            flat(5),                 // 59-63
        };
        p.floorSteps = {
            flat(4),                 // 0-3, the start
            rise(S::CliffSteep),     // 4: 14
            flat(3),                 // 5-7
            rise(S::SlopeModerate),  // 8: 12
            flat(3),                 // 9-11
            rise(S::SlopeSteep),     // 12: 11, under the first low hall
            flat(2),                 // 13-14
            fall(S::SlopeGradual),   // 15: 12
            flat(3),                 // 16-18
            fall(S::SlopeSteep),     // 19: 14
            flat(3),                 // 20-22
            fall(S::CliffGradual),   // 23: 15
            flat(2),                 // 24-25
            rise(S::CliffSteep),     // 26: 14, the hills
            flat(3),                 // 27-29
            rise(S::SlopeGradual),   // 30: 12
            flat(3),                 // 31-33
            rise(S::CliffGradual),   // 34: 10
            flat(3),                 // 35-37
            fall(S::SlopeModerate),  // 38: 12
            flat(3),                 // 39-41
            fall(S::CliffSteep),     // 42: 14
            flat(3),                 // 43-45
            fall(S::CliffGradual),   // 46: 15
            flat(17),                // 47-63
        };
        p.ornaments = {
            {21, 6, tileName(S::CurveConcave, 1)},  // on the floor after the first low hall
            {32, 5, tileName(S::CurveConvex, 0)},   // on a hill
            {40, 1, tileName(S::CurveConvex, 2)},   // hanging from the roof
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

// The rules of one playing frame (move, collide with the three tiles around the robot, scroll
// the level, climb rule, screen edges) on the shipped level, and the collision alone. Run from
// the project root.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "AllocationCounter.h"
#include "BenchSupport.h"
#include "app/Flight.h"
#include "readers/EntityReader.h"
#include "readers/LevelReader.h"
#include "readers/TileReader.h"
#include "render/Graphics.h"

namespace {

const Physics kPhysics{768, 512, 64};

Graphics& graphics() {
    static Graphics* g = [] {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        return new Graphics(768, 512, 64);
    }();
    return *g;
}

Level shippedLevel() {
    QuietStdout quiet;
    Level level(8, 64, TileReader());
    LevelReader().populateLevel("level_0", level, graphics());
    return level;
}

Entity robotAtStart() {
    QuietStdout quiet;
    Entity robot = EntityReader().getEntity("robot");
    robot.setX(flight::kStartX);
    robot.setY(flight::kStartY);
    return robot;
}

// Seven frames in eight move every tile; the eighth also turns the columns and reads the
// returning column's tiles from their files. The robot is put back at its start each frame,
// so that it never leaves the open middle of the cave.
void BM_PlayingFrame(benchmark::State& state) {
    Level level = shippedLevel();
    Entity robot = robotAtStart();
    float climbAccumulator = 0.0f;
    int32_t crashes = 0;
    const long before = allocationCount();
    for (auto _ : state) {
        robot.setY(flight::kStartY);
        crashes += flight::flyOneFrame(kPhysics, robot, level, climbAccumulator, false);
    }
    benchmark::DoNotOptimize(crashes);
    state.counters["allocations"] = benchmark::Counter(
        static_cast<double>(allocationCount() - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PlayingFrame)->Unit(benchmark::kMicrosecond);

// The collision alone: the robot against the three tiles of its row.
void BM_CollideWithTheLevel(benchmark::State& state) {
    const Level level = shippedLevel();
    Entity robot = robotAtStart();
    robot.row = 3;
    robot.column = 2;
    for (auto _ : state) {
        robot.setY(flight::kStartY);
        benchmark::DoNotOptimize(kPhysics.collide(robot, level));
    }
}
BENCHMARK(BM_CollideWithTheLevel);

}  // namespace

BENCHMARK_MAIN();

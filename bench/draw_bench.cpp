// One game frame's drawing (background, the shipped level, the robot, a line of text and the
// flip) against a bare frame that only copies the background and flips, both under SDL's dummy
// video driver and in the same program. Run from the project root. The game frame must stay
// within 1.5 times the bare one: the ratio of the medians is printed at the end. Steady frames
// must not allocate.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "AllocationCounter.h"
#include "BenchSupport.h"
#include "app/Game.h"

namespace {

Game& game() {
    static Game* g = [] {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        QuietStdout quiet;
        Game* built = new Game();
        built->showWelcomeScreen = false;
        return built;
    }();
    return *g;
}

void printStatusLine(Game& g) {
    g.graphics.fonts[1].print("Brush: square_0   Seconds: 12   Cell: 3, 7", 9, 9);
}

void BM_GameFrameDrawing(benchmark::State& state) {
    Game& g = game();
    for (int warm = 0; warm < 3; ++warm) {  // the queues reach their steady size
        printStatusLine(g);
        g.draw();
    }
    const long before = allocationCount();
    for (auto _ : state) {
        printStatusLine(g);
        g.draw();
    }
    state.counters["allocations"] = benchmark::Counter(
        static_cast<double>(allocationCount() - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_GameFrameDrawing)->Unit(benchmark::kMicrosecond)->Repetitions(9);

void BM_BareBackgroundAndFlip(benchmark::State& state) {
    Graphics& graphics = game().graphics;
    for (auto _ : state) {
        graphics.flush(0, 0, 768, 512, graphics.spriteSurfaces[0]);
        graphics.flip();
    }
}
BENCHMARK(BM_BareBackgroundAndFlip)->Unit(benchmark::kMicrosecond)->Repetitions(9);

}  // namespace

int main(int argc, char** argv) {
    RatioReporter reporter("BM_GameFrameDrawing", "BM_BareBackgroundAndFlip",
                           "game frame drawing / bare background and flip (target: 1.5 or less)");
    return runWithRatio(argc, argv, reporter);
}

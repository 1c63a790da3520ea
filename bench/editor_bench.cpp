// One frame of the tile editor on the shipped level, by what the mouse does: nothing held,
// painting (a copy of the brush, no file read), erasing and copying (each reads a tile file
// from disk in every frame the button is held); and the console's status block. Run from the
// project root.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "AllocationCounter.h"
#include "BenchSupport.h"
#include "app/Console.h"
#include "app/TileEditor.h"
#include "readers/LevelReader.h"
#include "readers/TileReader.h"
#include "render/Graphics.h"

namespace {

Graphics& graphics() {
    static Graphics* g = [] {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        return new Graphics(768, 512, 64);
    }();
    return *g;
}

enum Action { kIdle, kPaint, kErase, kCopy };

void BM_EditorFrame(benchmark::State& state, Action action) {
    QuietStdout quiet;
    Level level(8, 64, TileReader());
    LevelReader().populateLevel("level_0", level, graphics());
    TileEditor editor;
    editor.brush = editor.tileReader.getTile("square_0");
    MouseAndKeyboard keys;
    keys.mouseX = 5 * 64 + 10;  // over rock in the shipped level's first screen
    keys.mouseY = 7 * 64 + 10;
    keys.leftButton = action == kPaint || action == kErase;
    keys.middleButton = action == kCopy;
    keys.keys[KEY_LCTRL].down = action == kErase;
    const std::function<void(Uint32)> noPause = [](Uint32) {};
    const long before = allocationCount();
    for (auto _ : state) {
        editor.act(keys, level, graphics(), noPause);
        graphics().discardText();
    }
    state.counters["allocations"] = benchmark::Counter(
        static_cast<double>(allocationCount() - before), benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_EditorFrame, idle, kIdle)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EditorFrame, paint, kPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EditorFrame, erase, kErase)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EditorFrame, copy, kCopy)->Unit(benchmark::kMicrosecond);

void BM_StatusBlock(benchmark::State& state) {
    int32_t frames = 1000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(console::statusBlock(frames, frames - 1, 7, false, true));
        ++frames;
    }
}
BENCHMARK(BM_StatusBlock);

}  // namespace

BENCHMARK_MAIN();

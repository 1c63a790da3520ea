// Filling the 8 by 64 level from the shipped files, against merely opening and reading the 512
// tile files it names; and the per-frame scroll, with and without a column shift. Run from the
// project root. The filling must stay within 3 times the bare reading: the ratio of the
// medians is printed at the end.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "AllocationCounter.h"
#include "BenchSupport.h"
#include "readers/LevelReader.h"
#include "readers/TileReader.h"
#include "render/Graphics.h"

namespace {

constexpr int32_t kRows = 8;
constexpr int32_t kColumns = 64;

Graphics& graphics() {
    static Graphics* g = [] {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        return new Graphics(768, 512, 64);
    }();
    return *g;
}

// The 512 tile file names the shipped level names, in the order the reader opens them.
std::vector<std::string> tileFilesOfTheLevel() {
    std::ifstream in("data/levels/level_0.lvl");
    std::vector<std::string> files;
    for (std::string word; files.size() < kRows * kColumns && in >> word;) {
        files.push_back("data/tiles/" + word + ".til");
    }
    return files;
}

void BM_PopulateLevel(benchmark::State& state) {
    Graphics& g = graphics();
    QuietStdout quiet;
    Level level(kRows, kColumns, TileReader());
    LevelReader reader;
    reader.populateLevel("level_0", level, g);  // the first fill loads the images
    for (auto _ : state) {
        reader.populateLevel("level_0", level, g);
        benchmark::DoNotOptimize(level.grid[7][63].type);
    }
}
BENCHMARK(BM_PopulateLevel)->Unit(benchmark::kMicrosecond)->Repetitions(9);

void BM_ReadTheSameTileFilesBare(benchmark::State& state) {
    const std::vector<std::string> files = tileFilesOfTheLevel();
    if (files.size() != kRows * kColumns) {
        state.SkipWithError("data/levels/level_0.lvl does not name 512 tiles");
        return;
    }
    char buffer[4096];
    for (auto _ : state) {
        size_t total = 0;
        for (const std::string& name : files) {
            std::FILE* f = std::fopen(name.c_str(), "rb");
            if (f == nullptr) {
                continue;
            }
            total += std::fread(buffer, 1, sizeof buffer, f);
            std::fclose(f);
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_ReadTheSameTileFilesBare)->Unit(benchmark::kMicrosecond)->Repetitions(9);

Level filledLevel(long& tileReads) {
    QuietStdout quiet;
    TileReader files;
    Level level(kRows, kColumns, [&tileReads, files](const std::string& name) mutable {
        ++tileReads;
        return files.getTile(name);
    });
    LevelReader reader;
    reader.populateLevel("level_0", level, graphics());
    return level;
}

// A frame without a column shift: every tile moves, nothing is read or allocated.
void BM_ScrollWithoutShift(benchmark::State& state) {
    long tileReads = 0;
    Level level = filledLevel(tileReads);
    tileReads = 0;
    const long before = allocationCount();
    for (auto _ : state) {
        level.scroll(-8, 0);
        level.scroll(8, 0);
    }
    state.counters["allocations"] = benchmark::Counter(
        static_cast<double>(allocationCount() - before), benchmark::Counter::kAvgIterations);
    state.counters["tile_reads"] =
        benchmark::Counter(static_cast<double>(tileReads), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ScrollWithoutShift);

// A frame with a column shift: one tile file read per row, for the column coming back in.
void BM_ScrollWithShift(benchmark::State& state) {
    long tileReads = 0;
    Level level = filledLevel(tileReads);
    tileReads = 0;
    for (auto _ : state) {
        level.scroll(-64, 0);
    }
    state.counters["tile_reads"] =
        benchmark::Counter(static_cast<double>(tileReads), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ScrollWithShift)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    RatioReporter reporter(
        "BM_PopulateLevel", "BM_ReadTheSameTileFilesBare",
        "populateLevel / bare reading of its 512 tile files (target: 3 or less)");
    return runWithRatio(argc, argv, reporter);
}

// Shared by the benchmark programs: silencing the game's console output while they run, and
// printing the ratio of two benchmarks' median times at the end.
#pragma once

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Standard output goes to /dev/null while one lives, so that the game's own lines stay out of
// the report.
class QuietStdout {
public:
    QuietStdout() {
        std::fflush(stdout);
        saved_ = dup(1);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        close(null);
    }
    ~QuietStdout() {
        std::fflush(stdout);
        dup2(saved_, 1);
        close(saved_);
    }
    QuietStdout(const QuietStdout&) = delete;
    QuietStdout& operator=(const QuietStdout&) = delete;

private:
    int saved_;
};

// Keeps the median times of the runs it reports; printRatio then prints the median of one
// benchmark over the median of another, with what it measures and the target it must meet.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter(std::string measured, std::string baseline, std::string caption)
        : measured_(std::move(measured)),
          baseline_(std::move(baseline)),
          caption_(std::move(caption)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.aggregate_name == "median") {
                medians_[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatio() const {
        const auto measured = medians_.find(measured_);
        const auto baseline = medians_.find(baseline_);
        if (measured == medians_.end() || baseline == medians_.end() || baseline->second <= 0) {
            return;
        }
        std::printf("%s: %.2f\n", caption_.c_str(), measured->second / baseline->second);
    }

private:
    std::string measured_;
    std::string baseline_;
    std::string caption_;
    std::map<std::string, double> medians_;
};

// Runs the benchmarks of the program and prints the ratio last. The repetitions of the two
// benchmarks are interleaved, so that a slow spell of the machine weighs on both alike.
inline int runWithRatio(int argc, char** argv, RatioReporter& reporter) {
    std::vector<char*> args(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + (argc > 0 ? 1 : 0), interleave.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio();
    benchmark::Shutdown();
    return 0;
}

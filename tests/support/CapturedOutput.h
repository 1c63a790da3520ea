#pragma once

// Standard output of the code under test, captured at the file descriptor so that printf and
// std::cout are both seen, in the order they were written.

#include <gtest/gtest.h>

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

inline void captureStdout() {
    std::cout.flush();
    std::fflush(stdout);
    testing::internal::CaptureStdout();
}

inline std::string capturedStdout() {
    std::cout.flush();
    std::fflush(stdout);
    return testing::internal::GetCapturedStdout();
}

inline std::vector<std::string> outputLines(const std::string& output) {
    std::vector<std::string> result;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

// The lines a level fill writes, one type number per cell: the output lines that are plain
// numbers, in order.
inline std::vector<int> typeLines(const std::string& output) {
    std::vector<int> types;
    for (const std::string& line : outputLines(output)) {
        if (!line.empty() && line.find_first_not_of("0123456789") == std::string::npos) {
            types.push_back(std::stoi(line));
        }
    }
    return types;
}

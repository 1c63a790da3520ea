#pragma once

// Standard output of the code under test, captured at the file descriptor so that printf and
// std::cout are both seen, in the order they were written.

#include <gtest/gtest.h>

#include <cstdio>
#include <iostream>
#include <string>

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

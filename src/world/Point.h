#pragma once

#include <cstdint>

struct Point {
    int32_t x;
    int32_t y;

    Point(int32_t eks, int32_t why) : x(eks), y(why) {}
};

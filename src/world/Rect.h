#pragma once

#include <cstdint>

// An integer rectangle in screen or image pixels; origin top left, y grows downwards.
struct Rect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t w = 0;
    int32_t h = 0;
};

inline bool operator==(const Rect& a, const Rect& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}
inline bool operator!=(const Rect& a, const Rect& b) {
    return !(a == b);
}

// The video library draws with 16-bit rectangles: positions keep their low 16 bits read as
// signed, sizes their low 16 bits read as unsigned. Drawing narrows with these two.
inline int16_t narrowPosition(int32_t v) {
    return static_cast<int16_t>(static_cast<uint16_t>(v));
}
inline uint16_t narrowSize(int32_t v) {
    return static_cast<uint16_t>(v);
}

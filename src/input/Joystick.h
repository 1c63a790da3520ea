#pragma once

#include <SDL.h>

#include <cstdint>

// One two-axis control of the joystick, quantised, with the SDL axis indices it reads.
struct AxisPair {
    int32_t x, y;
    int32_t xAxis, yAxis;
};

// Reduces a raw SDL axis value (-32768..32767) to -3..3, truncating toward zero, so that a
// resting stick reads 0.
int32_t quantiseAxis(int32_t axisValue);

// State of the first joystick SDL reports. Only joystick 0 is used, and whether it is usable
// is decided once at construction.
class Joystick {
public:
    static constexpr int kStickCount = 4;
    static constexpr int kButtonCount = 10;

    bool enabled;
    SDL_Joystick* handle;  // owned by SDL, which closes it at shutdown
    AxisPair sticks[kStickCount];
    int32_t buttons[kButtonCount];  // 1 while held, else 0

    // Starts SDL's joystick subsystem and opens joystick 0. Ends the process with exit code 1
    // when the subsystem can't start.
    Joystick();

    // Refreshes sticks and buttons from the open joystick; does nothing when none is usable.
    void scan();
};

#include "input/Joystick.h"

#include <cstdio>
#include <cstdlib>

namespace {

// The SDL axes read into each stick; stick 2 reads one axis into both values.
constexpr int32_t kAxisIndices[Joystick::kStickCount][2] = {{0, 1}, {4, 3}, {2, 2}, {6, 7}};

}  // namespace

int32_t quantiseAxis(int32_t axisValue) {
    return axisValue / 10000;
}

Joystick::Joystick() : enabled(false), handle(nullptr) {
    if (SDL_Init(SDL_INIT_JOYSTICK) < 0) {
        std::fprintf(stderr, "Unable to init SDL: %s\n", SDL_GetError());
        std::exit(1);
    }

    for (int i = 0; i < kStickCount; ++i) {
        sticks[i].x = 0;
        sticks[i].y = 0;
        sticks[i].xAxis = kAxisIndices[i][0];
        sticks[i].yAxis = kAxisIndices[i][1];
    }
    for (int32_t& button : buttons) {
        button = 0;
    }

    enabled = true;
    if (SDL_NumJoysticks() <= 0) {
        enabled = false;
        return;
    }
    handle = SDL_JoystickOpen(0);
    if (handle == nullptr) {
        // A joystick that can't be opened counts as absent.
        enabled = false;
        return;
    }
    if (SDL_JoystickNumAxes(handle) < 2) {
        // Without at least one full stick the device is of no use to the game.
        enabled = false;
        SDL_JoystickClose(handle);
        handle = nullptr;
    }
}

void Joystick::scan() {
    if (!enabled) {
        return;
    }
    // Indices the device lacks read as 0 from SDL, so every stick and button is scanned.
    for (AxisPair& stick : sticks) {
        stick.x = quantiseAxis(SDL_JoystickGetAxis(handle, stick.xAxis));
        stick.y = quantiseAxis(SDL_JoystickGetAxis(handle, stick.yAxis));
    }
    for (int i = 0; i < kButtonCount; ++i) {
        buttons[i] = SDL_JoystickGetButton(handle, i);
    }
}

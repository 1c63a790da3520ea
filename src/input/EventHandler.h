#pragma once

#include <cstdint>

#include "input/Joystick.h"
#include "input/MouseAndKeyboard.h"

// The game's one input object: keyboard and mouse, the joystick, and how many joysticks SDL
// found at start-up.
class Event_Handler {
public:
    int32_t joystickCount;
    MouseAndKeyboard keyboard;
    Joystick joystick;

    // Builds the keyboard state, then the joystick (which starts SDL's joystick subsystem and
    // may end the process), then counts the joysticks.
    Event_Handler();
};

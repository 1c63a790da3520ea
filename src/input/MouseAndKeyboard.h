#pragma once

#include <SDL.h>

#include <cstdint>

#include "input/KeyName.h"

// Keyboard and mouse state as the game reads it each frame. One scan takes at most one event
// from SDL's queue, so events queued together are seen over several frames.
class MouseAndKeyboard {
public:
    bool quit;                 // Escape or a close request was seen; never cleared
    KeyState keys[kKeyCount];  // indexed by KEY_NAME
    SDL_Event event;           // the event taken by the last scan
    int32_t mouseX, mouseY;    // window pixels, refreshed only by scans that take a motion event
    bool leftButton, middleButton, rightButton;  // SDL's button state at the last scan
    int32_t wheel;  // +1 wheel up, -1 wheel down, otherwise 0, for the last scan's event

    // Builds the key table; touches nothing in SDL.
    MouseAndKeyboard();

    // Takes one pending event, if any, and updates the state from it and from SDL's mouse.
    void scan();

    // Whether the key is held; false for a value that names no key.
    bool pressed(KEY_NAME key) const;
};

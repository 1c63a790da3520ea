// Mouse buttons held down under the dummy video driver. That driver has no mouse of its own,
// and a button event pushed on SDL's queue does not change the button state SDL reports, so a
// test that links HeldMouseButtons.cpp stands in for the hand on the mouse: SDL's state then
// also reports the buttons held here.
#pragma once

#include <SDL.h>

// Holds the button down (SDL_BUTTON_LEFT, _MIDDLE or _RIGHT) and queues its press event.
void holdMouseButton(Uint8 button);

// Lets the button go and queues its release event.
void releaseMouseButton(Uint8 button);

// Lets every button go, without events.
void releaseAllMouseButtons();

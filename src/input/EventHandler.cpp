#include "input/EventHandler.h"

#include <SDL.h>

// The count is taken only after the joystick has started SDL's joystick subsystem.
Event_Handler::Event_Handler() : joystickCount(0), keyboard(), joystick() {
    joystickCount = SDL_NumJoysticks();
}

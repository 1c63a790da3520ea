#include "HeldMouseButtons.h"

#include <dlfcn.h>

#include "SdlEvents.h"

namespace {

Uint8 held = 0;

using MouseStateQuery = Uint8 (*)(int*, int*);

// SDL's own query, found behind this program's definition of the same name.
MouseStateQuery sdlMouseState() {
    static const MouseStateQuery query =
        reinterpret_cast<MouseStateQuery>(dlsym(RTLD_NEXT, "SDL_GetMouseState"));
    return query;
}

SDL_Event buttonChange(Uint8 type, Uint8 button) {
    SDL_Event event = buttonEvent(type, button);
    int x = 0;
    int y = 0;
    sdlMouseState()(&x, &y);
    event.button.x = static_cast<Uint16>(x);
    event.button.y = static_cast<Uint16>(y);
    return event;
}

}  // namespace

// The game asks SDL for the mouse through this: SDL's pointer position, and SDL's buttons
// together with the ones held here.
extern "C" Uint8 SDL_GetMouseState(int* x, int* y) {
    return static_cast<Uint8>(sdlMouseState()(x, y) | held);
}

void holdMouseButton(Uint8 button) {
    held = static_cast<Uint8>(held | SDL_BUTTON(button));
    push(buttonChange(SDL_MOUSEBUTTONDOWN, button));
}

void releaseMouseButton(Uint8 button) {
    held = static_cast<Uint8>(held & ~SDL_BUTTON(button));
    push(buttonChange(SDL_MOUSEBUTTONUP, button));
}

void releaseAllMouseButtons() {
    held = 0;
}

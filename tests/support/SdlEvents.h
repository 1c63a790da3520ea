// Events for SDL's real queue, as the keyboard, the mouse and the window would send them.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

inline void drainQueue() {
    SDL_Event discarded;
    while (SDL_PollEvent(&discarded)) {
    }
}

inline void push(SDL_Event event) {
    ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
}

inline SDL_Event keyEvent(Uint8 type, SDLKey sym, SDLMod mod = KMOD_NONE) {
    SDL_Event event{};
    event.type = type;
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = sym;
    event.key.keysym.mod = mod;
    return event;
}

inline SDL_Event buttonEvent(Uint8 type, Uint8 button) {
    SDL_Event event{};
    event.type = type;
    event.button.type = type;
    event.button.button = button;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = 10;
    event.button.y = 10;
    return event;
}

inline SDL_Event motionEvent(Uint16 x, Uint16 y) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.type = SDL_MOUSEMOTION;
    event.motion.x = x;
    event.motion.y = y;
    return event;
}

inline SDL_Event typedEvent(Uint8 type) {
    SDL_Event event{};
    event.type = type;
    return event;
}

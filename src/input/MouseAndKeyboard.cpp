#include "input/MouseAndKeyboard.h"

namespace {

struct KeyBinding {
    KEY_NAME name;
    SDLKey sym;
};

// The SDL key code bound to every key, in KEY_NAME order.
constexpr KeyBinding kBindings[] = {
    {KEY_BACKSPACE, SDLK_BACKSPACE},
    {KEY_TAB, SDLK_TAB},
    {KEY_CLEAR, SDLK_CLEAR},
    {KEY_RETURN, SDLK_RETURN},
    {KEY_PAUSE, SDLK_PAUSE},
    {KEY_ESCAPE, SDLK_ESCAPE},
    {KEY_SPACE, SDLK_SPACE},
    {KEY_EXCLAIM, SDLK_EXCLAIM},
    {KEY_QUOTEDBL, SDLK_QUOTEDBL},
    {KEY_HASH, SDLK_HASH},
    {KEY_DOLLAR, SDLK_DOLLAR},
    {KEY_AMPERSAND, SDLK_AMPERSAND},
    {KEY_QUOTE, SDLK_QUOTE},
    {KEY_LEFTPAREN, SDLK_LEFTPAREN},
    {KEY_RIGHTPAREN, SDLK_RIGHTPAREN},
    {KEY_ASTERISK, SDLK_ASTERISK},
    {KEY_PLUS, SDLK_PLUS},
    {KEY_COMMA, SDLK_COMMA},
    {KEY_MINUS, SDLK_MINUS},
    {KEY_PERIOD, SDLK_PERIOD},
    {KEY_SLASH, SDLK_SLASH},
    {KEY_0, SDLK_0},
    {KEY_1, SDLK_1},
    {KEY_2, SDLK_2},
    {KEY_3, SDLK_3},
    {KEY_4, SDLK_4},
    {KEY_5, SDLK_5},
    {KEY_6, SDLK_6},
    {KEY_7, SDLK_7},
    {KEY_8, SDLK_8},
    {KEY_9, SDLK_9},
    {KEY_COLON, SDLK_COLON},
    {KEY_SEMICOLON, SDLK_SEMICOLON},
    {KEY_LESS, SDLK_LESS},
    {KEY_EQUALS, SDLK_EQUALS},
    {KEY_GREATER, SDLK_GREATER},
    {KEY_QUESTION, SDLK_QUESTION},
    {KEY_AT, SDLK_AT},
    {KEY_LEFTBRACKET, SDLK_LEFTBRACKET},
    {KEY_BACKSLASH, SDLK_BACKSLASH},
    {KEY_RIGHTBRACKET, SDLK_RIGHTBRACKET},
    {KEY_CARET, SDLK_CARET},
    {KEY_UNDERSCORE, SDLK_UNDERSCORE},
    {KEY_BACKQUOTE, SDLK_BACKQUOTE},
    {KEY_A, SDLK_a},
    {KEY_B, SDLK_b},
    {KEY_C, SDLK_c},
    {KEY_D, SDLK_d},
    {KEY_E, SDLK_e},
    {KEY_F, SDLK_f},
    {KEY_G, SDLK_g},
    {KEY_H, SDLK_h},
    {KEY_I, SDLK_i},
    {KEY_J, SDLK_j},
    {KEY_K, SDLK_k},
    {KEY_L, SDLK_l},
    {KEY_M, SDLK_m},
    {KEY_N, SDLK_n},
    {KEY_O, SDLK_o},
    {KEY_P, SDLK_p},
    {KEY_Q, SDLK_q},
    {KEY_R, SDLK_r},
    {KEY_S, SDLK_s},
    {KEY_T, SDLK_t},
    {KEY_U, SDLK_u},
    {KEY_V, SDLK_v},
    {KEY_W, SDLK_w},
    {KEY_X, SDLK_x},
    {KEY_Y, SDLK_y},
    {KEY_Z, SDLK_z},
    {KEY_DELETE, SDLK_DELETE},
    {KEY_KP0, SDLK_KP0},
    {KEY_KP1, SDLK_KP1},
    {KEY_KP2, SDLK_KP2},
    {KEY_KP3, SDLK_KP3},
    {KEY_KP4, SDLK_KP4},
    {KEY_KP5, SDLK_KP5},
    {KEY_KP6, SDLK_KP6},
    {KEY_KP7, SDLK_KP7},
    {KEY_KP8, SDLK_KP8},
    {KEY_KP9, SDLK_KP9},
    {KEY_KP_PERIOD, SDLK_KP_PERIOD},
    {KEY_KP_DIVIDE, SDLK_KP_DIVIDE},
    {KEY_KP_MULTIPLY, SDLK_KP_MULTIPLY},
    {KEY_KP_MINUS, SDLK_KP_MINUS},
    {KEY_KP_PLUS, SDLK_KP_PLUS},
    {KEY_KP_ENTER, SDLK_KP_ENTER},
    {KEY_KP_EQUALS, SDLK_KP_EQUALS},
    {KEY_UP, SDLK_UP},
    {KEY_DOWN, SDLK_DOWN},
    {KEY_RIGHT, SDLK_RIGHT},
    {KEY_LEFT, SDLK_LEFT},
    {KEY_INSERT, SDLK_INSERT},
    {KEY_HOME, SDLK_HOME},
    {KEY_END, SDLK_END},
    {KEY_PAGEUP, SDLK_PAGEUP},
    {KEY_PAGEDOWN, SDLK_PAGEDOWN},
    {KEY_F1, SDLK_F1},
    {KEY_F2, SDLK_F2},
    {KEY_F3, SDLK_F3},
    {KEY_F4, SDLK_F4},
    {KEY_F5, SDLK_F5},
    {KEY_F6, SDLK_F6},
    {KEY_F7, SDLK_F7},
    {KEY_F8, SDLK_F8},
    {KEY_F9, SDLK_F9},
    {KEY_F10, SDLK_F10},
    {KEY_F11, SDLK_F11},
    {KEY_F12, SDLK_F12},
    {KEY_F13, SDLK_F13},
    {KEY_F14, SDLK_F14},
    {KEY_F15, SDLK_F15},
    {KEY_NUMLOCK, SDLK_NUMLOCK},
    {KEY_CAPSLOCK, SDLK_CAPSLOCK},
    {KEY_SCROLLOCK, SDLK_SCROLLOCK},
    {KEY_RSHIFT, SDLK_RSHIFT},
    {KEY_LSHIFT, SDLK_LSHIFT},
    {KEY_RCTRL, SDLK_RCTRL},
    {KEY_LCTRL, SDLK_LCTRL},
    {KEY_RALT, SDLK_RALT},
    {KEY_LALT, SDLK_LALT},
    {KEY_RMETA, SDLK_RMETA},
    {KEY_LMETA, SDLK_LMETA},
    {KEY_LSUPER, SDLK_LSUPER},
    {KEY_RSUPER, SDLK_RSUPER},
    {KEY_MODE, SDLK_MODE},
    {KEY_HELP, SDLK_HELP},
    {KEY_PRINT, SDLK_PRINT},
    {KEY_SYSREQ, SDLK_SYSREQ},
    {KEY_BREAK, SDLK_BREAK},
    {KEY_MENU, SDLK_MENU},
    {KEY_POWER, SDLK_POWER},
    {KEY_EURO, SDLK_EURO},
};

constexpr bool bindingsInKeyOrder() {
    for (int32_t i = 0; i < kKeyCount; ++i) {
        if (kBindings[i].name != i) {
            return false;
        }
    }
    return true;
}

static_assert(sizeof(kBindings) / sizeof(kBindings[0]) == kKeyCount,
              "every key needs exactly one binding");
static_assert(bindingsInKeyOrder(), "bindings must be listed in KEY_NAME order");

}  // namespace

MouseAndKeyboard::MouseAndKeyboard()
    : quit(false),
      event{},
      mouseX(0),
      mouseY(0),
      leftButton(false),
      middleButton(false),
      rightButton(false),
      wheel(0) {
    for (int32_t i = 0; i < kKeyCount; ++i) {
        keys[i].name = kBindings[i].name;
        keys[i].sym = kBindings[i].sym;
        keys[i].down = false;
    }
}

void MouseAndKeyboard::scan() {
    // One event per frame: anything else queued waits for the following frames.
    const bool taken = SDL_PollEvent(&event) != 0;

    // SDL reports each wheel notch as a press and a release of button 4 or 5.
    wheel = 0;
    if (taken && (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP)) {
        if (event.button.button == SDL_BUTTON_WHEELUP) {
            wheel = 1;
        } else if (event.button.button == SDL_BUTTON_WHEELDOWN) {
            wheel = -1;
        }
    }

    // The buttons follow SDL's current state, even while their own events are still queued.
    leftButton = (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON_LMASK) != 0;
    middleButton = (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON_MMASK) != 0;
    rightButton = (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON_RMASK) != 0;

    if (!taken) {
        return;
    }

    switch (event.type) {
        case SDL_MOUSEMOTION: {
            // SDL's position now, which may already be ahead of the event's coordinates.
            int x = 0;
            int y = 0;
            SDL_GetMouseState(&x, &y);
            mouseX = x;
            mouseY = y;
            break;
        }
        case SDL_KEYDOWN:
            // Matching on the key code alone makes Shift and the other modifiers irrelevant.
            for (KeyState& key : keys) {
                if (key.sym == event.key.keysym.sym) {
                    if (key.name == KEY_ESCAPE) {
                        quit = true;
                    } else {
                        key.down = true;
                    }
                }
            }
            break;
        case SDL_KEYUP:
            for (KeyState& key : keys) {
                if (key.sym == event.key.keysym.sym) {
                    key.down = false;
                }
            }
            break;
        case SDL_QUIT:
            quit = true;
            break;
        default:
            break;
    }
}

bool MouseAndKeyboard::pressed(KEY_NAME key) const {
    for (const KeyState& entry : keys) {
        if (entry.name == key) {
            return entry.down;
        }
    }
    return false;
}

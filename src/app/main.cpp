#include "app/Game.h"

// SDL 1.2 brings no start-up code of its own on this platform: enter the game directly.
int main(int argc, char* argv[]) {
    return SDL_main(argc, argv);
}

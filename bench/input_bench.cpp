// The cost of one frame's input scan and of the key lookups the frame makes after it.
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstdlib>

#include "input/MouseAndKeyboard.h"

namespace {

struct Video {
    Video() {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        SDL_Init(SDL_INIT_VIDEO);
        SDL_SetVideoMode(64, 64, 32, 0);
    }
    ~Video() { SDL_Quit(); }
};

void pushKey(Uint8 type, SDLKey sym) {
    SDL_Event e = {};
    e.type = type;
    e.key.type = type;
    e.key.keysym.sym = sym;
    SDL_PushEvent(&e);
}

void BM_ScanEmptyQueue(benchmark::State& state) {
    Video video;
    MouseAndKeyboard keys;
    for (auto _ : state) {
        keys.scan();
        benchmark::DoNotOptimize(keys.wheel);
    }
}
BENCHMARK(BM_ScanEmptyQueue);

void BM_ScanKeyEvent(benchmark::State& state) {
    Video video;
    MouseAndKeyboard keys;
    for (auto _ : state) {
        pushKey(SDL_KEYDOWN, SDLK_EURO);  // the last entry of the table: a full pass
        keys.scan();
        pushKey(SDL_KEYUP, SDLK_EURO);
        keys.scan();
    }
    benchmark::DoNotOptimize(keys.keys[132].down);
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_ScanKeyEvent);

// The frame loop asks about a handful of keys every frame.
void BM_PressedLookups(benchmark::State& state) {
    MouseAndKeyboard keys;
    const KEY_NAME asked[] = {KEY_O,     KEY_D,      KEY_RALT,  KEY_LALT,   KEY_F4,
                              KEY_SPACE, KEY_RETURN, KEY_COMMA, KEY_PERIOD, KEY_LCTRL};
    for (auto _ : state) {
        int down = 0;
        for (KEY_NAME k : asked) {
            down += keys.pressed(k) ? 1 : 0;
        }
        benchmark::DoNotOptimize(down);
    }
}
BENCHMARK(BM_PressedLookups);

}  // namespace

BENCHMARK_MAIN();

// Shared helpers for the input tests: a real SDL event queue under the dummy video driver and
// ways to put events into it.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

#include "SdlEvents.h"
#include "input/MouseAndKeyboard.h"

// Starts SDL video with a small window so that there is an event queue, and makes sure the
// queue is empty before each test. SDL is shut down afterwards, which also puts its pointer
// back at (0, 0).
class SdlQueueTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        ASSERT_NE(SDL_SetVideoMode(64, 64, 32, 0), nullptr) << SDL_GetError();
        drainQueue();
    }

    void TearDown() override { SDL_Quit(); }

    // Counts the queued events without taking any (SDL's queue holds at most 128).
    static int pendingEvents() {
        SDL_Event peeked[128];
        return SDL_PeepEvents(peeked, 128, SDL_PEEKEVENT, SDL_ALLEVENTS);
    }
};

// Everything a scan may change except the raw event record, for "nothing else changed" checks.
struct InputSnapshot {
    bool quit;
    bool down[kKeyCount];
    int32_t mouseX, mouseY;
    bool leftButton, middleButton, rightButton;
    int32_t wheel;

    explicit InputSnapshot(const MouseAndKeyboard& mk)
        : quit(mk.quit),
          down{},
          mouseX(mk.mouseX),
          mouseY(mk.mouseY),
          leftButton(mk.leftButton),
          middleButton(mk.middleButton),
          rightButton(mk.rightButton),
          wheel(mk.wheel) {
        for (int32_t i = 0; i < kKeyCount; ++i) {
            down[i] = mk.keys[i].down;
        }
    }

    bool operator==(const InputSnapshot& other) const {
        for (int32_t i = 0; i < kKeyCount; ++i) {
            if (down[i] != other.down[i]) {
                return false;
            }
        }
        return quit == other.quit && mouseX == other.mouseX && mouseY == other.mouseY &&
               leftButton == other.leftButton && middleButton == other.middleButton &&
               rightButton == other.rightButton && wheel == other.wheel;
    }
};

// Readable failure output for snapshots.
inline void PrintTo(const InputSnapshot& s, std::ostream* os) {
    *os << "{quit=" << s.quit << " mouse=(" << s.mouseX << "," << s.mouseY
        << ") buttons=" << s.leftButton << s.middleButton << s.rightButton << " wheel=" << s.wheel
        << " down=[";
    for (int32_t i = 0; i < kKeyCount; ++i) {
        if (s.down[i]) {
            *os << " " << i;
        }
    }
    *os << " ]}";
}

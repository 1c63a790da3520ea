#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "InputTestSupport.h"
#include "input/KeyName.h"
#include "input/MouseAndKeyboard.h"

namespace {

using MouseAndKeyboardScan = SdlQueueTest;

TEST(MouseAndKeyboardConstruction, StartsClearedWithoutStartingSdl) {
    SDL_Quit();
    MouseAndKeyboard mk;
    EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
    EXPECT_FALSE(mk.quit);
    EXPECT_EQ(mk.mouseX, 0);
    EXPECT_EQ(mk.mouseY, 0);
    EXPECT_FALSE(mk.leftButton);
    EXPECT_FALSE(mk.middleButton);
    EXPECT_FALSE(mk.rightButton);
    EXPECT_EQ(mk.wheel, 0);
    for (int32_t i = 0; i < kKeyCount; ++i) {
        EXPECT_FALSE(mk.keys[i].down) << "entry " << i;
    }
}

TEST_F(MouseAndKeyboardScan, PressedIsFalseForValuesThatNameNoKey) {
    MouseAndKeyboard mk;
    // Hold the first and the last key so that a lookup running off either end would find one.
    push(keyEvent(SDL_KEYDOWN, SDLK_BACKSPACE));
    push(keyEvent(SDL_KEYDOWN, SDLK_EURO));
    mk.scan();
    mk.scan();
    ASSERT_TRUE(mk.pressed(KEY_BACKSPACE));
    ASSERT_TRUE(mk.pressed(KEY_EURO));

    const int32_t outside[] = {-1,
                               133,
                               134,
                               1000,
                               std::numeric_limits<int32_t>::max(),
                               std::numeric_limits<int32_t>::min()};
    for (int32_t value : outside) {
        EXPECT_FALSE(mk.pressed(static_cast<KEY_NAME>(value))) << "value " << value;
    }
}

TEST_F(MouseAndKeyboardScan, EscapeRequestsQuitAndIsNeverDown) {
    MouseAndKeyboard mk;
    push(keyEvent(SDL_KEYDOWN, SDLK_ESCAPE));
    mk.scan();
    EXPECT_TRUE(mk.quit);
    EXPECT_FALSE(mk.keys[KEY_ESCAPE].down);
    EXPECT_FALSE(mk.pressed(KEY_ESCAPE));

    // Releasing Escape does not take the request back.
    push(keyEvent(SDL_KEYUP, SDLK_ESCAPE));
    mk.scan();
    EXPECT_TRUE(mk.quit);
    EXPECT_FALSE(mk.pressed(KEY_ESCAPE));
}

TEST_F(MouseAndKeyboardScan, CloseRequestSetsQuitAndNothingClearsIt) {
    MouseAndKeyboard mk;
    push(typedEvent(SDL_QUIT));
    mk.scan();
    ASSERT_TRUE(mk.quit);

    push(keyEvent(SDL_KEYDOWN, SDLK_RETURN));
    push(keyEvent(SDL_KEYUP, SDLK_RETURN));
    push(keyEvent(SDL_KEYUP, SDLK_ESCAPE));
    push(buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_WHEELUP));
    push(motionEvent(3, 4));
    for (int scanIndex = 0; scanIndex < 6; ++scanIndex) {  // the last one finds the queue empty
        mk.scan();
        EXPECT_TRUE(mk.quit) << "after scan " << scanIndex;
    }
    EXPECT_EQ(pendingEvents(), 0);
}

// Events queued together are taken one per scan; ignored kinds still use up their scan.
TEST_F(MouseAndKeyboardScan, TakesOneEventPerScan) {
    struct Step {
        const char* what;
        SDL_Event event;
        std::vector<KEY_NAME> down;  // the keys held after the step's scan
        bool quit;
    };
    const std::vector<Step> steps = {
        {"A pressed", keyEvent(SDL_KEYDOWN, SDLK_a), {KEY_A}, false},
        {"joystick motion", typedEvent(SDL_JOYAXISMOTION), {KEY_A}, false},
        {"A released", keyEvent(SDL_KEYUP, SDLK_a), {}, false},
        {"mouse motion", motionEvent(12, 13), {}, false},
        {"left button", buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT), {}, false},
        {"space pressed", keyEvent(SDL_KEYDOWN, SDLK_SPACE), {KEY_SPACE}, false},
        {"focus change", typedEvent(SDL_ACTIVEEVENT), {KEY_SPACE}, false},
        {"ctrl pressed", keyEvent(SDL_KEYDOWN, SDLK_LCTRL), {KEY_SPACE, KEY_LCTRL}, false},
        {"close request", typedEvent(SDL_QUIT), {KEY_SPACE, KEY_LCTRL}, true},
        {"space released", keyEvent(SDL_KEYUP, SDLK_SPACE), {KEY_LCTRL}, true},
    };
    for (const Step& step : steps) {
        push(step.event);
    }
    ASSERT_EQ(pendingEvents(), static_cast<int>(steps.size()));

    MouseAndKeyboard mk;
    int remaining = static_cast<int>(steps.size());
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        mk.scan();
        --remaining;
        EXPECT_EQ(pendingEvents(), remaining);
        EXPECT_EQ(mk.event.type, step.event.type);
        EXPECT_EQ(mk.quit, step.quit);
        bool expected[kKeyCount] = {};
        for (KEY_NAME key : step.down) {
            expected[key] = true;
        }
        for (int32_t i = 0; i < kKeyCount; ++i) {
            EXPECT_EQ(mk.pressed(static_cast<KEY_NAME>(i)), expected[i]) << "entry " << i;
        }
    }
}

// An empty queue leaves the previous event in the record; it must not be taken again.
TEST_F(MouseAndKeyboardScan, EmptyQueueOnlyResetsWheel) {
    MouseAndKeyboard mk;
    push(keyEvent(SDL_KEYDOWN, SDLK_d));
    push(typedEvent(SDL_QUIT));
    push(buttonEvent(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_WHEELDOWN));
    mk.scan();
    mk.scan();
    mk.scan();
    ASSERT_EQ(mk.wheel, -1);
    ASSERT_EQ(pendingEvents(), 0);

    InputSnapshot expected(mk);
    expected.wheel = 0;
    mk.scan();
    EXPECT_EQ(InputSnapshot(mk), expected);
    mk.scan();
    EXPECT_EQ(InputSnapshot(mk), expected);

    // After a motion scan, move SDL's pointer and discard the motion event the move queued:
    // an empty scan must keep the position it had.
    SDL_WarpMouse(20, 25);
    mk.scan();
    ASSERT_EQ(mk.mouseX, 20);
    SDL_WarpMouse(40, 50);
    drainQueue();
    const InputSnapshot afterMotion(mk);
    mk.scan();
    EXPECT_EQ(InputSnapshot(mk), afterMotion);
}

TEST_F(MouseAndKeyboardScan, WheelFollowsButtonsFourAndFive) {
    struct Case {
        Uint8 type;
        Uint8 button;
        int32_t wheel;
    };
    const Case cases[] = {
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_WHEELUP, 1},
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_WHEELUP, 1},
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_WHEELDOWN, -1},
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_WHEELDOWN, -1},
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 0},
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 0},
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 0},
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 0},
    };
    MouseAndKeyboard mk;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << int(c.type) << " button " << int(c.button));
        // Start from a wheel value different from the one expected, so each case must change it.
        const Uint8 prime = c.wheel > 0 ? SDL_BUTTON_WHEELDOWN : SDL_BUTTON_WHEELUP;
        push(buttonEvent(SDL_MOUSEBUTTONDOWN, prime));
        mk.scan();
        ASSERT_NE(mk.wheel, c.wheel);

        push(buttonEvent(c.type, c.button));
        mk.scan();
        EXPECT_EQ(mk.wheel, c.wheel);

        mk.scan();  // nothing queued
        EXPECT_EQ(mk.wheel, 0);
    }
}

TEST_F(MouseAndKeyboardScan, KeyUpWithoutKeyDownOnlyClearsThatKey) {
    MouseAndKeyboard mk;
    push(keyEvent(SDL_KEYDOWN, SDLK_b));
    mk.scan();
    ASSERT_TRUE(mk.pressed(KEY_B));

    const InputSnapshot before(mk);
    push(keyEvent(SDL_KEYUP, SDLK_a));
    mk.scan();
    EXPECT_FALSE(mk.pressed(KEY_A));
    EXPECT_EQ(InputSnapshot(mk), before);
}

TEST_F(MouseAndKeyboardScan, ModifiersDoNotChangeWhichKeyIsDown) {
    const SDLMod mods[] = {KMOD_NONE, KMOD_LSHIFT, KMOD_RSHIFT, KMOD_CAPS,
                           static_cast<SDLMod>(KMOD_LCTRL | KMOD_LALT)};
    for (SDLMod mod : mods) {
        SCOPED_TRACE(testing::Message() << "mod " << int(mod));
        MouseAndKeyboard mk;
        push(keyEvent(SDL_KEYDOWN, SDLK_d, mod));
        mk.scan();
        EXPECT_TRUE(mk.pressed(KEY_D));
        push(keyEvent(SDL_KEYUP, SDLK_d, mod));
        mk.scan();
        EXPECT_FALSE(mk.pressed(KEY_D));
    }
}

TEST_F(MouseAndKeyboardScan, KeyCodesOutsideTheTableAreIgnored) {
    const SDLKey unknown[] = {SDLK_WORLD_0, SDLK_WORLD_95, SDLK_COMPOSE, SDLK_UNDO, SDLK_UNKNOWN};
    MouseAndKeyboard mk;
    push(keyEvent(SDL_KEYDOWN, SDLK_o));
    mk.scan();
    for (SDLKey sym : unknown) {
        SCOPED_TRACE(testing::Message() << "key code " << int(sym));
        const InputSnapshot before(mk);
        push(keyEvent(SDL_KEYDOWN, sym));
        mk.scan();
        EXPECT_EQ(InputSnapshot(mk), before);
        push(keyEvent(SDL_KEYUP, sym));
        mk.scan();
        EXPECT_EQ(InputSnapshot(mk), before);
    }
}

// Under the dummy driver a pushed motion event leaves SDL's pointer where it was, while
// SDL_WarpMouse moves the pointer and queues a motion event of its own.
TEST_F(MouseAndKeyboardScan, PositionIsSdlsPointerTakenOnlyOnMotionScans) {
    MouseAndKeyboard mk;
    EXPECT_EQ(mk.mouseX, 0);
    EXPECT_EQ(mk.mouseY, 0);

    push(keyEvent(SDL_KEYDOWN, SDLK_a));
    SDL_WarpMouse(20, 25);
    int x = -1;
    int y = -1;
    SDL_GetMouseState(&x, &y);
    ASSERT_EQ(x, 20);
    ASSERT_EQ(y, 25);
    ASSERT_EQ(pendingEvents(), 2) << "the warp should have queued a motion event";

    // A key event: the pointer has moved but the position is not read.
    mk.scan();
    EXPECT_TRUE(mk.pressed(KEY_A));
    EXPECT_EQ(mk.mouseX, 0);
    EXPECT_EQ(mk.mouseY, 0);

    // The warp's motion event.
    mk.scan();
    ASSERT_EQ(mk.event.type, SDL_MOUSEMOTION);
    EXPECT_EQ(mk.mouseX, 20);
    EXPECT_EQ(mk.mouseY, 25);

    // A motion event carrying other coordinates still yields SDL's pointer position.
    push(motionEvent(5, 6));
    mk.scan();
    EXPECT_EQ(mk.mouseX, 20);
    EXPECT_EQ(mk.mouseY, 25);

    // Two warps queue two motions; both scans see where the pointer is now, not where it was.
    SDL_WarpMouse(40, 50);
    SDL_WarpMouse(10, 12);
    ASSERT_EQ(pendingEvents(), 2);
    mk.scan();
    EXPECT_EQ(mk.event.motion.x, 40);
    EXPECT_EQ(mk.mouseX, 10);
    EXPECT_EQ(mk.mouseY, 12);
    mk.scan();
    EXPECT_EQ(mk.mouseX, 10);
    EXPECT_EQ(mk.mouseY, 12);
}

// Pushed button events don't change SDL's button state, and the flags follow that state only.
TEST_F(MouseAndKeyboardScan, ButtonsFollowSdlsStateNotTheEvents) {
    ASSERT_EQ(SDL_GetMouseState(nullptr, nullptr), 0);
    MouseAndKeyboard mk;
    mk.leftButton = true;
    mk.middleButton = true;
    mk.rightButton = true;
    mk.scan();  // empty queue: the flags are refreshed all the same
    EXPECT_FALSE(mk.leftButton);
    EXPECT_FALSE(mk.middleButton);
    EXPECT_FALSE(mk.rightButton);

    const Uint8 buttons[] = {SDL_BUTTON_LEFT, SDL_BUTTON_MIDDLE, SDL_BUTTON_RIGHT};
    for (Uint8 button : buttons) {
        push(buttonEvent(SDL_MOUSEBUTTONDOWN, button));
        mk.scan();
        EXPECT_FALSE(mk.leftButton) << "button " << int(button);
        EXPECT_FALSE(mk.middleButton) << "button " << int(button);
        EXPECT_FALSE(mk.rightButton) << "button " << int(button);
    }
}

}  // namespace

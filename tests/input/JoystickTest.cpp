#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>

#include "input/EventHandler.h"
#include "input/Joystick.h"

namespace {

TEST(QuantiseAxis, DividesByTenThousandTowardZero) {
    struct Case {
        int32_t axis;
        int32_t expected;
    };
    const Case cases[] = {
        {0, 0},     {9999, 0},  {-9999, 0},   {10000, 1}, {-10000, -1},
        {19999, 1}, {20000, 2}, {-20000, -2}, {32767, 3}, {-32768, -3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(quantiseAxis(c.axis), c.expected) << "axis value " << c.axis;
    }
}

// Runs each test with SDL shut down before and after, so the joystick subsystem is started by
// the object under test. Tests that need a joystick-less machine skip when one is attached.
class JoystickTest : public ::testing::Test {
protected:
    void SetUp() override { SDL_Quit(); }
    void TearDown() override { SDL_Quit(); }

    static void expectAxisIndices(const Joystick& joystick) {
        const int32_t axes[Joystick::kStickCount][2] = {{0, 1}, {4, 3}, {2, 2}, {6, 7}};
        for (int i = 0; i < Joystick::kStickCount; ++i) {
            EXPECT_EQ(joystick.sticks[i].xAxis, axes[i][0]) << "stick " << i;
            EXPECT_EQ(joystick.sticks[i].yAxis, axes[i][1]) << "stick " << i;
        }
    }

    static void expectAllZero(const Joystick& joystick) {
        for (int i = 0; i < Joystick::kStickCount; ++i) {
            EXPECT_EQ(joystick.sticks[i].x, 0) << "stick " << i;
            EXPECT_EQ(joystick.sticks[i].y, 0) << "stick " << i;
        }
        for (int i = 0; i < Joystick::kButtonCount; ++i) {
            EXPECT_EQ(joystick.buttons[i], 0) << "button " << i;
        }
    }
};

TEST_F(JoystickTest, StartsTheJoystickSubsystemWithFixedAxes) {
    Joystick joystick;
    EXPECT_NE(SDL_WasInit(SDL_INIT_JOYSTICK), 0u);
    expectAxisIndices(joystick);
}

TEST_F(JoystickTest, WithoutJoystickIsDisabledAndReadsZero) {
    Joystick joystick;
    if (SDL_NumJoysticks() > 0) {
        GTEST_SKIP() << "a joystick is attached";
    }
    EXPECT_FALSE(joystick.enabled);
    EXPECT_EQ(joystick.handle, nullptr);
    expectAllZero(joystick);
    for (int frame = 0; frame < 3; ++frame) {
        SDL_PumpEvents();
        joystick.scan();
    }
    expectAllZero(joystick);
    expectAxisIndices(joystick);
}

TEST_F(JoystickTest, DisabledScanLeavesValuesAlone) {
    Joystick joystick;
    if (SDL_NumJoysticks() > 0) {
        GTEST_SKIP() << "a joystick is attached";
    }
    ASSERT_FALSE(joystick.enabled);
    for (int i = 0; i < Joystick::kStickCount; ++i) {
        joystick.sticks[i].x = i + 1;
        joystick.sticks[i].y = -(i + 1);
    }
    for (int i = 0; i < Joystick::kButtonCount; ++i) {
        joystick.buttons[i] = 1;
    }
    joystick.scan();
    for (int i = 0; i < Joystick::kStickCount; ++i) {
        EXPECT_EQ(joystick.sticks[i].x, i + 1) << "stick " << i;
        EXPECT_EQ(joystick.sticks[i].y, -(i + 1)) << "stick " << i;
    }
    for (int i = 0; i < Joystick::kButtonCount; ++i) {
        EXPECT_EQ(joystick.buttons[i], 1) << "button " << i;
    }
}

// The aggregate builds both devices and takes the joystick count once SDL can answer it.
using EventHandlerTest = JoystickTest;

TEST_F(EventHandlerTest, CountsJoysticksAndBuildsBothDevices) {
    Event_Handler input;
    EXPECT_NE(SDL_WasInit(SDL_INIT_JOYSTICK), 0u);
    EXPECT_EQ(input.joystickCount, SDL_NumJoysticks());
    EXPECT_FALSE(input.keyboard.quit);
    EXPECT_EQ(input.keyboard.keys[KEY_EURO].sym, SDLK_EURO);
    expectAxisIndices(input.joystick);
    if (SDL_NumJoysticks() > 0) {
        GTEST_SKIP() << "a joystick is attached";
    }
    EXPECT_EQ(input.joystickCount, 0);
    EXPECT_FALSE(input.joystick.enabled);
    EXPECT_EQ(input.joystick.handle, nullptr);
    input.keyboard.scan();
    input.joystick.scan();
    for (int i = 0; i < Joystick::kButtonCount; ++i) {
        EXPECT_EQ(input.joystick.buttons[i], 0) << "button " << i;
    }
}

}  // namespace

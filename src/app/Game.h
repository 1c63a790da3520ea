#pragma once

#include <cstdint>

#include "input/EventHandler.h"
#include "readers/EntityReader.h"
#include "readers/LevelReader.h"
#include "render/Graphics.h"
#include "world/Entity.h"
#include "world/Level.h"

// Everything the game owns, built in start-up order and torn down in reverse. SDL_main holds
// one as a value; tests build their own and drive it frame by frame.
class Game {
public:
    static constexpr int32_t kScreenWidth = 768;
    static constexpr int32_t kScreenHeight = 512;
    static constexpr int32_t kTileSize = 64;
    static constexpr uint32_t kFrameSleepMs = 6;
    static constexpr uint32_t kToggleSleepMs = 200;
    static constexpr int32_t kLevelRows = 8;
    static constexpr int32_t kLevelColumns = 64;
    static constexpr int32_t kRobotStartX = 128;
    static constexpr int32_t kRobotStartY = 192;
    static constexpr int32_t kScrollPerFrame = -8;  // the level moves 8 pixels left a frame

    Event_Handler input;
    Graphics graphics;
    EntityReader entityReader;
    Entity robot;
    Sprite paperSprite;    // background, tiled over the screen every frame (sprite slot 0)
    Sprite welcomeSprite;  // the full-screen welcome picture (sprite slot 1)
    LevelReader levelReader;
    Level level;

    int32_t frameCounter = 0;       // frames begun since start-up
    int32_t loopCounter = 0;        // frames completed since start-up
    bool showWelcomeScreen = true;  // the welcome picture shows until Enter is first pressed

    Game();

    // The frame loop runs while this is false; it is tested before every frame.
    bool quitRequested() const { return input.keyboard.quit; }

    // Runs one frame. Returns false when the frame ended early because the player asked to
    // leave at once (Alt with F4, joystick button 6); the loop must then end without delay.
    bool runFrame();

    // The drawing of one frame: the welcome picture, or the background, the level, the robot
    // and the queued text; then the flip.
    void draw();

    // Frees the images and ends the console line; the objects go with the Game itself.
    void teardown();

private:
    void scanInput();
    void outlineToggle();
    void roundStep();
    void debugToggle();
    bool immediateQuitRequested() const;
    void drawWelcomeFrame();
    void drawGameFrame();
    bool joystickButton(int button) const;
};

// The whole application: start-up, the frame loop and teardown. Returns the exit code.
int SDL_main(int argc, char* argv[]);

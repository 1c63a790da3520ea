#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "app/Console.h"
#include "app/Flight.h"
#include "app/TileEditor.h"
#include "input/EventHandler.h"
#include "physics/Physics.h"
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
    static constexpr uint32_t kCountdownStepMs = 1000;

    // Every pause of the game goes through here: the frame's sleep, the toggles' and the
    // countdown's. Tests put a recorder in its place to run without waiting.
    std::function<void(Uint32 ms)> sleep = SDL_Delay;

    // Clears the terminal before each status block; built before everything else and kept to
    // the end, like the console itself.
    std::unique_ptr<nsClearConsole::ClearConsole> console;
    Event_Handler input;
    Graphics graphics;
    Physics physics;
    EntityReader entityReader;
    Entity robot;
    Sprite paperSprite;    // background, tiled over the screen every frame (sprite slot 0)
    Sprite welcomeSprite;  // the full-screen welcome picture (sprite slot 1)
    LevelReader levelReader;
    Level level;
    TileEditor editor;  // the tile reader, the brush, the held tile and the brush preview
    float climbAccumulator = 0.0f;  // frames towards the next change of speed; never reset

    int32_t frameCounter = 0;       // frames begun since start-up
    int32_t loopCounter = 0;        // frames completed since start-up
    int32_t consoleFPS = 0;         // frames since the console was last cleared
    bool showWelcomeScreen = true;  // the welcome picture shows until Enter is first pressed
    int32_t hasCollided = 0;        // crashes this round: 0 while playing, 1 once crashed
    int32_t seconds = 0;            // whole seconds of the round so far
    int32_t roundStart = 0;         // the timer's whole seconds when the round began
    bool restartGame = true;        // a new round begins at the end of the next game frame

    Game();

    // The frame loop runs while this is false; it is tested before every frame.
    bool quitRequested() const { return input.keyboard.quit; }

    // Runs one frame. Returns false when the frame ended early because the player asked to
    // leave at once (Alt with F4, joystick button 6); the loop must then end without delay.
    bool runFrame();

    // The drawing of one frame: the welcome picture, or the background, the level, the robot
    // and the queued text; then the flip, and after a game frame the start of a new round
    // when one is due.
    void draw();

    // Starts a new round: the robot back at its start at rest, the level read again from its
    // file and drawn, then the countdown from 3, a second a number.
    void restartSequence();

    // Frees the images and ends the console line; the objects go with the Game itself.
    void teardown();

private:
    void consoleCounter();
    void scanInput();
    void outlineToggle();
    void roundStep();
    void debugToggle();
    void consoleStatus();
    bool immediateQuitRequested() const;
    void crashText();
    void drawWelcomeFrame();
    void drawGameFrame();
    bool joystickButton(int button) const;
    bool startPressed() const;
};

// The whole application: start-up, the frame loop and teardown. Returns the exit code.
int SDL_main(int argc, char* argv[]);

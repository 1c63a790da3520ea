#include "app/Game.h"

#include <cstdio>
#include <iostream>

#include "world/Wrapping.h"

namespace {

constexpr int kStartButton = 3;
constexpr int kQuitButton = 6;
constexpr int kDebugButton = 7;

// The robot, read from its file, given its image and placed at its start.
Entity loadRobot(EntityReader& reader, Graphics& graphics) {
    Entity robot = reader.getEntity("robot");
    graphics.registerEntity(&robot, "robot");
    robot.setX(flight::kStartX);
    robot.setY(flight::kStartY);
    return robot;
}

// A sprite given its image: the next slot of the sprite table, in the order of the calls.
Sprite registeredSprite(Graphics& graphics, Sprite sprite, const char* name) {
    graphics.registerSprite(&sprite, name);
    return sprite;
}

// The welcome picture covers the whole screen.
Sprite welcomePicture() {
    return Sprite(0, 0, Game::kScreenWidth, Game::kScreenHeight, 0, 0, Game::kScreenWidth,
                  Game::kScreenHeight);
}

}  // namespace

Game::Game()
    : console(std::make_unique<nsClearConsole::ClearConsole>()),
      input(),
      graphics(kScreenWidth, kScreenHeight, kTileSize),
      physics{kScreenWidth, kScreenHeight, kTileSize},
      entityReader(),
      robot(loadRobot(entityReader, graphics)),
      paperSprite(registeredSprite(graphics, Sprite(), "paper")),
      welcomeSprite(registeredSprite(graphics, welcomePicture(), "welcomeScreen")),
      levelReader(),
      level(kLevelRows, kLevelColumns, TileReader()),
      editor() {
    // The graphics context starts with debug drawing on; the game starts with both off.
    graphics.debug = false;
    graphics.outlines = false;
    levelReader.populateLevel("level_0", level, graphics);
}

bool Game::runFrame() {
    frameCounter = wrappingAdd(frameCounter, 1);
    consoleCounter();
    scanInput();
    outlineToggle();
    editor.act(input.keyboard, level, graphics, sleep);
    roundStep();
    debugToggle();
    if (immediateQuitRequested()) {
        return false;
    }
    consoleStatus();
    editor.queueText(input.keyboard, level, graphics, seconds);
    crashText();
    draw();
    sleep(kFrameSleepMs);
    loopCounter = wrappingAdd(loopCounter, 1);
    return true;
}

void Game::teardown() {
    graphics.release();
    std::cout << std::endl;
}

void Game::consoleCounter() {
    if (consoleFPS >= console::kRefreshFrames - 1) {
        console->Clear();
        consoleFPS = 0;
    } else {
        consoleFPS += 1;
    }
}

// Written on the console the counter has just cleared, and flushed so that it stands there
// before the next clear.
void Game::consoleStatus() {
    if (consoleFPS != 0) {
        return;
    }
    std::cout << console::statusBlock(frameCounter, loopCounter, seconds, graphics.debug,
                                      graphics.outlines)
              << std::flush;
}

void Game::scanInput() {
    input.keyboard.scan();
    input.joystick.scan();
}

void Game::outlineToggle() {
    if (input.keyboard.pressed(KEY_O)) {
        graphics.outlines = !graphics.outlines;
        sleep(kToggleSleepMs);
    }
}

void Game::roundStep() {
    if (hasCollided == 0) {
        // Both terms are whole seconds, so the count steps when the timer passes a second.
        seconds = static_cast<int32_t>(SDL_GetTicks() / 1000) - roundStart;
        const bool climbing = input.keyboard.pressed(KEY_SPACE) || joystickButton(kStartButton);
        hasCollided += flight::flyOneFrame(physics, robot, level, climbAccumulator, climbing);
    } else if (startPressed()) {
        restartGame = true;
    }
}

// Queued now and drawn with the rest of the text by this frame's game frame; behind the welcome
// picture it is dropped.
void Game::crashText() {
    if (hasCollided == 0) {
        return;
    }
    Font& font = graphics.fonts[0];
    const int32_t g = font.dst.w;
    font.print("Crashed!", 384 - 5 * g, 4 * (64 - g));
    font.print("Press Enter to restart.", 12 * (32 - g), 2 * (128 - g));
}

void Game::debugToggle() {
    if (input.keyboard.pressed(KEY_D) || joystickButton(kDebugButton)) {
        const bool on = !graphics.debug;
        graphics.debug = on;
        graphics.outlines = on;
        sleep(kToggleSleepMs);
    }
}

bool Game::immediateQuitRequested() const {
    const MouseAndKeyboard& keys = input.keyboard;
    if ((keys.pressed(KEY_RALT) || keys.pressed(KEY_LALT)) && keys.pressed(KEY_F4)) {
        return true;
    }
    return joystickButton(kQuitButton);
}

void Game::draw() {
    if (showWelcomeScreen) {
        drawWelcomeFrame();
    } else {
        drawGameFrame();
        if (restartGame) {
            restartSequence();
        }
    }
}

void Game::restartSequence() {
    robot.dx = 0;
    robot.dy = 0;
    robot.setX(flight::kStartX);
    robot.setY(flight::kStartY);
    // Undoes every edit and puts each tile back where it starts.
    levelReader.populateLevel("level_0", level, graphics);
    // Freshly read tiles would show nothing before their first step, which follows their first
    // draw; the countdown shows the new round's cave, so each shows its first frame at once.
    for (std::vector<Tile>& cells : level.grid) {
        for (Tile& tile : cells) {
            tile.showCurrentFrames();
        }
    }

    graphics.flush(0, 0, kScreenWidth, kScreenHeight, graphics.spriteSurfaces[0]);
    graphics.blitLevel(&level);
    graphics.blit(&robot);
    graphics.flip();
    hasCollided = 0;

    // Each number is drawn over the picture the one before left behind.
    Font& font = graphics.fonts[0];
    const int32_t g = font.dst.w;
    for (int32_t n = 3; n >= 1; --n) {
        font.print("Get ready!", 384 - 7 * g, 4 * (64 - g));
        font.print(n, 384 + 4 * g, 4 * (64 - g));
        graphics.blitText();
        graphics.flip();
        sleep(kCountdownStepMs);
    }
    roundStart = static_cast<int32_t>(SDL_GetTicks() / 1000);
    restartGame = false;
}

void Game::drawWelcomeFrame() {
    graphics.flush(0, 0, kScreenWidth, kScreenHeight, graphics.spriteSurfaces[0]);
    graphics.blit(&welcomeSprite);
    graphics.flip();
    // Text queued behind the welcome picture is never shown; dropping it every frame keeps the
    // queues from growing for as long as the picture stays up.
    graphics.discardText();
    if (startPressed()) {
        showWelcomeScreen = false;
    }
}

void Game::drawGameFrame() {
    graphics.flush(0, 0, kScreenWidth, kScreenHeight, graphics.spriteSurfaces[0]);
    editor.outlineCellUnderMouse(input.keyboard, level, graphics);
    graphics.blitLevel(&level);
    graphics.blit(&robot);
    graphics.blitText();
    editor.drawPreview(graphics);
    graphics.flip();
}

bool Game::joystickButton(int button) const {
    return input.joystick.buttons[button] != 0;
}

bool Game::startPressed() const {
    return input.keyboard.pressed(KEY_RETURN) || joystickButton(kStartButton);
}

int SDL_main(int /*argc*/, char* /*argv*/[]) {
    std::cout << "Loading. . . ";
    Game game;
    std::cout << "Ready!" << std::flush;

    while (!game.quitRequested()) {
        if (!game.runFrame()) {
            break;
        }
    }

    game.teardown();
    return 0;
}

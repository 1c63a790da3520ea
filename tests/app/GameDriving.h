// Building the game and running its frames in tests, with its console output kept out of the
// test log.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "CapturedOutput.h"
#include "SdlEvents.h"
#include "app/Game.h"

// A game as SDL_main builds it, with SDL's event queue emptied of anything left behind.
inline std::unique_ptr<Game> quietGame() {
    captureStdout();
    auto game = std::make_unique<Game>();
    capturedStdout();
    drainQueue();
    return game;
}

// One frame; a new round reads the level again and writes a line per cell.
inline void quietFrame(Game& game) {
    captureStdout();
    game.runFrame();
    capturedStdout();
}

// Leaves the welcome picture with Enter; the first game frame then begins the round.
inline void startRound(Game& game) {
    push(keyEvent(SDL_KEYDOWN, SDLK_RETURN));
    quietFrame(game);
    push(keyEvent(SDL_KEYUP, SDLK_RETURN));
    quietFrame(game);
    ASSERT_FALSE(game.showWelcomeScreen);
    ASSERT_FALSE(game.restartGame);
    ASSERT_EQ(game.hasCollided, 0);
}

#include <gtest/gtest.h>

#include <memory>

#include "SdlEvents.h"
#include "app/Game.h"

namespace {

class GameTest : public testing::Test {
protected:
    void SetUp() override {
        testing::internal::CaptureStdout();
        game = std::make_unique<Game>();
        std::fflush(stdout);
        testing::internal::GetCapturedStdout();
        drainQueue();
    }
    void TearDown() override {
        game->graphics.release();
        game.reset();
    }

    void pushKey(Uint8 type, SDLKey sym) { push(keyEvent(type, sym)); }

    // A key pressed in one frame and released in the next.
    void tapKey(SDLKey sym) {
        pushKey(SDL_KEYDOWN, sym);
        game->runFrame();
        pushKey(SDL_KEYUP, sym);
        game->runFrame();
    }

    std::unique_ptr<Game> game;
};

}  // namespace

TEST_F(GameTest, StartsWithDebugAndOutlinesOffAndNoFramesCounted) {
    EXPECT_FALSE(game->graphics.debug);
    EXPECT_FALSE(game->graphics.outlines);
    EXPECT_EQ(game->frameCounter, 0);
    EXPECT_EQ(game->loopCounter, 0);
    EXPECT_FALSE(game->quitRequested());
    EXPECT_EQ(game->graphics.width, 768);
    EXPECT_EQ(game->graphics.height, 512);
    EXPECT_EQ(game->graphics.tileSize, 64);
    EXPECT_EQ(game->input.joystickCount, 0);
}

TEST_F(GameTest, EscapeEndsTheLoopAfterItsFrameHasRunToTheEnd) {
    ASSERT_TRUE(game->runFrame());
    pushKey(SDL_KEYDOWN, SDLK_ESCAPE);
    EXPECT_TRUE(game->runFrame());
    EXPECT_TRUE(game->quitRequested());
    EXPECT_EQ(game->frameCounter, 2);
    EXPECT_EQ(game->loopCounter, 2);
}

TEST_F(GameTest, WindowCloseRequestEndsTheLoopAfterItsFrame) {
    push(typedEvent(SDL_QUIT));
    EXPECT_TRUE(game->runFrame());
    EXPECT_TRUE(game->quitRequested());
    EXPECT_EQ(game->loopCounter, 1);
}

TEST_F(GameTest, AltWithF4EndsTheFrameAtOnce) {
    for (SDLKey alt : {SDLK_LALT, SDLK_RALT}) {
        SCOPED_TRACE(alt);
        const int32_t begun = game->frameCounter;
        const int32_t completed = game->loopCounter;
        pushKey(SDL_KEYDOWN, alt);
        EXPECT_TRUE(game->runFrame());
        pushKey(SDL_KEYDOWN, SDLK_F4);
        EXPECT_FALSE(game->runFrame());
        EXPECT_EQ(game->frameCounter, begun + 2);
        EXPECT_EQ(game->loopCounter, completed + 1);
        EXPECT_FALSE(game->quitRequested());
        pushKey(SDL_KEYUP, alt);
        pushKey(SDL_KEYUP, SDLK_F4);
        game->runFrame();
        game->runFrame();
    }
}

TEST_F(GameTest, AltOrF4AloneDoesNothing) {
    pushKey(SDL_KEYDOWN, SDLK_F4);
    EXPECT_TRUE(game->runFrame());
    pushKey(SDL_KEYUP, SDLK_F4);
    EXPECT_TRUE(game->runFrame());
    pushKey(SDL_KEYDOWN, SDLK_LALT);
    EXPECT_TRUE(game->runFrame());
    EXPECT_TRUE(game->runFrame());
    EXPECT_EQ(game->loopCounter, 4);
}

TEST_F(GameTest, OFlipsOutlinesInEveryFrameItIsHeld) {
    pushKey(SDL_KEYDOWN, SDLK_o);
    game->runFrame();
    EXPECT_TRUE(game->graphics.outlines);
    game->runFrame();
    EXPECT_FALSE(game->graphics.outlines);
    pushKey(SDL_KEYUP, SDLK_o);
    game->runFrame();
    EXPECT_FALSE(game->graphics.outlines);
    EXPECT_FALSE(game->graphics.debug);
}

TEST_F(GameTest, DSetsDebugAndOutlinesTogether) {
    // Outlines on alone, then D: both on.
    tapKey(SDLK_o);
    ASSERT_TRUE(game->graphics.outlines);
    ASSERT_FALSE(game->graphics.debug);

    pushKey(SDL_KEYDOWN, SDLK_d);
    game->runFrame();
    EXPECT_TRUE(game->graphics.debug);
    EXPECT_TRUE(game->graphics.outlines);

    // Still held: the next frame turns both off again.
    game->runFrame();
    EXPECT_FALSE(game->graphics.debug);
    EXPECT_FALSE(game->graphics.outlines);
}

TEST_F(GameTest, DebugOnThenOutlinesOffThenDTurnsBothOff) {
    tapKey(SDLK_d);
    tapKey(SDLK_o);
    ASSERT_TRUE(game->graphics.debug);
    ASSERT_FALSE(game->graphics.outlines);

    pushKey(SDL_KEYDOWN, SDLK_d);
    game->runFrame();
    EXPECT_FALSE(game->graphics.debug);
    EXPECT_FALSE(game->graphics.outlines);
}

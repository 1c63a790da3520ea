#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "CapturedOutput.h"
#include "GameDriving.h"
#include "SdlEvents.h"
#include "app/Game.h"

namespace {

class GameTest : public testing::Test {
protected:
    void SetUp() override { game = quietGame(); }
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

namespace {

std::vector<std::string> wordsOf(const std::string& fileName) {
    std::ifstream in(fileName);
    std::vector<std::string> words;
    for (std::string w; in >> w;) {
        words.push_back(w);
    }
    return words;
}

}  // namespace

TEST(GameStartUp, ReadsTheRobotAndFillsTheLevelWritingOneTypeLinePerCell) {
    captureStdout();
    auto game = std::make_unique<Game>();
    const std::string out = capturedStdout();

    const std::vector<int> types = typeLines(out);
    const std::vector<std::string> names = wordsOf("data/levels/level_0.lvl");
    ASSERT_GE(names.size(), 512u);
    ASSERT_EQ(types.size(), 512u) << out;
    // Every file and picture is there: nothing but the type lines is written.
    EXPECT_EQ(outputLines(out).size(), 512u) << out;
    for (int32_t cell = 0; cell < 512; ++cell) {
        const Tile& t = game->level.grid[cell / 64][cell % 64];
        TileType named = EMPTY;
        ASSERT_TRUE(tileTypeFromName(names[cell], named)) << names[cell];
        ASSERT_EQ(types[cell], named) << "cell " << cell;
        ASSERT_EQ(t.type, named) << "cell " << cell;
        ASSERT_EQ(t.box, (Rect{cell % 64 * 64, cell / 64 * 64, 64, 64}));
    }

    const Entity& robot = game->robot;
    EXPECT_EQ(robot.box.x, 128);
    EXPECT_EQ(robot.box.y, 192);
    EXPECT_GT(robot.box.w, 0);
    EXPECT_GT(robot.box.h, 0);
    EXPECT_EQ(robot.dx, 0);
    EXPECT_EQ(robot.dy, 0);
    EXPECT_EQ(robot.graphicIndex, 0);
    EXPECT_EQ(game->graphics.entityCount, 1);
    ASSERT_FALSE(robot.blocks.empty());
    for (const Block& b : robot.blocks) {
        EXPECT_EQ(b.dst.x, 128 + b.xOff);
        EXPECT_EQ(b.dst.y, 192 + b.yOff);
    }
    game->graphics.release();
}

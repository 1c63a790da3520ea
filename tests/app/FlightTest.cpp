// The rules of play inside the game: the robot's fall and climb, the screen's edges, the
// crash and its message, and the new round with its countdown. Frames run in-process under
// the dummy video driver with key events on SDL's queue.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "GameDriving.h"
#include "ScreenChecks.h"
#include "SdlEvents.h"
#include "Surfaces.h"
#include "app/Game.h"

namespace {

class FlightTest : public testing::Test {
protected:
    void SetUp() override {
        game = quietGame();
        // The countdown's seconds are recorded, with what the screen showed, not waited for.
        game->sleep = [this](Uint32 ms) {
            sleeps.push_back(ms);
            if (ms == Game::kCountdownStepMs) {
                countdown.push_back(shotOf(game->graphics.screen));
            }
        };
        ASSERT_EQ(game->graphics.fonts[0].dst.w, 9);
    }
    void TearDown() override {
        game->graphics.release();
        game.reset();
        drainQueue();
    }

    // A frame whose output is kept out of the test log: a new round reads the level again and
    // writes a line per cell.
    void frame() { quietFrame(*game); }

    void press(SDLKey key) { push(keyEvent(SDL_KEYDOWN, key)); }
    void release(SDLKey key) { push(keyEvent(SDL_KEYUP, key)); }

    void startRound() {
        ::startRound(*game);
        ASSERT_EQ(game->robot.box.x, 128);
    }

    // Takes every rock out of the level, so that only the flight rules act on the robot.
    void openLevel() {
        for (int32_t row = 0; row < game->level.rows; ++row) {
            for (int32_t column = 0; column < game->level.columns; ++column) {
                game->level.insertTile(game->level.reader("empty"), row, column);
            }
        }
    }

    // Runs frames with no input until the robot hits the rock.
    void fallUntilCrashed() {
        for (int n = 0; n < 400 && game->hasCollided == 0; ++n) {
            frame();
        }
        ASSERT_EQ(game->hasCollided, 1) << "the robot fell without hitting anything";
    }

    // Whether the shot shows the text at (x, y) in the font of the round's messages.
    bool showsText(const Shot& shot, const std::string& text, int x, int y) {
        if (messageFont == nullptr) {
            messageFont = std::make_unique<Picture>("fonts/kestrine_9");
        }
        return ::showsText(shot, *messageFont, text, x, y);
    }

    // Whether the shot shows the tile at its place, leaving out the lines where the round's
    // messages are written.
    bool showsTile(const Shot& shot, const Tile& tile) {
        return ::showsTile(shot, tile, [](int, int y) { return y >= 220 && y < 247; });
    }

    std::unique_ptr<Game> game;
    std::vector<Uint32> sleeps;
    std::vector<Shot> countdown;
    std::unique_ptr<Picture> messageFont;  // read once the window is open
};

}  // namespace

TEST_F(FlightTest, WithNoInputTheRobotFallsOnePixelFasterEverySixthFrame) {
    startRound();
    openLevel();
    game->climbAccumulator = 0.0f;
    int32_t y = 192;
    for (int n = 1; n <= 30; ++n) {
        const int32_t speedBefore = game->robot.dy;
        frame();
        // The move uses the speed of the frame before; the change acts from the next frame.
        y += speedBefore;
        ASSERT_EQ(game->robot.box.y, y) << "frame " << n;
        ASSERT_EQ(game->robot.dy, n / 6) << "frame " << n;
    }
    EXPECT_EQ(game->robot.dy, 5);
    EXPECT_EQ(game->robot.box.y, 192 + 6 * (1 + 2 + 3 + 4));
    EXPECT_EQ(game->robot.box.x, 128);
    EXPECT_EQ(game->robot.dx, 0);
    EXPECT_EQ(game->hasCollided, 0);
}

TEST_F(FlightTest, HoldingSpaceClimbsWithTheSameGrowthAndLettingGoTurnsItSlowly) {
    startRound();
    openLevel();
    game->climbAccumulator = 0.0f;
    press(SDLK_SPACE);
    for (int n = 1; n <= 30; ++n) {
        frame();
        ASSERT_EQ(game->robot.dy, -(n / 6)) << "frame " << n;
    }
    EXPECT_EQ(game->robot.box.y, 192 - 60);

    // Letting go changes nothing until the next sixth frame, and then by one step only.
    release(SDLK_SPACE);
    for (int n = 1; n <= 5; ++n) {
        frame();
        ASSERT_EQ(game->robot.dy, -5) << "frame " << n << " after letting go";
    }
    frame();
    EXPECT_EQ(game->robot.dy, -4);
}

TEST_F(FlightTest, JoystickButtonThreeClimbsLikeSpace) {
    startRound();
    openLevel();
    game->climbAccumulator = 0.0f;
    ASSERT_FALSE(game->input.joystick.enabled);  // no device: the scan leaves the buttons alone
    game->input.joystick.buttons[3] = 1;
    for (int n = 0; n < 12; ++n) {
        frame();
    }
    EXPECT_EQ(game->robot.dy, -2);
    EXPECT_FALSE(game->restartGame) << "button 3 while playing starts nothing";
}

TEST_F(FlightTest, ARobotOnTheTopOrBottomEdgeStaysThere) {
    startRound();
    openLevel();
    const int32_t bottomEdge = 512 - game->robot.box.h;
    for (const bool climbing : {true, false}) {
        SCOPED_TRACE(climbing ? "climbing on the top edge" : "falling on the bottom edge");
        const int32_t edgeY = climbing ? 0 : bottomEdge;
        game->robot.setY(edgeY);
        game->robot.dy = climbing ? -3 : 3;
        if (climbing) {
            press(SDLK_SPACE);
        }
        // Every frame's screen check undoes the speed, the climb rule's change included.
        for (int n = 0; n < 20; ++n) {
            frame();
            ASSERT_EQ(game->robot.box.y, edgeY) << "frame " << n;
            ASSERT_EQ(game->robot.dy, 0) << "frame " << n;
        }
        EXPECT_EQ(game->hasCollided, 0) << "touching an edge is no crash";
        if (climbing) {
            release(SDLK_SPACE);
        }
    }
}

TEST_F(FlightTest, ARobotOnTheBottomEdgeStillCrashesIntoRockThatScrollsIntoIt) {
    startRound();
    openLevel();
    game->level.insertTile(game->level.reader("square_0"), 7, 8);
    const int32_t edgeY = 512 - game->robot.box.h;
    game->robot.setY(edgeY);
    int n = 0;
    for (; n < 100 && game->hasCollided == 0; ++n) {
        frame();
        if (game->hasCollided == 0) {
            ASSERT_EQ(game->robot.box.y, edgeY);
        }
    }
    EXPECT_EQ(game->hasCollided, 1);
    // The square starts at x 512 and reaches the robot's right edge at 160 after 44 frames.
    EXPECT_GE(n, 40);
    EXPECT_LE(n, 50);
}

TEST_F(FlightTest, ACrashStopsEverythingAndShowsTheMessage) {
    startRound();
    fallUntilCrashed();
    const Rect box = game->robot.box;
    const int32_t tileX = game->level.grid[0][0].box.x;
    const int32_t seconds = game->seconds;
    game->roundStart -= 5;  // a running clock would now show five more seconds
    for (int n = 0; n < 3; ++n) {
        frame();
        ASSERT_EQ(game->robot.box, box);
        ASSERT_EQ(game->level.grid[0][0].box.x, tileX) << "the level went on scrolling";
        ASSERT_EQ(game->hasCollided, 1);
        ASSERT_EQ(game->seconds, seconds);
    }
    const Shot shot = shotOf(game->graphics.screen);
    EXPECT_TRUE(showsText(shot, "Crashed!", 339, 220));
    EXPECT_TRUE(showsText(shot, "Press Enter to restart.", 276, 238));
    EXPECT_TRUE(game->graphics.fonts[0].glyphs.empty());
    EXPECT_FALSE(game->restartGame);
    EXPECT_EQ(countdown.size(), 3u) << "only the first round's countdown has run";
}

TEST_F(FlightTest, EnterWhileCrashedStartsANewRoundWithTheCountdown) {
    startRound();
    // An edit that the new round must undo.
    const TileType original = game->level.grid[0][5].type;
    game->level.insertTile(game->level.reader(original == SQUARE_0 ? "empty" : "square_0"), 0, 5);
    fallUntilCrashed();
    sleeps.clear();
    countdown.clear();

    press(SDLK_RETURN);
    const Uint32 before = SDL_GetTicks();
    frame();
    const Uint32 after = SDL_GetTicks();

    EXPECT_EQ(sleeps, (std::vector<Uint32>{1000, 1000, 1000, 6}));
    ASSERT_EQ(countdown.size(), 3u);
    for (size_t step = 0; step < 3; ++step) {
        SCOPED_TRACE(step);
        EXPECT_TRUE(showsText(countdown[step], "Get ready!", 321, 220));
        EXPECT_TRUE(showsText(countdown[step], std::to_string(3 - step), 420, 220));
        EXPECT_FALSE(showsText(countdown[step], "Crashed!", 339, 220))
            << "the fresh scene is drawn before the countdown";
    }
    EXPECT_FALSE(game->restartGame);
    EXPECT_EQ(game->hasCollided, 0);
    EXPECT_EQ(game->robot.box.x, 128);
    EXPECT_EQ(game->robot.box.y, 192);
    EXPECT_EQ(game->robot.dx, 0);
    EXPECT_EQ(game->robot.dy, 0);
    EXPECT_EQ(game->level.grid[0][5].type, original);
    for (int32_t column = 0; column < game->level.columns; ++column) {
        ASSERT_EQ(game->level.grid[3][column].box.x, column * 64) << "column " << column;
    }
    EXPECT_GE(game->roundStart, static_cast<int32_t>(before / 1000));
    EXPECT_LE(game->roundStart, static_cast<int32_t>(after / 1000));

    // The next frame plays again, with the level's scroll remainder from before the crash.
    release(SDLK_RETURN);
    const bool turns = game->level.scrollX - 8 <= -64;
    frame();
    EXPECT_EQ(game->level.grid[3][0].box.x, turns ? 56 : -8);
}

// Every round's countdown shows the cave the round begins in, and every tile keeps the
// picture of its own type however many rounds are played.
TEST_F(FlightTest, EveryNewRoundShowsItsCaveWithTheRightPictures) {
    startRound();
    const int32_t picturesLoaded = game->graphics.tileCount;
    for (int round = 1; round <= 6; ++round) {
        SCOPED_TRACE(round);
        fallUntilCrashed();
        countdown.clear();
        press(SDLK_RETURN);
        frame();
        release(SDLK_RETURN);
        ASSERT_EQ(countdown.size(), 3u);
        EXPECT_EQ(game->graphics.tileCount, picturesLoaded) << "pictures were loaded again";

        int tilesShown = 0;
        for (const std::vector<Tile>& cells : game->level.grid) {
            for (size_t column = 0; column < cells.size(); ++column) {
                const Tile& tile = cells[column];
                if (tile.type == EMPTY) {
                    continue;
                }
                ASSERT_EQ(game->graphics.tileSlotTypes[tile.graphicIndex], tile.type)
                    << "a " << tile.getPath() << " tile is drawn with another type's picture";
                if (column < 12) {
                    EXPECT_TRUE(showsTile(countdown[0], tile))
                        << tile.getPath() << " at " << tile.box.x << ", " << tile.box.y;
                    ++tilesShown;
                }
            }
        }
        EXPECT_GT(tilesShown, 10);
    }
}

TEST_F(FlightTest, EnterWhilePlayingDoesNothing) {
    startRound();
    openLevel();
    sleeps.clear();
    press(SDLK_RETURN);
    frame();
    frame();
    EXPECT_FALSE(game->restartGame);
    EXPECT_EQ(sleeps, (std::vector<Uint32>{6, 6}));
    EXPECT_EQ(game->level.grid[3][0].box.x, -16);
}

TEST_F(FlightTest, TheClimbAccumulatorKeepsItsValueAcrossANewRound) {
    startRound();
    fallUntilCrashed();
    game->climbAccumulator = 0.6f;
    frame();
    EXPECT_EQ(game->climbAccumulator, 0.6f) << "a crashed frame leaves it alone";
    press(SDLK_RETURN);
    frame();
    release(SDLK_RETURN);
    ASSERT_EQ(game->robot.box.y, 192);
    EXPECT_EQ(game->climbAccumulator, 0.6f);
    openLevel();
    // 0.8, 1.0, then the change: three frames instead of six.
    frame();
    frame();
    EXPECT_EQ(game->robot.dy, 0);
    frame();
    EXPECT_EQ(game->robot.dy, 1);
}

TEST_F(FlightTest, TheRoundClockCountsWholeSecondsOfTheTimer) {
    startRound();
    openLevel();
    game->roundStart = static_cast<int32_t>(SDL_GetTicks() / 1000) - 7;
    const Uint32 before = SDL_GetTicks();
    frame();
    const Uint32 after = SDL_GetTicks();
    EXPECT_GE(game->seconds, static_cast<int32_t>(before / 1000) - game->roundStart);
    EXPECT_LE(game->seconds, static_cast<int32_t>(after / 1000) - game->roundStart);
    EXPECT_GE(game->seconds, 7);
}

TEST_F(FlightTest, BehindTheWelcomePictureTheRobotFliesAndCrashesUnseen) {
    fallUntilCrashed();
    EXPECT_TRUE(game->showWelcomeScreen);
    EXPECT_TRUE(countdown.empty()) << "the new round waits for the welcome picture to go";

    // The first game frame after the welcome picture begins a fresh round.
    press(SDLK_RETURN);
    frame();
    release(SDLK_RETURN);
    EXPECT_EQ(game->hasCollided, 1);
    frame();
    EXPECT_EQ(countdown.size(), 3u);
    EXPECT_EQ(game->hasCollided, 0);
    EXPECT_EQ(game->robot.box.y, 192);
}

// What the game shows: the welcome picture until Enter, then the level and the robot over the
// background, read back from the screen surface under the dummy video driver.
#include <gtest/gtest.h>

#include <SDL_image.h>

#include <memory>
#include <string>
#include <vector>

#include "GameDriving.h"
#include "SdlEvents.h"
#include "Surfaces.h"
#include "app/Game.h"

namespace {

constexpr int kMagenta = 0;  // marker for "transparent in the picture"

class SceneTest : public testing::Test {
protected:
    void SetUp() override {
        game = quietGame();
        // Frames pause for real, so that sprites animate; the countdown's seconds are skipped.
        game->sleep = [this](Uint32 ms) {
            sleeps.push_back(ms);
            if (ms < Game::kCountdownStepMs) {
                SDL_Delay(ms);
            }
        };
        ASSERT_NE(game->graphics.spriteSurfaces[0], nullptr) << "the background did not load";
        ASSERT_NE(game->graphics.spriteSurfaces[1], nullptr) << "the welcome picture did not load";
        ASSERT_NE(paper(), nullptr);
    }
    void TearDown() override {
        for (SDL_Surface* p : pictures) {
            SDL_FreeSurface(p);
        }
        game->graphics.release();
        game.reset();
        drainQueue();
    }

    SDL_Surface* screen() { return game->graphics.screen; }
    // The background as its file shows it (the game's copy is run-length encoded).
    SDL_Surface* paper() {
        if (paperPicture == nullptr) {
            paperPicture = picture("sprites/paper");
        }
        return paperPicture;
    }

    // A picture from data/images as the game converts it, but read from its file here.
    SDL_Surface* picture(const std::string& name) {
        SDL_Surface* loaded = IMG_Load(("data/images/" + name + ".png").c_str());
        EXPECT_NE(loaded, nullptr) << name;
        if (loaded == nullptr) {
            return nullptr;
        }
        SDL_Surface* converted = SDL_DisplayFormat(loaded);
        SDL_FreeSurface(loaded);
        pictures.push_back(converted);
        return converted;
    }

    // The colour a picture gives its pixel, or kMagenta where the picture is transparent.
    Uint32 imagePixel(SDL_Surface* image, int x, int y) {
        const Uint32 p = pixelAt(image, x, y);
        return p == rgbOf(image, 255, 0, 255) ? kMagenta : p;
    }

    // Leaves the welcome screen with Enter; the frame that sees the key still shows it.
    void dismissWelcome() {
        push(keyEvent(SDL_KEYDOWN, SDLK_RETURN));
        game->runFrame();
        push(keyEvent(SDL_KEYUP, SDLK_RETURN));
        ASSERT_FALSE(game->showWelcomeScreen);
    }

    // Leaves the welcome screen and runs the first game frame, which begins the round.
    void startRound() {
        dismissWelcome();
        beginRound();
    }

    void beginRound() {
        ASSERT_TRUE(game->restartGame);
        captureStdout();  // the level is read again, one line per cell
        game->runFrame();
        capturedStdout();
        ASSERT_FALSE(game->restartGame);
    }

    // Starts the round and runs game frames until every sprite on the screen shows a frame.
    // Sprites choose their first frame in the step after a draw once their period has passed
    // since start-up (half a second for the tiles), so the first game frames may show nothing.
    void enterGame() {
        while (SDL_GetTicks() < 600) {
            SDL_Delay(10);
        }
        startRound();
        for (int frame = 0; frame < 10 && !everythingShows(); ++frame) {
            game->runFrame();
        }
        ASSERT_TRUE(everythingShows());
        ASSERT_EQ(game->hasCollided, 0);
    }

    bool everythingShows() {
        auto shows = [](const Entity& e) {
            for (const Block& b : e.blocks) {
                if (b.src.w == 0 || b.src.h == 0) {
                    return false;
                }
            }
            return true;
        };
        for (const std::vector<Tile>& cells : game->level.grid) {
            for (size_t column = 0; column < 13 && column < cells.size(); ++column) {
                if (cells[column].type != EMPTY && !shows(cells[column])) {
                    return false;
                }
            }
        }
        return shows(game->robot);
    }

    // The first non-empty cell of the level that lies on the screen, away from the robot.
    const Tile* someTileOnScreen() {
        for (int row = 0; row < 8; ++row) {
            for (int column = 4; column < 12; ++column) {
                const Tile& t = game->level.grid[row][column];
                if (t.type != EMPTY) {
                    return &t;
                }
            }
        }
        return nullptr;
    }

    std::unique_ptr<Game> game;
    std::vector<Uint32> sleeps;
    std::vector<SDL_Surface*> pictures;
    SDL_Surface* paperPicture = nullptr;
};

}  // namespace

TEST_F(SceneTest, BackgroundAndWelcomePictureTakeSpriteSlotsZeroAndOne) {
    EXPECT_EQ(game->paperSprite.surfaceIndex, 0);
    EXPECT_EQ(game->welcomeSprite.surfaceIndex, 1);
    EXPECT_EQ(game->graphics.spriteCount, 2);
    EXPECT_EQ(game->welcomeSprite.src, (Rect{0, 0, 768, 512}));
    EXPECT_EQ(game->welcomeSprite.dst, (Rect{0, 0, 768, 512}));
    EXPECT_EQ(game->welcomeSprite.lastBlit, 0u);
    EXPECT_EQ(game->graphics.spriteSurfaces[0]->w, 768);
    EXPECT_EQ(game->graphics.spriteSurfaces[0]->h, 512);
    EXPECT_EQ(game->graphics.spriteSurfaces[1]->w, 768);
    EXPECT_EQ(game->graphics.spriteSurfaces[1]->h, 512);
    EXPECT_TRUE(game->showWelcomeScreen);
}

TEST_F(SceneTest, WelcomeFramesShowThePictureOverTheBackgroundAndNothingElse) {
    fillBlack(screen());
    const Uint32 robotDrawnAt = game->robot.blocks.back().lastBlit;
    game->runFrame();
    SDL_Surface* welcome = picture("sprites/welcomeScreen");
    ASSERT_NE(welcome, nullptr);
    int showingBackground = 0;
    for (int y = 0; y < 512; ++y) {
        for (int x = 0; x < 768; ++x) {
            const Uint32 front = imagePixel(welcome, x, y);
            const Uint32 expected = front == kMagenta ? pixelAt(paper(), x, y) : front;
            showingBackground += front == kMagenta ? 1 : 0;
            ASSERT_EQ(pixelAt(screen(), x, y), expected) << x << ", " << y;
        }
    }
    // The robot and the tiles were not drawn (drawing stamps them).
    EXPECT_EQ(game->robot.blocks.back().lastBlit, robotDrawnAt);
    const Tile* tile = someTileOnScreen();
    ASSERT_NE(tile, nullptr);
    EXPECT_EQ(tile->blocks[0].lastBlit, 0u);
    EXPECT_TRUE(game->showWelcomeScreen);
    RecordProperty("welcome pixels showing the background", showingBackground);
}

TEST_F(SceneTest, TextQueuedBehindTheWelcomePictureDoesNotPileUp) {
    for (int frame = 0; frame < 50; ++frame) {
        game->graphics.fonts[0].print("Crashed!", 100, 100);
        game->graphics.fonts[1].print(frame, 10, 10);
        game->runFrame();
        ASSERT_TRUE(game->graphics.fonts[0].glyphs.empty());
        ASSERT_TRUE(game->graphics.fonts[1].glyphs.empty());
    }
    EXPECT_TRUE(game->showWelcomeScreen);
}

TEST_F(SceneTest, EnterLeavesTheWelcomeScreenForGood) {
    dismissWelcome();
    EXPECT_EQ(game->loopCounter, 1);
    for (int frame = 0; frame < 3; ++frame) {
        game->runFrame();
        EXPECT_FALSE(game->showWelcomeScreen);
    }
    // Enter again changes nothing.
    push(keyEvent(SDL_KEYDOWN, SDLK_RETURN));
    game->runFrame();
    EXPECT_FALSE(game->showWelcomeScreen);
}

TEST_F(SceneTest, JoystickButtonThreeLeavesTheWelcomeScreenToo) {
    ASSERT_FALSE(game->input.joystick.enabled);  // no device: the scan leaves the buttons alone
    game->input.joystick.buttons[2] = 1;
    game->runFrame();
    EXPECT_TRUE(game->showWelcomeScreen);
    game->input.joystick.buttons[2] = 0;
    game->input.joystick.buttons[3] = 1;
    game->runFrame();
    EXPECT_FALSE(game->showWelcomeScreen);
}

TEST_F(SceneTest, OtherKeysKeepTheWelcomeScreen) {
    for (SDLKey key : {SDLK_SPACE, SDLK_a, SDLK_KP_ENTER, SDLK_o}) {
        push(keyEvent(SDL_KEYDOWN, key));
        game->runFrame();
        push(keyEvent(SDL_KEYUP, key));
        game->runFrame();
        EXPECT_TRUE(game->showWelcomeScreen) << key;
    }
}

TEST_F(SceneTest, GameFrameShowsTheLevelAndTheRobotOverTheBackground) {
    enterGame();
    const Block& body = game->robot.blocks.back();
    const Rect bodyFrame = body.src;
    fillBlack(screen());
    game->runFrame();

    // A tile where the level has scrolled it: every pixel of its cell is its picture, in one
    // of its frames, where that is opaque, and the background elsewhere.
    const Tile* tile = someTileOnScreen();
    ASSERT_NE(tile, nullptr);
    ASSERT_NE(game->graphics.tileSurfaces[tile->graphicIndex], nullptr);
    SDL_Surface* tileImage = picture(std::string("tiles/") + tile->getPath());
    ASSERT_NE(tileImage, nullptr);
    auto cellShows = [&](const Rect& frame, int& opaque) {
        opaque = 0;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                const int sx = tile->box.x + x;
                const int sy = tile->box.y + y;
                const Uint32 front = imagePixel(tileImage, frame.x + x, frame.y + y);
                opaque += front == kMagenta ? 0 : 1;
                if (pixelAt(screen(), sx, sy) !=
                    (front == kMagenta ? pixelAt(paper(), sx, sy) : front)) {
                    return false;
                }
            }
        }
        return true;
    };
    bool shown = false;
    int opaque = 0;
    for (const Rect& frame : tile->blocks[0].animations[0].frames) {
        shown = shown || cellShows(frame, opaque);
    }
    EXPECT_TRUE(shown) << "the tile of type " << tile->type << " at " << tile->box.x << ", "
                       << tile->box.y;
    EXPECT_GT(opaque, 0);

    // Empty cells show the background.
    for (int column = 4; column < 12; ++column) {
        for (int row = 0; row < 8; ++row) {
            const Tile& cell = game->level.grid[row][column];
            if (cell.type == EMPTY) {
                const int x = cell.box.x + 20;
                const int y = cell.box.y + 40;
                EXPECT_EQ(pixelAt(screen(), x, y), pixelAt(paper(), x, y));
            }
        }
    }

    // The robot's body, drawn over everything where the robot is.
    SDL_Surface* robotImage = picture("entities/robot");
    ASSERT_NE(robotImage, nullptr);
    int bodyPixels = 0;
    for (int y = 0; y < bodyFrame.h; ++y) {
        for (int x = 0; x < bodyFrame.w; ++x) {
            const Uint32 front = imagePixel(robotImage, bodyFrame.x + x, bodyFrame.y + y);
            if (front != kMagenta) {
                ++bodyPixels;
                ASSERT_EQ(pixelAt(screen(), body.dst.x + x, body.dst.y + y), front);
            }
        }
    }
    EXPECT_GT(bodyPixels, bodyFrame.w * bodyFrame.h / 2);
}

TEST_F(SceneTest, TheLevelScrollsEightPixelsLeftEveryFrameAndANewRoundPutsItBack) {
    const Tile* first = &game->level.grid[0][0];
    ASSERT_EQ(first->box.x, 0);
    game->runFrame();  // behind the welcome picture too
    EXPECT_EQ(first->box.x, -8);
    dismissWelcome();
    EXPECT_EQ(first->box.x, -16);

    // The first game frame scrolls once more, then the new round reads the level again: every
    // tile is back where it starts, but the 24 pixels scrolled since the last column turned
    // are kept, so the first turn of the new round comes 24 pixels early.
    beginRound();
    EXPECT_EQ(first->box.x, 0);
    EXPECT_EQ(game->level.scrollX, -24);
    EXPECT_EQ(game->robot.box.x, 128);
    EXPECT_EQ(game->robot.box.y, 192);
    const TileType secondColumn = game->level.grid[0][1].type;
    for (int frame = 1; frame <= 4; ++frame) {
        game->runFrame();
        EXPECT_EQ(first->box.x, -8 * frame);
    }
    game->runFrame();
    EXPECT_EQ(game->level.scrollX, 0);
    EXPECT_EQ(first->box.x, 64 - 40) << "the second column moved into the first";
    EXPECT_EQ(first->type, secondColumn);
    EXPECT_EQ(game->robot.box.x, 128);
}

TEST_F(SceneTest, GameFramesAnimateTheRobotAndTheTiles) {
    startRound();
    Block& body = game->robot.blocks.back();
    const Tile* tile = someTileOnScreen();
    ASSERT_NE(tile, nullptr);
    const size_t frames = body.animations[0].frames.size();
    ASSERT_GT(frames, 1u);

    const Uint32 before = body.lastBlit;
    bool changed = false;
    const int32_t first = body.animations[0].currentFrame;
    for (int frame = 0; frame < 40 && !changed; ++frame) {
        game->runFrame();
        SDL_Delay(10);
        changed = body.animations[0].currentFrame != first;
    }
    EXPECT_TRUE(changed);
    EXPECT_GT(body.lastBlit, before);
    EXPECT_NE(tile->blocks[0].lastBlit, 0u);
}

TEST_F(SceneTest, DebugLeavesTheTopRowOutButDrawsTheRobot) {
    enterGame();
    game->graphics.debug = true;
    game->graphics.outlines = false;
    fillBlack(screen());
    game->runFrame();
    // Below the editor's two lines of text; the sampled columns miss the top-left cell's outline.
    const int g = game->graphics.fonts[0].dst.w;
    for (int y = 2 * g; y < 64; y += 3) {
        for (int x = 0; x < 768; x += 5) {
            ASSERT_EQ(pixelAt(screen(), x, y), pixelAt(paper(), x, y)) << x << ", " << y;
        }
    }
    bool secondRowDrawn = false;
    for (int x = 0; x < 768 && !secondRowDrawn; x += 5) {
        secondRowDrawn = pixelAt(screen(), x, 70) != pixelAt(paper(), x, 70);
    }
    EXPECT_TRUE(secondRowDrawn) << "the level has rock in its second row at the start";
    const Block& body = game->robot.blocks.back();
    EXPECT_NE(pixelAt(screen(), body.dst.x + body.dst.w / 2, body.dst.y + body.dst.h / 2),
              pixelAt(paper(), body.dst.x + body.dst.w / 2, body.dst.y + body.dst.h / 2));
}

TEST_F(SceneTest, OutlinesFrameTheRobotInYellowAndTheTilesInBlue) {
    startRound();
    game->graphics.outlines = true;
    game->runFrame();
    const Rect box = game->robot.box;
    EXPECT_EQ(pixelAt(screen(), box.x + box.w, box.y + 3), rgbOf(screen(), 255, 255, 0));
    const Tile* tile = someTileOnScreen();
    ASSERT_NE(tile, nullptr);
    EXPECT_EQ(pixelAt(screen(), tile->box.x, tile->box.y + 10), rgbOf(screen(), 0, 0, 255));
}

TEST_F(SceneTest, QueuedTextIsDrawnInTheGameFrame) {
    startRound();
    // An empty cell; the frame scrolls it 8 pixels left before drawing, and the text stays
    // within it.
    const Tile* empty = nullptr;
    for (int column = 4; column < 12 && empty == nullptr; ++column) {
        for (int row = 0; row < 8 && empty == nullptr; ++row) {
            if (game->level.grid[row][column].type == EMPTY) {
                empty = &game->level.grid[row][column];
            }
        }
    }
    ASSERT_NE(empty, nullptr) << "no empty cell on screen";
    const int left = empty->box.x + 4;
    const int top = empty->box.y + 20;
    game->graphics.fonts[0].print("Crash", left, top);
    game->runFrame();
    EXPECT_TRUE(game->graphics.fonts[0].glyphs.empty());
    int changed = 0;
    for (int x = left; x < left + 5 * 9; ++x) {
        for (int y = top; y < top + 9; ++y) {
            changed += pixelAt(screen(), x, y) != pixelAt(paper(), x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(changed, 20);
}

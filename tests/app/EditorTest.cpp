// The live tile editor inside the game: the mouse and the comma and period keys edit the level
// while frames run in-process under the dummy video driver. The pointer is moved with
// SDL_WarpMouse, whose motion event the next frame takes; buttons are held as a hand would
// hold them (see HeldMouseButtons.h). Most tests edit after a crash, when the level stands
// still, so that a cell keeps its place from one frame to the next.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "CapturedOutput.h"
#include "GameDriving.h"
#include "HeldMouseButtons.h"
#include "ScreenChecks.h"
#include "SdlEvents.h"
#include "Surfaces.h"
#include "app/Game.h"

namespace {

class EditorTest : public testing::Test {
protected:
    void SetUp() override {
        releaseAllMouseButtons();
        game = quietGame();
        game->sleep = [this](Uint32 ms) { sleeps.push_back(ms); };
        ASSERT_EQ(game->graphics.fonts[0].dst.w, 9);
        startRound(*game);
        // The round is over: nothing moves while the level is edited.
        game->hasCollided = 1;
        sleeps.clear();
        // A fresh tile takes its first frame when first stepped, and no step comes sooner than
        // one animation period after the clock started (half a second for tiles, which change
        // frames twice a second); frames here take no time of their own.
        while (SDL_GetTicks() < 600) {
            SDL_Delay(10);
        }
    }
    void TearDown() override {
        releaseAllMouseButtons();
        game->graphics.release();
        game.reset();
        drainQueue();
    }

    void frame() { quietFrame(*game); }

    // Moves the pointer; the frame that follows sees it there and edits there.
    void pointAt(int x, int y) {
        SDL_WarpMouse(static_cast<Uint16>(x), static_cast<Uint16>(y));
        frame();
        ASSERT_EQ(game->input.keyboard.mouseX, x);
        ASSERT_EQ(game->input.keyboard.mouseY, y);
    }
    // The middle of a cell.
    void pointAtCell(int row, int column) { pointAt(64 * column + 32, 64 * row + 32); }

    // A key down for one frame: the frame that takes the press and no more.
    void tap(SDLKey key) {
        push(keyEvent(SDL_KEYDOWN, key));
        frame();
        push(keyEvent(SDL_KEYUP, key));
        frame();
    }

    // A button held for the frame that follows, then let go.
    void click(Uint8 button) {
        holdMouseButton(button);
        frame();
        releaseMouseButton(button);
        frame();
    }

    Tile& cell(int row, int column) { return game->level.grid[row][column]; }

    // Puts the named tile into a cell, with its picture, as the level reader would.
    void put(int row, int column, const char* name) {
        Tile tile = game->editor.tileReader.getTile(name);
        captureStdout();
        game->graphics.registerTile(&tile, tile.getPath(), &game->level);
        capturedStdout();
        game->level.insertTile(tile, row, column);
        ASSERT_EQ(cell(row, column).getPath(), std::string(name));
    }

    // Steps the brush with period until it holds the type.
    void brushTo(TileType type) {
        for (int n = 0; n < 29 && game->editor.brush.type != type; ++n) {
            tap(SDLK_PERIOD);
        }
        ASSERT_EQ(game->editor.brush.type, type);
    }

    // Whether a tile slot holds the picture of the type.
    bool slotShows(int32_t slot, TileType type) const {
        return slot >= 0 && slot < Graphics::kTileCapacity &&
               game->graphics.tileSurfaces[slot] != nullptr &&
               game->graphics.tileSlotTypes[slot] == type;
    }

    Shot shot() { return shotOf(game->graphics.screen); }

    // The lines of text written one glyph above the pointer and the round's messages, which a
    // tile check leaves out.
    Skipped textLines() const {
        const int pointerY = game->input.keyboard.mouseY;
        return [pointerY](int, int y) {
            return (y >= pointerY - 9 && y < pointerY) || (y >= 220 && y < 247);
        };
    }

    const Picture& font(int n) {
        if (fonts[n] == nullptr) {
            fonts[n] = std::make_unique<Picture>(n == 0 ? "fonts/kestrine_9"
                                                        : "fonts/kestrine_9_negative");
        }
        return *fonts[n];
    }

    Uint32 outlineColour() { return rgbOf(game->graphics.screen, 0, 255, 64); }

    std::unique_ptr<Game> game;
    std::vector<Uint32> sleeps;
    std::unique_ptr<Picture> fonts[2];
};

}  // namespace

TEST_F(EditorTest, ThreeEmptyTilesAtTheStart) {
    EditorTest::TearDown();
    game = quietGame();
    for (const Tile* tile :
         {&game->editor.brush, &game->editor.heldTile, &game->editor.brushPreview}) {
        EXPECT_EQ(tile->type, EMPTY);
        EXPECT_EQ(tile->size, 64) << "read from the empty tile's file";
    }
}

TEST_F(EditorTest, LeftButtonPaintsTheBrushIntoTheCellUnderThePointer) {
    put(3, 7, "empty");
    brushTo(SQUARE_0);
    ASSERT_TRUE(slotShows(game->editor.brush.graphicIndex, SQUARE_0));

    pointAt(7 * 64 + 10, 3 * 64 + 60);
    holdMouseButton(SDL_BUTTON_LEFT);
    frame();
    const Tile& painted = cell(3, 7);
    EXPECT_EQ(painted.type, SQUARE_0);
    EXPECT_EQ(painted.box, (Rect{448, 192, 64, 64}));
    EXPECT_EQ(painted.graphicIndex, game->editor.brush.graphicIndex);
    // Painted anew in every frame while the button is held, and seen in every one of them.
    for (int n = 0; n < 3; ++n) {
        EXPECT_TRUE(showsTile(shot(), painted, textLines())) << "frame " << n;
        frame();
    }

    // Letting go leaves the tile, and the next cell the pointer crosses stays as it was.
    releaseMouseButton(SDL_BUTTON_LEFT);
    frame();
    put(3, 8, "empty");
    pointAtCell(3, 8);
    EXPECT_EQ(cell(3, 7).type, SQUARE_0);
    EXPECT_EQ(cell(3, 8).type, EMPTY);
}

TEST_F(EditorTest, PaintingStandsAtTheCellsUnscrolledPlace) {
    put(2, 5, "wall_0");
    game->level.scroll(-24, 0);
    ASSERT_EQ(cell(2, 5).box.x, 5 * 64 - 24);
    put(2, 6, "empty");
    brushTo(SQUARE_0);
    pointAtCell(2, 6);
    click(SDL_BUTTON_LEFT);
    EXPECT_EQ(cell(2, 6).box.x, 6 * 64);
    EXPECT_EQ(cell(2, 5).box.x, 5 * 64 - 24);
}

// Both erase the cell; an EMPTY brush paints emptiness.
TEST_F(EditorTest, CtrlWithTheLeftButtonAndAnEmptyBrushErase) {
    struct Case {
        const char* how;
        SDLKey ctrl;  // SDLK_UNKNOWN: no Ctrl held
        TileType brush;
    };
    const Case cases[] = {
        {"left Ctrl", SDLK_LCTRL, SQUARE_0},
        {"right Ctrl", SDLK_RCTRL, WALL_90},
        {"empty brush", SDLK_UNKNOWN, EMPTY},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        brushTo(c.brush);
        put(4, 9, "slope_gradual_90");
        pointAtCell(4, 9);
        if (c.ctrl != SDLK_UNKNOWN) {
            push(keyEvent(SDL_KEYDOWN, c.ctrl));
            frame();
        }
        click(SDL_BUTTON_LEFT);
        EXPECT_EQ(cell(4, 9).type, EMPTY);
        EXPECT_EQ(cell(4, 9).box, (Rect{576, 256, 64, 64}));
        EXPECT_EQ(game->editor.brush.type, c.brush) << "erasing leaves the brush alone";
        if (c.ctrl != SDLK_UNKNOWN) {
            push(keyEvent(SDL_KEYUP, c.ctrl));
            frame();
        }
    }
}

TEST_F(EditorTest, MiddleButtonCopiesTheCellIntoTheBrushAndItsPreview) {
    put(5, 4, "cliff_gradual_90");
    const int32_t slot = cell(5, 4).graphicIndex;
    pointAtCell(5, 4);
    click(SDL_BUTTON_MIDDLE);
    EXPECT_EQ(game->editor.brush.type, CLIFF_GRADUAL_90);
    EXPECT_EQ(game->editor.brush.graphicIndex, slot);
    EXPECT_EQ(game->editor.brushPreview.type, CLIFF_GRADUAL_90);
    EXPECT_EQ(game->editor.brushPreview.graphicIndex, slot);
    EXPECT_EQ(game->editor.brushPreview.box, (Rect{0, 0, 64, 64})) << "where its file puts it";
    EXPECT_EQ(cell(5, 4).type, CLIFF_GRADUAL_90) << "copying leaves the cell alone";

    // The preview stands in the top-left cell, outlined.
    frame();
    const Shot seen = shot();
    EXPECT_TRUE(showsTile(seen, game->editor.brushPreview));
    EXPECT_EQ(seen.at(64, 30), outlineColour());
    EXPECT_EQ(seen.at(30, 64), outlineColour());
}

TEST_F(EditorTest, MiddleAndLeftTogetherCopyThenPaintTheSameCell) {
    brushTo(SQUARE_0);
    put(6, 8, "slope_steep_180");
    pointAtCell(6, 8);
    holdMouseButton(SDL_BUTTON_MIDDLE);
    holdMouseButton(SDL_BUTTON_LEFT);
    frame();
    EXPECT_EQ(game->editor.brush.type, SLOPE_STEEP_180);
    EXPECT_EQ(cell(6, 8).type, SLOPE_STEEP_180);
    EXPECT_EQ(cell(6, 8).box, (Rect{512, 384, 64, 64}));
}

TEST_F(EditorTest, CopiedWithRowAndColumnShowsOnlyWhileTheMiddleButtonIsHeld) {
    put(4, 6, "empty");
    pointAtCell(4, 6);
    holdMouseButton(SDL_BUTTON_MIDDLE);
    frame();
    frame();  // drawn by the frame after the one that queued it
    // The top-left cell's outline is drawn after the text, through the row number.
    const Skipped outline = [](int x, int) { return x == 64; };
    Shot seen = shot();
    EXPECT_TRUE(showsText(seen, font(0), "Copied", 0, 27));
    EXPECT_TRUE(showsText(seen, font(0), "4", 63, 27, outline));
    EXPECT_TRUE(showsText(seen, font(0), "6", 81, 27));

    releaseMouseButton(SDL_BUTTON_MIDDLE);
    frame();
    frame();
    seen = shot();
    EXPECT_FALSE(showsText(seen, font(0), "Copied", 0, 27));
    EXPECT_FALSE(showsText(seen, font(0), "4", 63, 27, outline));
    EXPECT_FALSE(showsText(seen, font(0), "6", 81, 27));

    // Copying rock: the preview, renewed in every frame the button is held, shows from the
    // frame after it is let go, so the word stays readable while it is held.
    put(2, 10, "square_180");
    pointAtCell(2, 10);
    holdMouseButton(SDL_BUTTON_MIDDLE);
    frame();
    frame();
    seen = shot();
    EXPECT_TRUE(showsText(seen, font(0), "Copied", 0, 27));
    EXPECT_TRUE(showsText(seen, font(0), "10", 81, 27));
    releaseMouseButton(SDL_BUTTON_MIDDLE);
    frame();
    frame();
    EXPECT_TRUE(showsTile(shot(), game->editor.brushPreview));
}

TEST_F(EditorTest, RightButtonOverAnEmptyCellHoldsNothing) {
    put(3, 9, "empty");
    pointAtCell(3, 9);
    holdMouseButton(SDL_BUTTON_RIGHT);
    for (int n = 0; n < 3; ++n) {
        frame();
        EXPECT_EQ(game->editor.heldTile.type, EMPTY);
        EXPECT_EQ(cell(3, 9).type, EMPTY);
        EXPECT_EQ(cell(3, 9).box, (Rect{576, 192, 64, 64}));
    }
}

TEST_F(EditorTest, RightButtonDragsATileToTheEmptyCellWhereItIsLetGo) {
    put(1, 4, "wall_180");
    put(1, 5, "square_90");
    put(1, 6, "empty");
    put(2, 6, "empty");
    const int32_t slot = cell(1, 4).graphicIndex;

    pointAtCell(1, 4);
    holdMouseButton(SDL_BUTTON_RIGHT);
    frame();
    EXPECT_EQ(game->editor.heldTile.type, WALL_180);
    EXPECT_EQ(game->editor.heldTile.graphicIndex, slot);
    EXPECT_EQ(cell(1, 4).type, EMPTY) << "picked up";

    // Over rock it stays held; over an empty cell it is dropped and picked up again at once.
    pointAtCell(1, 5);
    EXPECT_EQ(game->editor.heldTile.type, WALL_180);
    EXPECT_EQ(cell(1, 5).type, SQUARE_90);
    pointAtCell(1, 6);
    EXPECT_EQ(game->editor.heldTile.type, WALL_180);
    EXPECT_EQ(cell(1, 6).type, EMPTY);
    EXPECT_EQ(cell(1, 4).type, EMPTY) << "not dropped back where it came from";

    pointAtCell(2, 6);
    releaseMouseButton(SDL_BUTTON_RIGHT);
    frame();
    EXPECT_EQ(game->editor.heldTile.type, EMPTY);
    EXPECT_EQ(cell(2, 6).type, WALL_180);
    EXPECT_EQ(cell(2, 6).box, (Rect{384, 128, 64, 64}));
    EXPECT_EQ(cell(2, 6).graphicIndex, slot);
    EXPECT_EQ(cell(1, 6).type, EMPTY);
    frame();
    EXPECT_TRUE(showsTile(shot(), cell(2, 6), textLines()));
}

// Let go over rock, the tile waits; the scrolling level then brings an empty cell under the
// pointer, which has not moved, and the tile drops into it without a click.
TEST_F(EditorTest, AHeldTileDropsIntoTheFirstEmptyCellThatScrollsUnderAStillPointer) {
    put(2, 8, "slope_moderate_0");
    put(3, 8, "square_0");
    put(3, 9, "square_0");
    put(3, 10, "empty");
    pointAtCell(2, 8);
    holdMouseButton(SDL_BUTTON_RIGHT);
    frame();
    ASSERT_EQ(game->editor.heldTile.type, SLOPE_MODERATE_0);
    pointAtCell(3, 8);
    releaseMouseButton(SDL_BUTTON_RIGHT);
    frame();
    ASSERT_EQ(game->editor.heldTile.type, SLOPE_MODERATE_0);

    // The robot flies again, in an open cave, while the level scrolls.
    game->hasCollided = 0;
    for (int32_t row = 0; row < 8; ++row) {
        for (int32_t column = 0; column < 4; ++column) {
            put(row, column, "empty");
        }
    }
    std::vector<TileType> underPointer;
    for (int n = 0; n < 40 && game->editor.heldTile.type != EMPTY; ++n) {
        underPointer.push_back(cell(3, 8).type);
        frame();
    }
    EXPECT_EQ(game->editor.heldTile.type, EMPTY);
    EXPECT_EQ(game->input.keyboard.mouseX, 8 * 64 + 32);
    EXPECT_EQ(cell(3, 8).type, SLOPE_MODERATE_0);
    // Two columns of rock passed under the pointer first, eight frames each but the first,
    // which was part way through its scroll; the tile fell into the first empty cell.
    ASSERT_GE(underPointer.size(), 10u);
    EXPECT_EQ(underPointer.front(), SQUARE_0);
    EXPECT_EQ(underPointer.back(), EMPTY);
    EXPECT_EQ(std::count(underPointer.begin(), underPointer.end(), EMPTY), 1);
    EXPECT_EQ(game->hasCollided, 0);
}

TEST_F(EditorTest, ATileHeldThroughARestartDropsIntoTheNewLevel) {
    put(2, 9, "curve_convex_90");
    pointAtCell(2, 9);
    holdMouseButton(SDL_BUTTON_RIGHT);
    frame();
    ASSERT_EQ(game->editor.heldTile.type, CURVE_CONVEX_90);
    put(5, 9, "square_0");
    pointAtCell(5, 9);
    releaseMouseButton(SDL_BUTTON_RIGHT);
    frame();
    ASSERT_EQ(game->editor.heldTile.type, CURVE_CONVEX_90);

    // Enter after the crash reads the level again; the tile is still held.
    push(keyEvent(SDL_KEYDOWN, SDLK_RETURN));
    frame();
    ASSERT_FALSE(game->restartGame);
    ASSERT_EQ(game->hasCollided, 0) << "a new round has begun";
    EXPECT_EQ(game->editor.heldTile.type, CURVE_CONVEX_90);

    game->hasCollided = 1;
    put(5, 9, "empty");
    push(keyEvent(SDL_KEYUP, SDLK_RETURN));
    frame();
    EXPECT_EQ(game->editor.heldTile.type, EMPTY);
    EXPECT_EQ(cell(5, 9).type, CURVE_CONVEX_90);
}

TEST_F(EditorTest, CommaAndPeriodCycleTheBrushAfterAPause) {
    ASSERT_EQ(game->editor.brush.type, EMPTY);
    tap(SDLK_COMMA);
    EXPECT_EQ(game->editor.brush.type, CLIFF_STEEP_270);
    EXPECT_EQ(game->editor.brushPreview.type, CLIFF_STEEP_270);
    EXPECT_TRUE(slotShows(game->editor.brush.graphicIndex, CLIFF_STEEP_270));
    EXPECT_EQ(sleeps, (std::vector<Uint32>{100, 6, 6})) << "one step, with its pause";

    tap(SDLK_PERIOD);
    EXPECT_EQ(game->editor.brush.type, EMPTY);
    EXPECT_EQ(game->editor.brushPreview.type, EMPTY);

    // Held, a key steps once in every frame.
    push(keyEvent(SDL_KEYDOWN, SDLK_PERIOD));
    for (int n = 1; n <= 5; ++n) {
        frame();
        EXPECT_EQ(game->editor.brush.type, static_cast<TileType>(n));
    }
    // Comma wins over period.
    push(keyEvent(SDL_KEYDOWN, SDLK_COMMA));
    frame();
    EXPECT_EQ(game->editor.brush.type, SQUARE_270);
    frame();
    EXPECT_EQ(game->editor.brush.type, SQUARE_180);
}

TEST_F(EditorTest, ACopiedCurveCyclesBackIntoTheShapes) {
    struct Case {
        SDLKey key;
        TileType after;
    };
    const Case cases[] = {{SDLK_COMMA, WALL_90}, {SDLK_PERIOD, WALL_270}};
    put(4, 7, "curve_concave_270");
    pointAtCell(4, 7);
    for (const Case& c : cases) {
        click(SDL_BUTTON_MIDDLE);
        ASSERT_EQ(game->editor.brush.type, CURVE_CONCAVE_270);
        tap(c.key);
        EXPECT_EQ(game->editor.brush.type, c.after);
    }
}

// Cycling first gives the brush the picture of the tile under the pointer, then its own.
TEST_F(EditorTest, ACycledBrushGetsItsOwnPictureAndAnEmptyOneKeepsTheCells) {
    put(6, 9, "wall_0");
    const int32_t wallSlot = cell(6, 9).graphicIndex;
    pointAtCell(6, 9);
    tap(SDLK_PERIOD);
    EXPECT_EQ(game->editor.brush.type, SQUARE_0);
    EXPECT_TRUE(slotShows(game->editor.brush.graphicIndex, SQUARE_0));
    tap(SDLK_COMMA);
    EXPECT_EQ(game->editor.brush.type, EMPTY);
    EXPECT_EQ(game->editor.brush.graphicIndex, wallSlot);
}

TEST_F(EditorTest, TheBrushTheSecondsAndTheTileUnderThePointerAreWrittenOnScreen) {
    put(3, 4, "slope_gradual_270");
    brushTo(SQUARE_90);
    game->seconds = 42;
    pointAt(300, 200);
    frame();
    const Shot seen = shot();
    // The top-left cell's outline is drawn afterwards, down the first glyphs' left column.
    const Skipped outline = [](int x, int) { return x == 64; };
    EXPECT_TRUE(showsText(seen, font(1), "Brush: ", 64, 0, outline));
    EXPECT_TRUE(showsText(seen, font(1), "square_90", 127, 0));
    EXPECT_TRUE(showsText(seen, font(1), "Seconds: ", 64, 9, outline));
    EXPECT_TRUE(showsText(seen, font(1), "42", 145, 9));
    EXPECT_TRUE(showsText(seen, font(1), "slope_gradual_270", 300, 191));
    EXPECT_FALSE(showsText(seen, font(1), "slope_gradual_270", 300, 200));
}

TEST_F(EditorTest, NearTheTopTheTileNameRisesPartlyOffScreen) {
    put(0, 8, "wall_90");
    pointAt(520, 4);
    frame();
    EXPECT_TRUE(showsText(shot(), font(1), "wall_90", 520, -5));
}

TEST_F(EditorTest, TheCellUnderThePointerIsOutlinedBeneathTheLevel) {
    put(5, 6, "empty");
    put(5, 7, "square_0");
    pointAtCell(5, 6);
    frame();
    Shot seen = shot();
    EXPECT_EQ(seen.at(6 * 64 + 20, 5 * 64), outlineColour());
    EXPECT_EQ(seen.at(6 * 64, 5 * 64 + 20), outlineColour());

    // Over rock the outline lies under the tile, which shows wherever it is opaque.
    pointAtCell(5, 7);
    frame();
    EXPECT_TRUE(showsTile(shot(), cell(5, 7), textLines()));
}

TEST_F(EditorTest, AnEmptyBrushShowsNoPreview) {
    put(0, 0, "empty");
    frame();
    const Shot seen = shot();
    const Picture paper("sprites/paper");
    EXPECT_TRUE(showsPart(seen, paper, Rect{2, 20, 60, 40}, 2, 20))
        << "the top-left cell shows the background only";
}

// Whatever position SDL reports, the editor works on a cell of the level.
TEST_F(EditorTest, APositionOutsideTheWindowEditsTheNearestCellOfTheGrid) {
    struct Case {
        int32_t x;
        int32_t y;
        int row;
        int column;
    };
    const Case cases[] = {
        {-200, -70, 0, 0},
        {5000, 300, 4, 63},
        {100, 9000, 7, 1},
    };
    brushTo(WALL_0);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        put(c.row, c.column, "empty");
        game->input.keyboard.mouseX = c.x;
        game->input.keyboard.mouseY = c.y;
        click(SDL_BUTTON_LEFT);
        EXPECT_EQ(cell(c.row, c.column).type, WALL_0);
    }
}

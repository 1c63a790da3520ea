// Drawing onto the screen surface, read back pixel by pixel under the dummy video driver.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <set>
#include <utility>
#include <vector>

#include "ReleasingGraphics.h"
#include "Surfaces.h"
#include "render/SdlRect.h"
#include "world/Entity.h"
#include "world/Level.h"
#include "world/Tile.h"

namespace {

using PixelSet = std::set<std::pair<int, int>>;

class DrawingTest : public testing::Test {
protected:
    void SetUp() override {
        g.debug = false;
        fillBlack(g.screen);
    }

    PixelSet litPixels() {
        PixelSet lit;
        forEachLitPixel(g.screen, [&](int x, int y) { lit.insert({x, y}); });
        return lit;
    }

    // Puts a picture into a slot of a table, as a registration would.
    void putImage(SDL_Surface** table, int32_t& counter, int slot, SDL_Surface* image) {
        table[slot] = image;
        counter = std::max(counter, slot + 1);
    }

    Uint32 rgb(Uint8 r, Uint8 b, Uint8 c) { return rgbOf(g.screen, r, b, c); }

    ReleasingGraphics g{768, 512, 64};
};

// An animated sprite of two frames that changes frame on every draw.
AnimatedSprite twoFrameSprite(int dx, int dy, int w, int h) {
    AnimatedSprite sprite(dx, dy, w, h, 2000);
    Animation animation;
    animation.frames = {Rect{0, 0, w, h}, Rect{w, 0, w, h}};
    sprite.src = animation.frames[0];
    sprite.push_animation(animation);
    return sprite;
}

int currentFrame(const Entity& e, size_t block = 0) {
    return e.blocks[block].animations[0].currentFrame;
}

}  // namespace

TEST_F(DrawingTest, PutPixelKeepsOffTheMarginAndTheScreenEdges) {
    struct Case {
        int x;
        int y;
        bool drawn;
    };
    const Case cases[] = {{2, 2, true},         {767, 511, true},  {300, 200, true},
                          {1, 200, false},      {300, 1, false},   {0, 0, false},
                          {768, 200, false},    {300, 512, false}, {-4, 200, false},
                          {300, INT_MAX, false}};
    const Uint32 white = rgb(255, 255, 255);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        fillBlack(g.screen);
        g.putPixel(c.x, c.y, white);
        if (c.drawn) {
            EXPECT_EQ(litPixels(), (PixelSet{{c.x, c.y}}));
            EXPECT_EQ(pixelAt(g.screen, c.x, c.y), white);
        } else {
            EXPECT_TRUE(litPixels().empty());
        }
    }
}

TEST_F(DrawingTest, BoxLeavesItsFarCornerUndrawn) {
    g.blitBox(10, 10, 5, 5, rgb(255, 0, 0));
    PixelSet expected;
    for (int i = 0; i < 5; ++i) {
        expected.insert({10 + i, 10});
        expected.insert({10 + i, 15});
        expected.insert({10, 10 + i});
        expected.insert({15, 10 + i});
    }
    EXPECT_EQ(expected.size(), 19u);
    EXPECT_EQ(litPixels(), expected);
    EXPECT_EQ(pixelAt(g.screen, 15, 15), 0u);
}

TEST_F(DrawingTest, CellOutlineAtTheCornerShowsOnlyItsRightAndBottomSides) {
    g.outlines = false;  // cell outlines do not depend on it
    g.outlineCell(0, 0);
    PixelSet expected;
    for (int i = 2; i < 64; ++i) {
        expected.insert({64, i});
        expected.insert({i, 64});
    }
    EXPECT_EQ(litPixels(), expected);
    EXPECT_EQ(pixelAt(g.screen, 64, 10), rgb(0, 255, 64));
}

TEST_F(DrawingTest, CellOutlineFollowsRowAndColumn) {
    g.outlineCell(2, 3);  // the cell at x 192, y 128
    const PixelSet lit = litPixels();
    EXPECT_EQ(lit.size(), 4u * 64u - 1u);
    EXPECT_TRUE(lit.count({192, 128}));
    EXPECT_TRUE(lit.count({256, 191}));
    EXPECT_TRUE(lit.count({255, 192}));
    EXPECT_FALSE(lit.count({256, 192}));
}

TEST_F(DrawingTest, ThicknessTwoDrawsBandsRightAndDownAndWidensTheMargin) {
    g.lineThickness = 2;
    g.blitHorizontalLine(10, 10, 5, rgb(255, 255, 255));
    g.blitVerticalLine(40, 40, 3, rgb(255, 255, 255));
    PixelSet expected;
    for (int i = 0; i < 5; ++i) {
        expected.insert({10 + i, 10});
        expected.insert({10 + i, 11});
    }
    for (int i = 0; i < 3; ++i) {
        expected.insert({40, 40 + i});
        expected.insert({41, 40 + i});
    }
    EXPECT_EQ(litPixels(), expected);

    fillBlack(g.screen);
    g.putPixel(2, 50, rgb(255, 255, 255));
    g.putPixel(50, 2, rgb(255, 255, 255));
    EXPECT_TRUE(litPixels().empty());
    g.putPixel(3, 3, rgb(255, 255, 255));
    EXPECT_EQ(litPixels(), (PixelSet{{3, 3}}));
}

TEST_F(DrawingTest, LinesOfAnyLengthDrawOnlyWhatIsOnScreen) {
    g.blitHorizontalLine(-1000, 50, INT_MAX, rgb(255, 255, 255));
    EXPECT_EQ(countLitPixels(g.screen), 766);  // x from 2 to 767
    fillBlack(g.screen);
    g.blitVerticalLine(50, INT_MIN, INT_MAX, rgb(255, 255, 255));
    EXPECT_EQ(countLitPixels(g.screen), 0);  // ends above the screen
    g.blitHorizontalLine(10, 10, 0, rgb(255, 255, 255));
    g.blitHorizontalLine(10, 10, -5, rgb(255, 255, 255));
    g.blitBox(INT_MAX, INT_MAX, INT_MAX, INT_MAX, rgb(255, 255, 255));
    EXPECT_EQ(countLitPixels(g.screen), 0);
}

TEST_F(DrawingTest, FlushTilesTheScreenWithItsSource) {
    SDL_Surface* pattern =
        paintedImage(256, 256, [&](int x, int y) { return rgb(x, y, (x * 7 + y) & 0xFF); });
    g.flush(0, 0, 256, 256, pattern);
    for (int y = 0; y < 512; y += 17) {
        for (int x = 0; x < 768; x += 13) {
            ASSERT_EQ(pixelAt(g.screen, x, y), pixelAt(pattern, x % 256, y % 256)) << x << "," << y;
        }
    }
    // The last copy, at (768, 512), lies beyond both edges: nothing of it is covered.
    EXPECT_EQ(g.dstRect.w, 0);
    EXPECT_EQ(g.dstRect.h, 0);
    SDL_FreeSurface(pattern);
}

TEST_F(DrawingTest, FlushOfAScreenSizedPictureShowsItOnce) {
    SDL_Surface* picture =
        paintedImage(768, 512, [&](int x, int y) { return rgb(x / 3, y / 2, 9); });
    g.flush(0, 0, 768, 512, picture);
    for (int y = 0; y < 512; y += 31) {
        for (int x = 0; x < 768; x += 29) {
            ASSERT_EQ(pixelAt(g.screen, x, y), pixelAt(picture, x, y));
        }
    }
    SDL_FreeSurface(picture);
}

TEST_F(DrawingTest, FlushWithoutAreaOrImageDrawsNothing) {
    SDL_Surface* red = solidImage(16, 16, 255, 0, 0);
    g.flush(0, 0, 0, 16, red);
    g.flush(0, 0, 16, -3, red);
    g.flush(0, 0, 16, 16, nullptr);
    EXPECT_EQ(countLitPixels(g.screen), 0);
    SDL_FreeSurface(red);
}

TEST_F(DrawingTest, BlitSpriteStampsItsDrawTimeEvenOffScreen) {
    SDL_Surface* red = solidImage(16, 16, 255, 0, 0);
    Sprite offScreen(0, 0, 16, 16, 5000, -300, 16, 16);
    offScreen.lastBlit = 0xFFFFFFFFu;
    const Uint32 before = SDL_GetTicks();
    EXPECT_EQ(g.blitSprite(&offScreen, red), 0);
    EXPECT_GE(offScreen.lastBlit, before);
    EXPECT_LE(offScreen.lastBlit, SDL_GetTicks());
    EXPECT_EQ(g.dstRect.w, 0);
    EXPECT_EQ(countLitPixels(g.screen), 0);

    Sprite onScreen(0, 0, 16, 16, 100, 60, 16, 16);
    g.blitSprite(&onScreen, red);
    EXPECT_EQ(pixelAt(g.screen, 100, 60), rgb(255, 0, 0));
    EXPECT_EQ(pixelAt(g.screen, 115, 75), rgb(255, 0, 0));
    EXPECT_EQ(countLitPixels(g.screen), 256);
    SDL_FreeSurface(red);
}

TEST_F(DrawingTest, MagentaIsTransparentWhenDrawing) {
    SDL_Surface* half =
        paintedImage(8, 8, [&](int x, int) { return x < 4 ? rgb(255, 0, 255) : rgb(0, 0, 200); });
    SDL_SetColorKey(half, SDL_SRCCOLORKEY | SDL_RLEACCEL, rgb(255, 0, 255));
    Sprite s(0, 0, 8, 8, 20, 20, 8, 8);
    g.blitSprite(&s, half);
    EXPECT_EQ(pixelAt(g.screen, 21, 21), 0u);
    EXPECT_EQ(pixelAt(g.screen, 25, 21), rgb(0, 0, 200));
    SDL_FreeSurface(half);
}

TEST_F(DrawingTest, SpriteOutlineSurroundsTheVisibleAreaWithTheSourceSize) {
    putImage(g.spriteSurfaces, g.spriteCount, 0, solidImage(50, 40, 200, 0, 0));
    g.outlines = true;
    const Uint32 green = rgb(0, 255, 64);

    // Source 50 by 40 drawn at (100, 100); the destination's own size is ignored.
    Sprite small(0, 0, 50, 40, 100, 100, 10, 10);
    g.blit(&small);
    EXPECT_EQ(pixelAt(g.screen, 149, 100), green);
    EXPECT_EQ(pixelAt(g.screen, 100, 139), green);
    EXPECT_EQ(pixelAt(g.screen, 150, 139), green);
    EXPECT_EQ(pixelAt(g.screen, 120, 120), rgb(200, 0, 0));

    // Partly off the screen: the box goes round the visible 28 by 12 part only.
    fillBlack(g.screen);
    Sprite corner(0, 0, 50, 40, 740, 500, 50, 40);
    g.blit(&corner);
    EXPECT_EQ(g.dstRect.w, 28);
    EXPECT_EQ(g.dstRect.h, 12);
    for (int x = 740; x < 768; ++x) {
        EXPECT_EQ(pixelAt(g.screen, x, 500), green) << x;
    }
    for (int y = 500; y < 512; ++y) {
        EXPECT_EQ(pixelAt(g.screen, 740, y), green) << y;
    }
    EXPECT_EQ(pixelAt(g.screen, 760, 505), rgb(200, 0, 0));

    // Wholly off the screen: nothing, not even an outline.
    fillBlack(g.screen);
    Sprite away(0, 0, 50, 40, 900, 100, 50, 40);
    g.blit(&away);
    EXPECT_EQ(countLitPixels(g.screen), 0);
}

TEST_F(DrawingTest, EntityDrawsItsBlocksInOrderThenStepsThem) {
    // Frame 0 of the sheet is red, frame 1 blue. The second block starts on frame 1 and lies
    // over the right half of the first.
    SDL_Surface* sheet =
        paintedImage(20, 10, [&](int x, int) { return x < 10 ? rgb(255, 0, 0) : rgb(0, 0, 255); });
    Entity e(200, 100, 15, 10);
    e.addSprite(twoFrameSprite(0, 0, 10, 10), 0, 0);
    AnimatedSprite second = twoFrameSprite(0, 0, 10, 10);
    second.setCurrentFrame(1);
    second.src = second.animations[0].frames[1];
    e.addSprite(second, 5, 0);

    EXPECT_EQ(g.blitEntity(&e, sheet), 1);
    EXPECT_EQ(pixelAt(g.screen, 202, 105), rgb(255, 0, 0));
    EXPECT_EQ(pixelAt(g.screen, 207, 105), rgb(0, 0, 255));  // the later block on top
    EXPECT_EQ(pixelAt(g.screen, 214, 109), rgb(0, 0, 255));
    EXPECT_EQ(currentFrame(e, 0), 1);
    EXPECT_EQ(currentFrame(e, 1), 0);

    // The step shows at the next draw.
    g.blitEntity(&e, sheet);
    EXPECT_EQ(pixelAt(g.screen, 202, 105), rgb(0, 0, 255));
    EXPECT_EQ(pixelAt(g.screen, 207, 105), rgb(255, 0, 0));
    SDL_FreeSurface(sheet);
}

TEST_F(DrawingTest, EntityWithoutBlocksDrawsNothing) {
    SDL_Surface* red = solidImage(16, 16, 255, 0, 0);
    Entity bare(100, 100, 16, 16);
    EXPECT_EQ(g.blitEntity(&bare, red), 1);
    EXPECT_EQ(countLitPixels(g.screen), 0);
    SDL_FreeSurface(red);
}

TEST_F(DrawingTest, EntitiesAndTilesAreOutlinedInTheirColours) {
    putImage(g.entitySurfaces, g.entityCount, 0, solidImage(16, 16, 90, 90, 90));
    putImage(g.tileSurfaces, g.tileCount, 0, solidImage(64, 64, 90, 90, 90));
    g.outlines = true;

    Entity robot(100, 100, 16, 16);
    robot.addSprite(AnimatedSprite(0, 0, 16, 16, 10), 0, 0);
    robot.blocks[0].src = Rect{0, 0, 16, 16};
    g.blit(&robot);
    EXPECT_EQ(pixelAt(g.screen, 100, 100), rgb(255, 255, 0));
    EXPECT_EQ(pixelAt(g.screen, 116, 110), rgb(255, 255, 0));
    EXPECT_EQ(pixelAt(g.screen, 108, 108), rgb(90, 90, 90));

    Tile tile(256, 128, 64, SQUARE_0);
    tile.addSprite(AnimatedSprite(0, 0, 64, 64, 10), 0, 0);
    tile.blocks[0].src = Rect{0, 0, 64, 64};
    g.blit(&tile);
    EXPECT_EQ(pixelAt(g.screen, 256, 128), rgb(0, 0, 255));
    EXPECT_EQ(pixelAt(g.screen, 320, 150), rgb(0, 0, 255));
    EXPECT_EQ(pixelAt(g.screen, 280, 150), rgb(90, 90, 90));

    g.outlines = false;
    fillBlack(g.screen);
    g.blit(&robot);
    EXPECT_EQ(pixelAt(g.screen, 100, 100), rgb(90, 90, 90));
    EXPECT_EQ(pixelAt(g.screen, 116, 110), 0u);
}

TEST_F(DrawingTest, SlotsWithoutAnImageDrawNothingAndStillStamp) {
    // Slot 0 of each table is empty (a failed load); the other numbers lie outside the tables.
    g.spriteCount = 1;
    g.entityCount = 1;
    g.tileCount = 1;
    for (int32_t slot : {0, -1, 4, 16, 64, INT_MAX}) {
        SCOPED_TRACE(slot);
        Sprite s(0, 0, 20, 20, 50, 50, 20, 20);
        s.surfaceIndex = slot;
        g.blit(&s);
        Entity e(50, 50, 20, 20);
        e.addSprite(AnimatedSprite(0, 0, 20, 20, 10), 0, 0);
        e.graphicIndex = slot;
        g.blit(&e);
        Tile t(50, 50, 64, SQUARE_0);
        t.addSprite(AnimatedSprite(0, 0, 64, 64, 10), 0, 0);
        t.graphicIndex = slot;
        g.blit(&t);
        EXPECT_NE(e.blocks[0].lastBlit, 0u);
        EXPECT_NE(t.blocks[0].lastBlit, 0u);
    }
    EXPECT_EQ(countLitPixels(g.screen), 0);
}

namespace {

// Tiles for a small level: every read gives an EMPTY tile with one block, like the shipped
// "empty" tile.
Tile emptyTile(const std::string&) {
    Tile t(0, 0, 64, EMPTY);
    t.addSprite(twoFrameSprite(0, 0, 64, 64), 0, 0);
    return t;
}

Tile shapedTile(TileType type, int32_t slot) {
    Tile t(0, 0, 64, type);
    t.addSprite(twoFrameSprite(0, 0, 64, 64), 0, 0);
    t.graphicIndex = slot;
    return t;
}

}  // namespace

class LevelDrawingTest : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        putImage(g.tileSurfaces, g.tileCount, 0, solidImage(128, 64, 255, 0, 0));
        putImage(g.tileSurfaces, g.tileCount, 1, solidImage(128, 64, 0, 0, 255));
        putImage(g.tileSurfaces, g.tileCount, 2, solidImage(128, 64, 0, 200, 0));
    }
    Level level{3, 4, emptyTile};
};

TEST_F(LevelDrawingTest, DrawsAndStepsEveryNonEmptyCell) {
    level.insertTile(shapedTile(SQUARE_0, 0), 0, 0);
    level.insertTile(shapedTile(WALL_90, 1), 2, 3);
    Tile emptyButPainted = shapedTile(EMPTY, 2);
    level.insertTile(emptyButPainted, 1, 1);

    EXPECT_EQ(g.blitLevel(&level), 1);
    EXPECT_EQ(pixelAt(g.screen, 10, 10), rgb(255, 0, 0));
    EXPECT_EQ(pixelAt(g.screen, 3 * 64 + 10, 2 * 64 + 10), rgb(0, 0, 255));
    EXPECT_EQ(pixelAt(g.screen, 64 + 10, 64 + 10), 0u);  // EMPTY: not drawn
    EXPECT_EQ(countLitPixels(g.screen), 2 * 64 * 64);

    EXPECT_EQ(currentFrame(level.grid[0][0]), 1);
    EXPECT_EQ(currentFrame(level.grid[2][3]), 1);
    EXPECT_EQ(currentFrame(level.grid[1][1]), 0);  // EMPTY: not stepped
    EXPECT_EQ(level.grid[1][1].blocks[0].lastBlit, 0u);
}

TEST_F(LevelDrawingTest, DebugLeavesTheTopRowOutAndUnstepped) {
    level.insertTile(shapedTile(SQUARE_0, 0), 0, 2);
    level.insertTile(shapedTile(SQUARE_90, 1), 1, 2);
    g.debug = true;
    g.blitLevel(&level);
    EXPECT_EQ(pixelAt(g.screen, 2 * 64 + 5, 5), 0u);
    EXPECT_EQ(pixelAt(g.screen, 2 * 64 + 5, 64 + 5), rgb(0, 0, 255));
    EXPECT_EQ(currentFrame(level.grid[0][2]), 0);
    EXPECT_EQ(level.grid[0][2].blocks[0].lastBlit, 0u);
    EXPECT_EQ(currentFrame(level.grid[1][2]), 1);

    g.debug = false;
    g.blitLevel(&level);
    EXPECT_EQ(pixelAt(g.screen, 2 * 64 + 5, 5), rgb(255, 0, 0));
}

TEST_F(LevelDrawingTest, CellsAreDrawnColumnByColumn) {
    // The tile of row 1, column 0 reaches with its block into the cell of row 0, column 1.
    // Column order draws it first, so the tile that lives there covers it; row order would not.
    Tile reaching = shapedTile(SQUARE_0, 0);
    reaching.blocks[0].xOff = 64;
    reaching.blocks[0].yOff = -64;
    level.insertTile(reaching, 1, 0);
    level.insertTile(shapedTile(SQUARE_0, 1), 0, 1);
    g.blitLevel(&level);
    EXPECT_EQ(pixelAt(g.screen, 64 + 30, 30), rgb(0, 0, 255));
}

TEST_F(LevelDrawingTest, ScrolledTilesAreDrawnWhereTheyNowAre) {
    level.insertTile(shapedTile(SQUARE_0, 0), 0, 1);
    level.scroll(-24, 0);
    g.blitLevel(&level);
    EXPECT_EQ(pixelAt(g.screen, 40, 10), rgb(255, 0, 0));
    EXPECT_EQ(pixelAt(g.screen, 39, 10), 0u);
    EXPECT_EQ(pixelAt(g.screen, 103, 10), rgb(255, 0, 0));
    EXPECT_EQ(pixelAt(g.screen, 104, 10), 0u);
}

TEST_F(DrawingTest, CopiesThatMissTheScreenLeaveTheSameRectangleAsSdl) {
    SDL_Surface* sheet = solidImage(64, 32, 10, 200, 10);
    struct Case {
        Rect src;
        Rect dst;
    };
    const Case cases[] = {
        {{0, 0, 32, 32}, {800, 40, 32, 32}},   // beyond the right edge
        {{0, 0, 32, 32}, {-100, 40, 32, 32}},  // beyond the left edge
        {{0, 0, 32, 32}, {-32, 40, 32, 32}},   // touching the left edge from outside
        {{0, 0, 32, 32}, {40, -300, 32, 32}},  // above
        {{0, 0, 32, 32}, {40, 512, 32, 32}},   // on the bottom edge
        {{-40, 0, 32, 32}, {40, 40, 32, 32}},  // a source left of the image
        {{0, 40, 32, 32}, {40, 40, 32, 32}},   // a source below the image
        {{70, 0, 32, 32}, {-5, -5, 32, 32}},   // a source right of the image
        {{-10, -10, 30, 30}, {-15, -15, 30, 30}}, {{0, 0, 0, 32}, {40, 40, 0, 32}},  // no width
        {{0, 0, 32, 32}, {750, 500, 32, 32}},  // partly on screen
        {{10, 5, 32, 32}, {-20, -3, 32, 32}},  // partly on screen, past the top-left corner
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.src.x << "," << c.src.y << " -> " << c.dst.x << "," << c.dst.y);
        Sprite s;
        s.src = c.src;
        s.dst = c.dst;
        g.blitSprite(&s, sheet);
        SDL_Rect from = toSdlRect(c.src);
        SDL_Rect to = toSdlRect(c.dst);
        SDL_UpperBlit(sheet, &from, g.screen, &to);
        EXPECT_EQ(g.dstRect.x, to.x);
        EXPECT_EQ(g.dstRect.y, to.y);
        EXPECT_EQ(g.dstRect.w, to.w);
        EXPECT_EQ(g.dstRect.h, to.h);
    }
    SDL_FreeSurface(sheet);
}

// Printing queues glyphs; the graphics context draws the queues once a frame and empties them.
#include <gtest/gtest.h>

#include <SDL_image.h>
#include <climits>

#include <cstring>

#include "ReleasingGraphics.h"
#include "Surfaces.h"
#include "render/Font.h"

namespace {

// The game's font layout: 95 glyphs of 9 by 9 in one column.
Font gameFont() {
    return Font(0, 0, 9, 855, 0, 0);
}

struct QueuedGlyph {
    Rect src;
    Rect dst;
};

void expectQueue(const Font& font, const std::vector<QueuedGlyph>& expected) {
    ASSERT_EQ(font.glyphs.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(font.glyphs[i].src, expected[i].src);
        EXPECT_EQ(font.glyphs[i].dst, expected[i].dst);
        EXPECT_EQ(font.glyphs[i].lastBlit, 0u);
        EXPECT_EQ(font.glyphs[i].state, 0);
        EXPECT_EQ(font.glyphs[i].surfaceIndex, 0);
    }
}

}  // namespace

TEST(Text, CharactersMapToTheirGlyphsOrToTheSpace) {
    const Font font = gameFont();
    struct Case {
        char letter;
        int32_t top;
    };
    const Case cases[] = {
        {' ', 0},
        {'!', 9},
        {'0', 144},
        {'A', 297},
        {'a', 585},
        {'~', 846},
        {'\x7f', 0},
        {'\n', 0},
        {'\0', 0},
        {'\x1f', 0},
        {'\x80', 0},
        {'\xff', 0},
        {static_cast<char>(200), 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(font.getCharIndex(c.letter), c.top) << static_cast<int>(c.letter);
    }
}

TEST(Text, PrintQueuesOneGlyphPerCharacterAlongTheLine) {
    Font font = gameFont();
    font.print("AB", 10, 20);
    expectQueue(font, {{{0, 297, 9, 9}, {10, 20, 9, 9}}, {{0, 306, 9, 9}, {19, 20, 9, 9}}});
}

TEST(Text, CharactersWithoutAGlyphPrintAsBlanksAndStillAdvance) {
    Font font = gameFont();
    const char text[] = {'x', '\n', '\x7f', static_cast<char>(0xE9), '~', '\0'};
    font.print(text, 0, 0);
    expectQueue(font, {{{0, 792, 9, 9}, {0, 0, 9, 9}},
                       {{0, 0, 9, 9}, {9, 0, 9, 9}},
                       {{0, 0, 9, 9}, {18, 0, 9, 9}},
                       {{0, 0, 9, 9}, {27, 0, 9, 9}},
                       {{0, 846, 9, 9}, {36, 0, 9, 9}}});
}

TEST(Text, EmptyOrMissingTextQueuesNothing) {
    Font font = gameFont();
    font.print("", 5, 5);
    font.print(static_cast<const char*>(nullptr), 5, 5);
    EXPECT_TRUE(font.glyphs.empty());
}

TEST(Text, NumbersPrintTheirDecimalTextAndKeepIt) {
    Font font = gameFont();
    font.print(-42, 100, 7);
    expectQueue(font, {{{0, 117, 9, 9}, {100, 7, 9, 9}},
                       {{0, 180, 9, 9}, {109, 7, 9, 9}},
                       {{0, 162, 9, 9}, {118, 7, 9, 9}}});
    EXPECT_STREQ(font.text, "-42");

    struct Case {
        int32_t number;
        const char* text;
    };
    for (const Case& c :
         {Case{0, "0"}, Case{INT_MIN, "-2147483648"}, Case{INT_MAX, "2147483647"}}) {
        Font f = gameFont();
        f.print(c.number, 0, 0);
        EXPECT_STREQ(f.text, c.text);
        EXPECT_EQ(f.glyphs.size(), std::strlen(c.text));
    }
}

TEST(Text, GlyphsTakeTheSheetsLeftEdge) {
    Font font(18, 0, 9, 855, 0, 0);
    font.print("A", 0, 0);
    ASSERT_EQ(font.glyphs.size(), 1u);
    EXPECT_EQ(font.glyphs[0].src, (Rect{18, 297, 9, 9}));
}

namespace {

class TextDrawingTest : public testing::Test {
protected:
    void SetUp() override {
        // Each font draws from a sheet of its own: every glyph of font 0 is red, of font 1
        // blue, except that font 0's "B" is green so that glyphs of one font tell apart.
        replaceSheet(0, paintedImage(9, 855, [&](int, int y) {
                         return y / 9 == 'B' - 32 ? rgbOf(g.screen, 0, 255, 0)
                                                  : rgbOf(g.screen, 255, 0, 0);
                     }));
        replaceSheet(1, solidImage(9, 855, 0, 0, 255));
        fillBlack(g.screen);
    }
    void replaceSheet(int slot, SDL_Surface* sheet) {
        SDL_FreeSurface(g.fontSurfaces[slot]);
        g.fontSurfaces[slot] = sheet;
    }
    Uint32 rgb(Uint8 r, Uint8 gr, Uint8 b) { return rgbOf(g.screen, r, gr, b); }

    ReleasingGraphics g{768, 512, 64};
};

}  // namespace

TEST_F(TextDrawingTest, FontZeroIsDrawnBeforeFontOneAndQueuesEmpty) {
    g.fonts[1].print("A", 100, 100);
    g.fonts[0].print("A", 100, 100);
    g.fonts[0].print("A", 300, 100);
    EXPECT_EQ(g.blitText(), 1);
    EXPECT_EQ(pixelAt(g.screen, 104, 104), rgb(0, 0, 255));  // font 1 over font 0
    EXPECT_EQ(pixelAt(g.screen, 304, 104), rgb(255, 0, 0));
    EXPECT_EQ(countLitPixels(g.screen), 2 * 81);
    for (const Font& font : g.fonts) {
        EXPECT_TRUE(font.glyphs.empty());
    }

    // Nothing is left to draw a second time.
    fillBlack(g.screen);
    g.blitText();
    EXPECT_EQ(countLitPixels(g.screen), 0);
}

TEST_F(TextDrawingTest, LaterGlyphsCoverEarlierOnes) {
    g.fonts[0].print("A", 50, 50);
    g.fonts[0].print("B", 50, 50);
    g.fonts[0].print("B", 150, 50);
    g.fonts[0].print("A", 150, 50);
    g.blitText();
    EXPECT_EQ(pixelAt(g.screen, 54, 54), rgb(0, 255, 0));
    EXPECT_EQ(pixelAt(g.screen, 154, 54), rgb(255, 0, 0));
}

TEST_F(TextDrawingTest, GlyphsDrawFromTheirFontsSheetWhateverTheirSlot) {
    g.fonts[1].print("A", 20, 20);
    g.fonts[1].glyphs[0].surfaceIndex = 0;
    g.blitText();
    EXPECT_EQ(pixelAt(g.screen, 24, 24), rgb(0, 0, 255));
}

TEST_F(TextDrawingTest, TextRunningPastTheEdgeIsCutOff) {
    g.fonts[0].print("AAAA", 750, 508);
    g.blitText();
    EXPECT_EQ(countLitPixels(g.screen), 18 * 4);  // 18 columns by 4 rows remain
}

TEST_F(TextDrawingTest, DiscardingEmptiesEveryQueueWithoutDrawing) {
    g.fonts[0].print("Crashed!", 10, 10);
    g.fonts[1].print(1234, 10, 30);
    const size_t kept = g.fonts[0].glyphs.capacity();
    g.discardText();
    EXPECT_TRUE(g.fonts[0].glyphs.empty());
    EXPECT_TRUE(g.fonts[1].glyphs.empty());
    EXPECT_EQ(g.fonts[0].glyphs.capacity(), kept);
    g.blitText();
    EXPECT_EQ(countLitPixels(g.screen), 0);
}

TEST(TextWithShippedFonts, PrintedTextShowsOnTheScreen) {
    ReleasingGraphics g(768, 512, 64);
    fillBlack(g.screen);
    g.fonts[0].print("Ready", 100, 100);
    g.blitText();
    int lit = 0;
    for (int y = 100; y < 109; ++y) {
        for (int x = 100; x < 145; ++x) {
            lit += pixelAt(g.screen, x, y) != 0 ? 1 : 0;
        }
    }
    EXPECT_GT(lit, 20);
    EXPECT_EQ(countLitPixels(g.screen), lit);  // nothing outside the five glyph cells
}

TEST(TextWithShippedFonts, EveryCharacterLooksAsItsCellOfTheSheet) {
    ReleasingGraphics g(768, 512, 64);
    // The sheets as their files hold them, keyed but drawn pixel by pixel.
    SDL_Surface* sheets[2] = {};
    const char* names[2] = {"data/images/fonts/kestrine_9.png",
                            "data/images/fonts/kestrine_9_negative.png"};
    for (int f = 0; f < 2; ++f) {
        SDL_Surface* loaded = IMG_Load(names[f]);
        ASSERT_NE(loaded, nullptr) << names[f];
        sheets[f] = SDL_DisplayFormat(loaded);
        SDL_FreeSurface(loaded);
        SDL_SetColorKey(sheets[f], SDL_SRCCOLORKEY, rgbOf(sheets[f], 255, 0, 255));
    }
    SDL_Surface* expected = paintedImage(768, 512, [](int, int) { return 0u; });

    char all[96] = {};
    for (int c = 32; c < 127; ++c) {
        all[c - 32] = static_cast<char>(c);
    }
    fillBlack(g.screen);
    for (int f = 0; f < 2; ++f) {
        for (int line = 0; line < 3; ++line) {
            const int y = 20 + f * 60 + line * 12;
            g.fonts[f].print(all, 5 + line * 3, y);
            for (int c = 0; c < 95; ++c) {
                SDL_Rect from = {0, static_cast<Sint16>(c * 9), 9, 9};
                SDL_Rect to = {static_cast<Sint16>(5 + line * 3 + c * 9), static_cast<Sint16>(y), 0,
                               0};
                SDL_BlitSurface(sheets[f], &from, expected, &to);
            }
        }
    }
    g.blitText();
    for (int y = 0; y < 512; ++y) {
        for (int x = 0; x < 768; ++x) {
            ASSERT_EQ(pixelAt(g.screen, x, y), pixelAt(expected, x, y)) << x << ", " << y;
        }
    }
    SDL_FreeSurface(expected);
    SDL_FreeSurface(sheets[0]);
    SDL_FreeSurface(sheets[1]);
}

TEST_F(TextDrawingTest, GlyphsCutOutOfTheCellGridComeFromTheSheet) {
    // A glyph whose source is not one whole cell of the sheet is copied from the sheet itself.
    g.fonts[0].print("B", 30, 30);
    g.fonts[0].glyphs[0].src.y += 4;  // half in the cell of B, half in the cell of C
    g.blitText();
    EXPECT_EQ(pixelAt(g.screen, 34, 30), rgb(0, 255, 0));
    EXPECT_EQ(pixelAt(g.screen, 34, 36), rgb(255, 0, 0));
}

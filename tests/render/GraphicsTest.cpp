#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "CapturedOutput.h"
#include "ReleasingGraphics.h"
#include "TestDirs.h"
#include "render/Graphics.h"

namespace {

namespace fs = std::filesystem;

Uint32 magentaOn(const SDL_Surface* surface) {
    return SDL_MapRGB(surface->format, 255, 0, 255);
}

// A content tree holding only the two font sheets, optionally a sprite picture.
void copyFonts(const TempDir& dir) {
    dir.copyIn("data/images/fonts/kestrine_9.png", "data/images/fonts/kestrine_9.png");
    dir.copyIn("data/images/fonts/kestrine_9_negative.png",
               "data/images/fonts/kestrine_9_negative.png");
}

}  // namespace

TEST(Graphics, ConstructionOpensTheWindowAndLoadsBothFonts) {
    ReleasingGraphics g(768, 512, 64);
    ASSERT_NE(g.screen, nullptr);
    EXPECT_EQ(g.screen->w, 768);
    EXPECT_EQ(g.screen->h, 512);
    EXPECT_EQ(g.screen->format->BitsPerPixel, 32);
    EXPECT_EQ(g.columns, 12);
    EXPECT_EQ(g.rows, 8);
    EXPECT_EQ(g.fontCount, 2);
    EXPECT_EQ(g.fontsUsed, 2);
    EXPECT_EQ(g.entityCount + g.spriteCount + g.tileCount, 0);
    EXPECT_EQ(g.fonts[0].surfaceIndex, 0);
    EXPECT_EQ(g.fonts[1].surfaceIndex, 1);
    ASSERT_NE(g.fontSurfaces[0], nullptr);
    ASSERT_NE(g.fontSurfaces[1], nullptr);
    EXPECT_EQ(g.fontSurfaces[0]->w, 9);
    EXPECT_EQ(g.fontSurfaces[0]->h, 855);
    EXPECT_TRUE(g.debug);
    EXPECT_FALSE(g.outlines);
    EXPECT_EQ(g.lineThickness, 1);

    const Font& f = g.fonts[0];
    EXPECT_EQ(f.glyphSize, 9);
    EXPECT_EQ(f.dst.w, 9);
    EXPECT_EQ(f.src, (Rect{0, 0, 9, 855}));
    EXPECT_EQ(f.glyphTops[0], 0);
    EXPECT_EQ(f.glyphTops[1], 9);
    EXPECT_EQ(f.glyphTops[94], 846);
    EXPECT_TRUE(f.glyphs.empty());

    char caption[64] = {};
    char* title = nullptr;
    char* icon = nullptr;
    SDL_WM_GetCaption(&title, &icon);
    ASSERT_NE(title, nullptr);
    ASSERT_NE(icon, nullptr);
    std::snprintf(caption, sizeof caption, "%s|%s", title, icon);
    EXPECT_STREQ(caption, "Zephlark!|=3");
}

TEST(Graphics, CellCountsRoundDown) {
    ReleasingGraphics g(800, 500, 64);
    EXPECT_EQ(g.columns, 12);
    EXPECT_EQ(g.rows, 7);
}

TEST(Graphics, RegisteredImagesGetSlotsInOrderWithMagentaTransparent) {
    TempDir dir;
    copyFonts(dir);
    dir.copyIn(fs::current_path() / "data/images/fonts/kestrine_9.png",
               "data/images/sprites/sheet.png");
    ScopedWorkingDir inside(dir.path());

    ReleasingGraphics g(768, 512, 64);
    Sprite first;
    Sprite second;
    first.surfaceIndex = -7;
    second.surfaceIndex = -7;
    g.registerSprite(&first, "sheet");
    g.registerSprite(&second, "sheet");
    EXPECT_EQ(first.surfaceIndex, 0);
    EXPECT_EQ(second.surfaceIndex, 1);
    EXPECT_EQ(g.spriteCount, 2);
    ASSERT_NE(g.spriteSurfaces[1], nullptr);
    const SDL_Surface* image = g.spriteSurfaces[1];
    EXPECT_EQ(image->format->BitsPerPixel, g.screen->format->BitsPerPixel);
    EXPECT_TRUE(image->flags & SDL_SRCCOLORKEY);
    EXPECT_EQ(image->format->colorkey, magentaOn(g.screen));
    EXPECT_EQ(g.loading, nullptr);
}

TEST(Graphics, FullTableLoadsNothingPrintsNothingAndLeavesTheSlot) {
    ReleasingGraphics g(768, 512, 64);
    for (int32_t counter : {16, 17, -1}) {
        SCOPED_TRACE(counter);
        g.spriteCount = counter;
        Sprite s;
        s.surfaceIndex = 5;
        captureStdout();
        g.registerSprite(&s, "welcomeScreen");
        EXPECT_EQ(capturedStdout(), "");
        EXPECT_EQ(s.surfaceIndex, 5);
        EXPECT_EQ(g.spriteCount, counter);
    }
    g.spriteCount = 0;

    g.fontCount = 4;
    Font extra(0, 0, 9, 855, 0, 0);
    extra.surfaceIndex = 3;
    captureStdout();
    g.registerFont(&extra, "kestrine_9");
    EXPECT_EQ(capturedStdout(), "");
    EXPECT_EQ(extra.surfaceIndex, 3);
    EXPECT_EQ(g.fontCount, 4);
    EXPECT_EQ(g.fontSurfaces[2], nullptr);
    EXPECT_EQ(g.fontSurfaces[3], nullptr);
}

TEST(Graphics, MissingImageIsReportedAndKeepsItsEmptySlot) {
    ReleasingGraphics g(768, 512, 64);
    Sprite missing;
    missing.surfaceIndex = 9;
    captureStdout();
    g.registerSprite(&missing, "no_such_picture");
    const std::string out = capturedStdout();
    EXPECT_EQ(out, "Unable to load bitmap: " + std::string(SDL_GetError()) + "\n");
    EXPECT_NE(out.find("data/images/sprites/no_such_picture.png"), std::string::npos) << out;
    EXPECT_EQ(missing.surfaceIndex, 0);
    EXPECT_EQ(g.spriteCount, 1);
    EXPECT_EQ(g.spriteSurfaces[0], nullptr);
    EXPECT_EQ(g.loading, nullptr);

    // The numbering goes on after the failure.
    Sprite next;
    captureStdout();
    g.registerSprite(&next, "another_missing_one");
    capturedStdout();
    EXPECT_EQ(next.surfaceIndex, 1);
    EXPECT_EQ(g.spriteCount, 2);
}

TEST(Graphics, UnreadableImageIsReportedNotConverted) {
    TempDir dir;
    copyFonts(dir);
    fs::create_directories(dir.path() / "data/images/sprites");
    std::FILE* junk = std::fopen((dir.path() / "data/images/sprites/junk.png").c_str(), "wb");
    ASSERT_NE(junk, nullptr);
    std::fputs("\x89PNG\r\n\x1a\n but then nothing a decoder could use", junk);
    std::fclose(junk);
    ScopedWorkingDir inside(dir.path());

    ReleasingGraphics g(768, 512, 64);
    Sprite s;
    captureStdout();
    g.registerSprite(&s, "junk");
    const std::string out = capturedStdout();
    EXPECT_EQ(out.rfind("Unable to load bitmap: ", 0), 0u) << out;
    EXPECT_EQ(s.surfaceIndex, 0);
    EXPECT_EQ(g.spriteSurfaces[0], nullptr);
}

TEST(Graphics, NamesTooLongForTheFileNameAreReportedNotCutShort) {
    ReleasingGraphics g(768, 512, 64);
    // "data/images/sprites/" + name + ".png" must stay within 255 characters.
    const std::string fits(255 - 20 - 4, 'a');
    const std::string tooLong(fits.size() + 1, 'a');
    for (const std::string& name : {fits, tooLong}) {
        Sprite s;
        captureStdout();
        g.registerSprite(&s, name.c_str());
        const std::string out = capturedStdout();
        EXPECT_EQ(out.rfind("Unable to load bitmap: ", 0), 0u) << out;
        const bool reportedAsTooLong = out.find("too long") != std::string::npos;
        EXPECT_EQ(reportedAsTooLong, name.size() == tooLong.size()) << out;
    }
    EXPECT_EQ(g.spriteCount, 2);
    EXPECT_EQ(g.spriteSurfaces[1], nullptr);
}

TEST(Graphics, MissingIconDoesNotStopStartUp) {
    TempDir dir;
    copyFonts(dir);
    ScopedWorkingDir inside(dir.path());
    captureStdout();
    ReleasingGraphics g(768, 512, 64);
    const std::string out = capturedStdout();
    EXPECT_NE(out.find("Unable to load bitmap: "), std::string::npos) << out;
    ASSERT_NE(g.screen, nullptr);
    EXPECT_EQ(g.fontCount, 2);
    EXPECT_NE(g.fontSurfaces[1], nullptr);
}

TEST(Graphics, ReleaseFreesEveryImageAndResetsTheFonts) {
    ReleasingGraphics g(768, 512, 64);
    g.fonts[0].glyphs.push_back(Sprite(0, 0, 9, 9, 1, 1, 9, 9));
    g.fonts[1].text[0] = '7';
    Sprite s;
    captureStdout();
    g.registerSprite(&s, "no_such_picture");
    capturedStdout();

    g.release();
    for (int i = 0; i < Graphics::kFontCapacity; ++i) {
        EXPECT_EQ(g.fontSurfaces[i], nullptr);
    }
    EXPECT_EQ(g.spriteSurfaces[0], nullptr);
    EXPECT_EQ(g.screen, nullptr);
    EXPECT_EQ(g.loading, nullptr);
    EXPECT_EQ(g.fontCount, 2);
    EXPECT_EQ(g.spriteCount, 1);
    for (int f = 0; f < 2; ++f) {
        EXPECT_TRUE(g.fonts[f].glyphs.empty());
        EXPECT_EQ(g.fonts[f].glyphTops[94], 0);
        EXPECT_EQ(g.fonts[f].text[0], '\0');
    }

    // A second release finds every slot empty and frees nothing again.
    g.release();
    EXPECT_EQ(g.fontSurfaces[0], nullptr);
    EXPECT_EQ(g.fontCount, 2);
}

TEST(Font, ConstructorLaysOutTheGlyphColumn) {
    Font f(3, 4, 9, 855, 10, 20);
    EXPECT_EQ(f.src, (Rect{3, 4, 9, 855}));
    EXPECT_EQ(f.dst, (Rect{10, 20, 9, 855}));
    EXPECT_EQ(f.glyphSize, 9);
    for (int i = 0; i < Font::kGlyphCount; ++i) {
        EXPECT_EQ(f.glyphTops[i], 9 * i);
    }
    EXPECT_EQ(f.surfaceIndex, 0);
    EXPECT_EQ(f.lastBlit, 0u);
}

TEST(Font, CopyAssignmentCopiesTheQueueAndClearKeepsStorage) {
    Font f(0, 0, 9, 855, 0, 0);
    f.glyphs.push_back(Sprite(0, 9, 9, 9, 0, 0, 9, 9));
    f.glyphs.push_back(Sprite(0, 18, 9, 9, 9, 0, 9, 9));
    Font copy;
    copy = f;
    ASSERT_EQ(copy.glyphs.size(), 2u);
    EXPECT_EQ(copy.glyphs[1].src.y, 18);

    const size_t capacity = f.glyphs.capacity();
    f.clear();
    EXPECT_TRUE(f.glyphs.empty());
    EXPECT_EQ(f.glyphs.capacity(), capacity);
    EXPECT_EQ(copy.glyphs.size(), 2u);
}

TEST(GraphicsDeathTest, VideoThatCannotStartEndsWithExitCodeOne) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("SDL_VIDEODRIVER", "no_such_driver", 1);
            Graphics g(768, 512, 64);
        },
        testing::ExitedWithCode(1), "Unable to init SDL: ");
}

TEST(GraphicsDeathTest, WindowThatCannotOpenIsReportedAndEndsWithExitCodeOne) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // The message goes to standard output; the child sends that to standard error, where the
    // death test can read it.
    EXPECT_EXIT(
        {
            dup2(2, 1);
            Graphics g(-5, 512, 64);
        },
        testing::ExitedWithCode(1), "^Unable to set video mode: Invalid width or height\n$");
}

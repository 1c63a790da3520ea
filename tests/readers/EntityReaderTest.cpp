#include <gtest/gtest.h>

#include <string>

#include "CapturedOutput.h"
#include "TestDirs.h"
#include "readers/EntityReader.h"

namespace {

// Reads `text` as the entity file "thing" from a content tree of its own.
Entity readThing(const std::string& text, std::string* output = nullptr) {
    TempDir dir;
    dir.write("data/entities/thing.ent", text);
    ScopedWorkingDir inside(dir.path());
    EntityReader reader;
    captureStdout();
    Entity e = reader.getEntity("thing");
    const std::string out = capturedStdout();
    if (output != nullptr) {
        *output = out;
    }
    return e;
}

const char* const kOneBlock =
    "thing 100 50 32 21\n"
    "BLOCK\n"
    "500 500 12 10 8 4 15\n"
    "ANIMATION\n"
    "2\n"
    "0 21 12 10\n"
    "12 21 12 10\n"
    "ENDBLOCK\n";

TEST(EntityReader, ReadsHeaderBlocksAndFrames) {
    std::string out;
    const Entity e = readThing(kOneBlock, &out);
    EXPECT_EQ(out, "");
    EXPECT_EQ(e.box, (Rect{100, 50, 32, 21}));
    EXPECT_EQ(e.collisionAngle, -1);
    EXPECT_EQ(e.dx + e.dy + e.graphicIndex + e.state, 0);
    ASSERT_EQ(e.blocks.size(), 1u);
    const Block& b = e.blocks[0];
    EXPECT_EQ(b.dst, (Rect{108, 54, 12, 10}));  // 500, 500 replaced by box + offset
    EXPECT_EQ(b.xOff, 8);
    EXPECT_EQ(b.yOff, 4);
    EXPECT_EQ(b.frameRate, 15);
    EXPECT_EQ(b.src, Rect{});
    EXPECT_EQ(b.animationIndex, 0);
    ASSERT_EQ(b.animations.size(), 1u);
    const Animation& a = b.animations[0];
    EXPECT_EQ(a.direction, 0);
    EXPECT_EQ(a.mode, 0);
    EXPECT_EQ(a.currentFrame, 0);
    ASSERT_EQ(a.frames.size(), 2u);
    EXPECT_EQ(a.frames[0], (Rect{0, 21, 12, 10}));
    EXPECT_EQ(a.frames[1], (Rect{12, 21, 12, 10}));
}

TEST(EntityReader, LayoutVariantsReadTheSame) {
    const struct {
        const char* what;
        const char* text;
    } cases[] = {
        {"numbers over several lines",
         "thing\n100 50\n32 21\nBLOCK\n500 500 12\n10 8 4 15\nANIMATION\n2\n0 21 12 10 12\n21 12 "
         "10\nENDBLOCK\n"},
        {"last line without a line end",
         "thing 100 50 32 21\nBLOCK\n500 500 12 10 8 4 15\nANIMATION\n2\n0 21 12 10\n12 21 12 "
         "10\nENDBLOCK"},
        {"carriage returns",
         "thing 100 50 32 21\r\nBLOCK\r\n500 500 12 10 8 4 15\r\nANIMATION\r\n2\r\n0 21 12 "
         "10\r\n12 21 12 10\r\nENDBLOCK\r\n"},
        {"other lines between records",
         "thing 100 50 32 21 the robot\n\nBLOCK\n500 500 12 10 8 4 15 flame\n# comment\n"
         "ANIMATION\n2\n0 21 12 10\n12 21 12 10\n\nENDBLOCK\nthe end\n"},
        {"tabs and signs",
         "thing\t+100\t50 32 21\nBLOCK\n500 500 12 10 +8 4 15\nANIMATION\n"
         "2\n0 21 12 10\n12 21 12 10\nENDBLOCK\n"},
    };
    const Entity reference = readThing(kOneBlock);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Entity e = readThing(c.text);
        EXPECT_EQ(e.box, reference.box);
        ASSERT_EQ(e.blocks.size(), 1u);
        EXPECT_EQ(e.blocks[0].dst, reference.blocks[0].dst);
        EXPECT_EQ(e.blocks[0].frameRate, 15);
        ASSERT_EQ(e.blocks[0].animations.size(), 1u);
        EXPECT_EQ(e.blocks[0].animations[0].frames, reference.blocks[0].animations[0].frames);
    }
}

TEST(EntityReader, BlockGrammarCases) {
    const struct {
        const char* what;
        const char* body;
        std::vector<size_t> framesPerAnimationPerBlock;  // one entry per block: its first
                                                         // animation's frames, or 99 for none
        size_t animationsInFirstBlock;
    } cases[] = {
        {"header only", "", {}, 0},
        {"two animations keep their own frames",
         "BLOCK\n0 0 8 8 0 0 5\nANIMATION\n2\n0 0 8 8\n8 0 8 8\nANIMATION\n1\n16 0 8 8\n"
         "ENDBLOCK\n",
         {2},
         2},
        {"count 0 adds an animation without frames",
         "BLOCK\n0 0 8 8 0 0 5\nANIMATION\n0\nENDBLOCK\n",
         {0},
         1},
        {"negative count too", "BLOCK\n0 0 8 8 0 0 5\nANIMATION\n-3\nENDBLOCK\n", {0}, 1},
        {"block without animation", "BLOCK\n0 0 8 8 0 0 5\nENDBLOCK\n", {99}, 0},
        {"block never ended", "BLOCK\n0 0 8 8 0 0 5\nANIMATION\n1\n0 0 8 8\n", {}, 0},
        {"second ENDBLOCK adds another copy",
         "BLOCK\n0 0 8 8 0 0 5\nANIMATION\n1\n0 0 8 8\nENDBLOCK\nANIMATION\n1\n8 0 8 8\n"
         "ENDBLOCK\n",
         {1, 1},
         1},
        {"a new BLOCK drops collected animations",
         "BLOCK\n0 0 8 8 0 0 5\nANIMATION\n1\n0 0 8 8\nBLOCK\n0 0 8 8 0 0 5\nENDBLOCK\n",
         {99},
         0},
        {"keywords with a space or in lower case are other lines",
         "BLOCK \n0 0 8 8 0 0 5\nblock\n0 0 8 8 0 0 5\n ANIMATION\n1\n0 0 8 8\nEndBlock\n",
         {},
         0},
        {"ENDBLOCK before any BLOCK adds nothing",
         "ENDBLOCK\nANIMATION\n1\n0 0 8 8\nENDBLOCK\n",
         {},
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string out;
        const Entity e = readThing(std::string("thing 0 0 64 32\n") + c.body, &out);
        EXPECT_EQ(out, "");
        EXPECT_EQ(e.box, (Rect{0, 0, 64, 32}));
        EXPECT_EQ(e.collisionAngle, -1);
        ASSERT_EQ(e.blocks.size(), c.framesPerAnimationPerBlock.size());
        for (size_t i = 0; i < e.blocks.size(); ++i) {
            const Block& b = e.blocks[i];
            if (c.framesPerAnimationPerBlock[i] == 99) {
                EXPECT_TRUE(b.animations.empty());
            } else {
                ASSERT_FALSE(b.animations.empty());
                EXPECT_EQ(b.animations[0].frames.size(), c.framesPerAnimationPerBlock[i]);
            }
        }
        if (!e.blocks.empty()) {
            EXPECT_EQ(e.blocks[0].animations.size(), c.animationsInFirstBlock);
        }
    }
    // The second animation of a block holds only its own frame.
    const Entity two = readThing(
        "thing 0 0 64 32\nBLOCK\n0 0 8 8 0 0 5\nANIMATION\n2\n0 0 8 8\n8 0 8 8\nANIMATION\n1\n"
        "16 0 8 8\nENDBLOCK\n");
    EXPECT_EQ(two.blocks[0].animations[1].frames, std::vector<Rect>{(Rect{16, 0, 8, 8})});
    // The copy added by a second ENDBLOCK includes the animation read in between.
    const Entity twice = readThing(
        "thing 0 0 64 32\nBLOCK\n0 0 8 8 0 0 5\nANIMATION\n1\n0 0 8 8\nENDBLOCK\nANIMATION\n1\n"
        "8 0 8 8\nENDBLOCK\n");
    EXPECT_EQ(twice.blocks[1].animations.size(), 2u);
}

// Whatever a file holds, the reader stops, keeps what it completed and never misbehaves.
TEST(EntityReader, BadInputStopsTheReadingCleanly) {
    const struct {
        const char* what;
        std::string text;
        Rect box;
        size_t blocks;
    } cases[] = {
        {"empty file", "", {0, 0, 0, 0}, 0},
        {"header cut short", "thing 5 6", {5, 6, 0, 0}, 0},
        {"word in the header",
         "thing 5 six 7 8\nBLOCK\n0 0 8 8 0 0 5\nENDBLOCK\n",
         {5, 0, 0, 0},
         0},
        {"word among block numbers",
         "thing 1 2 3 4\nBLOCK\n0 0 8 8 0 0 5\nENDBLOCK\nBLOCK\n0 0 x 8 0 0 5\nENDBLOCK\n",
         {1, 2, 3, 4},
         1},
        {"word among frames",
         "thing 1 2 3 4\nBLOCK\n0 0 8 8 0 0 5\nANIMATION\n2\n0 0 8 8\noops\nENDBLOCK\n",
         {1, 2, 3, 4},
         0},
        {"number beyond 32 bits",
         "thing 1 2 3 4\nBLOCK\n0 0 8 8 0 0 99999999999\nENDBLOCK\n",
         {1, 2, 3, 4},
         0},
        {"huge frame count in a small file",
         "thing 1 2 3 4\nBLOCK\n0 0 8 8 0 0 5\nANIMATION\n2000000000\n0 0 8 8\nENDBLOCK\n",
         {1, 2, 3, 4},
         0},
        {"lone minus sign", "thing 1 2 3 -\n", {1, 2, 3, 0}, 0},
        {"binary garbage",
         std::string("\x7f\x45\x4c\x46\x00\x01\xff\xfe BLOCK\n\x00\x00\n", 18),
         {0, 0, 0, 0},
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string out;
        const Entity e = readThing(c.text, &out);
        EXPECT_EQ(out, "");
        EXPECT_EQ(e.box, c.box);
        EXPECT_EQ(e.collisionAngle, -1);
        EXPECT_EQ(e.blocks.size(), c.blocks);
    }
}

TEST(EntityReader, OddFrameRatesAreKeptAndStepSafely) {
    Entity e = readThing(
        "thing 0 0 8 8\nBLOCK\n0 0 8 8 0 0 0\nANIMATION\n2\n0 0 8 8\n8 0 8 8\nENDBLOCK\n"
        "BLOCK\n0 0 8 8 0 0 -5\nANIMATION\n0\nENDBLOCK\nBLOCK\n0 0 8 8 0 0 5\nENDBLOCK\n");
    ASSERT_EQ(e.blocks.size(), 3u);
    EXPECT_EQ(e.blocks[0].frameRate, 0);
    EXPECT_EQ(e.blocks[1].frameRate, -5);
    for (int i = 0; i < 5; ++i) {
        for (Block& b : e.blocks) {
            b.lastBlit += 100;
        }
        e.animate(1);
    }
    EXPECT_EQ(e.blocks[0].animations[0].currentFrame, 0);  // held on its first frame
    EXPECT_EQ(e.blocks[0].src, (Rect{0, 0, 8, 8}));
    EXPECT_EQ(e.blocks[1].src, Rect{});
    EXPECT_EQ(e.blocks[2].src, Rect{});
}

TEST(EntityReader, MissingFileIsReportedAndGivesAnEntityWithoutBlocks) {
    TempDir dir;
    ScopedWorkingDir inside(dir.path());
    EntityReader reader;
    captureStdout();
    const Entity e = reader.getEntity("nobody");
    EXPECT_EQ(capturedStdout(), "Unable to open data/entities/nobody.ent\n");
    EXPECT_TRUE(e.blocks.empty());
    EXPECT_EQ(e.box, Rect{});
    EXPECT_EQ(e.collisionAngle, -1);
    EXPECT_EQ(e.graphicIndex, 0);
}

TEST(EntityReader, NamesTooLongForAFileNameAreReportedNotCutShort) {
    TempDir dir;
    const std::string name = std::string(118, 'd') + "/" + std::string(140, 'e');
    const std::string full = "data/entities/" + name + ".ent";
    ASSERT_GT(full.size(), 255u);
    // A file at the name cut to 255 characters exists, and must not be read instead.
    dir.write(full.substr(0, 255), kOneBlock);
    ScopedWorkingDir inside(dir.path());
    EntityReader reader;
    captureStdout();
    const Entity e = reader.getEntity(name);
    EXPECT_EQ(capturedStdout(), "Unable to open " + full + "\n");
    EXPECT_TRUE(e.blocks.empty());
}

TEST(EntityReader, AReaderReadsFileAfterFile) {
    TempDir dir;
    dir.write("data/entities/a.ent", kOneBlock);
    dir.write("data/entities/b.ent", "b 1 1 1 1\n");
    ScopedWorkingDir inside(dir.path());
    EntityReader reader;
    EXPECT_EQ(reader.getEntity("a").blocks.size(), 1u);
    EXPECT_EQ(reader.getEntity("b").blocks.size(), 0u);
    EXPECT_EQ(reader.getEntity("a").blocks.size(), 1u);
}

}  // namespace

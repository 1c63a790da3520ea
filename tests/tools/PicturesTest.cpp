// What the committed font sheets, icon, robot, paper and welcome picture show.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "PngFile.h"

namespace {

constexpr int kCell = 9;
constexpr int kGlyphs = 95;
const char* const kNormalSheet = "data/images/fonts/kestrine_9.png";
const char* const kNegativeSheet = "data/images/fonts/kestrine_9_negative.png";

std::set<Pixel> coloursOf(const PngPicture& picture) {
    std::set<Pixel> colours;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            colours.insert(picture.at(x, y));
        }
    }
    return colours;
}

// The normal sheet's ink: the darker of its two colours besides magenta.
struct InkAndHalo {
    Pixel ink;
    Pixel halo;
};

InkAndHalo inkAndHaloOf(const PngPicture& sheet) {
    std::set<Pixel> colours = coloursOf(sheet);
    colours.erase(kMagenta);
    EXPECT_EQ(colours.size(), 2u) << "the sheet should use magenta, an ink and a halo colour";
    if (colours.size() != 2) {
        return {};
    }
    Pixel a = *colours.begin();
    Pixel b = *colours.rbegin();
    return a.luma() < b.luma() ? InkAndHalo{a, b} : InkAndHalo{b, a};
}

// One string per glyph: '#' where the normal sheet has ink.
std::vector<std::string> inkMasks(const PngPicture& sheet, Pixel ink) {
    std::vector<std::string> masks(kGlyphs);
    for (int i = 0; i < kGlyphs; ++i) {
        for (int y = 0; y < kCell; ++y) {
            for (int x = 0; x < kCell; ++x) {
                masks[i] += sheet.at(x, i * kCell + y) == ink ? '#' : '.';
            }
        }
    }
    return masks;
}

std::string describe(int glyph) {
    return "glyph of '" + std::string(1, char(32 + glyph)) + "'";
}

TEST(FontSheetTest, BothSheetsAreOneColumnOfNinetyFiveCells) {
    for (const char* path : {kNormalSheet, kNegativeSheet}) {
        const PngPicture sheet = readPng(path);
        ASSERT_TRUE(sheet.loaded) << path;
        EXPECT_TRUE(sheet.plainRgb) << path;
        EXPECT_EQ(sheet.width, kCell) << path;
        EXPECT_EQ(sheet.height, kCell * kGlyphs) << path;
    }
}

TEST(FontSheetTest, NormalSheetIsDarkInkInALightHaloOnTransparency) {
    const PngPicture sheet = readPng(kNormalSheet);
    ASSERT_TRUE(sheet.loaded && sheet.width == kCell && sheet.height == kCell * kGlyphs);
    const InkAndHalo colours = inkAndHaloOf(sheet);
    ASSERT_GT(colours.halo.luma() - colours.ink.luma(), 128.0);

    std::vector<std::string> problems;
    auto complain = [&problems](int glyph, const std::string& what, int x, int y) {
        problems.push_back(describe(glyph) + " " + what + " at " + std::to_string(x) + "," +
                           std::to_string(y));
    };
    for (int i = 0; i < kGlyphs; ++i) {
        int inkPixels = 0;
        for (int y = 0; y < kCell; ++y) {
            for (int x = 0; x < kCell; ++x) {
                const Pixel p = sheet.at(x, i * kCell + y);
                if (p == kMagenta) {
                    continue;
                }
                const bool isInk = p == colours.ink;
                inkPixels += isInk ? 1 : 0;
                // Room for the halo on both sides and above, so neighbours never touch.
                if (isInk && (x == 0 || x == kCell - 1 || y == 0)) {
                    complain(i, "has ink on the cell's edge", x, y);
                }
                // Ink is wrapped in ink or halo and halo touches ink, both within the cell.
                bool touchesInk = false;
                for (int ny = std::max(y - 1, 0); ny <= std::min(y + 1, kCell - 1); ++ny) {
                    for (int nx = std::max(x - 1, 0); nx <= std::min(x + 1, kCell - 1); ++nx) {
                        const Pixel n = sheet.at(nx, i * kCell + ny);
                        touchesInk = touchesInk || ((nx != x || ny != y) && n == colours.ink);
                        if (isInk && n == kMagenta) {
                            complain(i, "lacks halo", nx, ny);
                        }
                    }
                }
                if (!isInk && !touchesInk) {
                    complain(i, "has stray halo", x, y);
                }
            }
        }
        if (i > 0 && inkPixels == 0) {
            complain(i, "is blank", 0, 0);
        }
    }
    for (std::size_t k = 0; k < problems.size() && k < 8; ++k) {
        ADD_FAILURE() << problems[k];
    }
    EXPECT_EQ(problems.size(), 0u);

    // The space is blank: its whole cell is transparent.
    for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
            EXPECT_EQ(sheet.at(x, y), kMagenta) << "space at " << x << "," << y;
        }
    }
}

TEST(FontSheetTest, AllGlyphsArePairwiseDistinct) {
    const PngPicture sheet = readPng(kNormalSheet);
    ASSERT_TRUE(sheet.loaded && sheet.width == kCell && sheet.height == kCell * kGlyphs);
    const std::vector<std::string> masks = inkMasks(sheet, inkAndHaloOf(sheet).ink);
    std::map<std::string, int> firstWithMask;
    for (int i = 0; i < kGlyphs; ++i) {
        const auto [found, fresh] = firstWithMask.emplace(masks[i], i);
        EXPECT_TRUE(fresh) << describe(i) << " looks the same as " << describe(found->second);
    }
}

TEST(FontSheetTest, NegativeSheetIsTheInvertedLook) {
    const PngPicture normal = readPng(kNormalSheet);
    const PngPicture negative = readPng(kNegativeSheet);
    ASSERT_TRUE(normal.loaded && negative.loaded);
    ASSERT_EQ(normal.width, negative.width);
    ASSERT_EQ(normal.height, negative.height);
    const Pixel ink = inkAndHaloOf(normal).ink;

    // Light glyphs exactly where the normal sheet has ink, a dark fill everywhere else.
    int firstInk = 0;
    while (firstInk < normal.width * normal.height &&
           normal.at(firstInk % normal.width, firstInk / normal.width) != ink) {
        ++firstInk;
    }
    ASSERT_LT(firstInk, normal.width * normal.height);
    const Pixel glyph = negative.at(firstInk % normal.width, firstInk / normal.width);
    const Pixel fill = negative.at(0, 0);  // the space
    EXPECT_NE(glyph, kMagenta);
    EXPECT_NE(fill, kMagenta);
    EXPECT_GT(glyph.luma() - fill.luma(), 128.0);
    int mismatches = 0;
    for (int y = 0; y < negative.height; ++y) {
        for (int x = 0; x < negative.width; ++x) {
            const Pixel expected = normal.at(x, y) == ink ? glyph : fill;
            if (negative.at(x, y) != expected && ++mismatches <= 5) {
                ADD_FAILURE() << "negative sheet differs at " << x << "," << y << " in "
                              << describe(y / kCell);
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(IconTest, IsARobotOnATransparentSquare) {
    const PngPicture icon = readPng("data/images/icon.png");
    ASSERT_TRUE(icon.loaded);
    EXPECT_TRUE(icon.plainRgb);
    ASSERT_EQ(icon.width, 32);
    ASSERT_EQ(icon.height, 32);
    for (const auto& [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}}) {
        EXPECT_EQ(icon.at(x, y), kMagenta) << "corner " << x << "," << y;
    }
    for (int y = 12; y < 20; ++y) {
        for (int x = 12; x < 20; ++x) {
            EXPECT_NE(icon.at(x, y), kMagenta) << "centre " << x << "," << y;
        }
    }
    EXPECT_GE(coloursOf(icon).size(), 5u) << "the icon should be a coloured picture";
}

// The robot's sheet: four body frames of 32 by 21 along the top, three flame frames of 12 by 10
// below them, the rest transparent.
constexpr int kBodyW = 32;
constexpr int kBodyH = 21;
constexpr int kBodyFrames = 4;
constexpr int kFlameW = 12;
constexpr int kFlameH = 10;
constexpr int kFlameFrames = 3;
const char* const kRobotSheet = "data/images/entities/robot.png";

// The pixels of a rectangle of a picture, row by row.
std::vector<Pixel> region(const PngPicture& picture, int x0, int y0, int w, int h) {
    std::vector<Pixel> pixels;
    for (int y = y0; y < y0 + h; ++y) {
        for (int x = x0; x < x0 + w; ++x) {
            pixels.push_back(picture.at(x, y));
        }
    }
    return pixels;
}

bool anyOpaque(const std::vector<Pixel>& pixels) {
    return std::any_of(pixels.begin(), pixels.end(), [](const Pixel& p) { return p != kMagenta; });
}

TEST(RobotSheetTest, BodyFillsItsBoxAndTheFlameMeetsItsBack) {
    const PngPicture sheet = readPng(kRobotSheet);
    ASSERT_TRUE(sheet.loaded);
    EXPECT_TRUE(sheet.plainRgb);
    ASSERT_EQ(sheet.width, kBodyFrames * kBodyW);
    ASSERT_EQ(sheet.height, kBodyH + kFlameH);
    for (int i = 0; i < kBodyFrames; ++i) {
        const int x0 = i * kBodyW;
        // The box is where the robot crashes, so the body reaches each of its sides.
        const struct {
            const char* side;
            std::vector<Pixel> pixels;
        } sides[] = {
            {"top", region(sheet, x0, 0, kBodyW, 1)},
            {"bottom", region(sheet, x0, kBodyH - 1, kBodyW, 1)},
            {"front (right)", region(sheet, x0 + kBodyW - 1, 0, 1, kBodyH)},
            {"back (left)", region(sheet, x0, 0, 1, kBodyH)},
        };
        for (const auto& side : sides) {
            EXPECT_TRUE(anyOpaque(side.pixels))
                << "body frame " << i << " misses its " << side.side;
        }
        const std::vector<Pixel> box = region(sheet, x0, 0, kBodyW, kBodyH);
        EXPECT_GT(
            std::count_if(box.begin(), box.end(), [](const Pixel& p) { return p != kMagenta; }),
            kBodyW * kBodyH / 2)
            << "body frame " << i << " should fill most of its box";
    }
    for (int i = 0; i < kFlameFrames; ++i) {
        // The flame burns right up to the nozzle: its rightmost column is lit.
        EXPECT_TRUE(anyOpaque(region(sheet, i * kFlameW + kFlameW - 1, kBodyH, 1, kFlameH)))
            << "flame frame " << i;
    }
    const int unusedX = kFlameFrames * kFlameW;
    EXPECT_FALSE(anyOpaque(region(sheet, unusedX, kBodyH, sheet.width - unusedX, kFlameH)))
        << "the sheet beside the flames should be transparent";
}

TEST(RobotSheetTest, EveryFrameDiffersSoTheRotorTurnsAndTheFlameFlickers) {
    const PngPicture sheet = readPng(kRobotSheet);
    ASSERT_TRUE(sheet.loaded && sheet.width == kBodyFrames * kBodyW);
    const struct {
        const char* what;
        int frames;
        int y;
        int w;
        int h;
    } rows[] = {
        {"body", kBodyFrames, 0, kBodyW, kBodyH},
        {"rotor (top four rows of the body)", kBodyFrames, 0, kBodyW, 4},
        {"flame", kFlameFrames, kBodyH, kFlameW, kFlameH},
    };
    for (const auto& row : rows) {
        for (int a = 0; a < row.frames; ++a) {
            for (int b = a + 1; b < row.frames; ++b) {
                EXPECT_NE(region(sheet, a * row.w, row.y, row.w, row.h),
                          region(sheet, b * row.w, row.y, row.w, row.h))
                    << row.what << " frames " << a << " and " << b << " are the same";
            }
        }
    }
}

const char* const kPaper = "data/images/sprites/paper.png";
const char* const kWelcome = "data/images/sprites/welcomeScreen.png";

TEST(PaperTest, IsAnOpaqueDarkCaveBehindLightText) {
    const PngPicture paper = readPng(kPaper);
    ASSERT_TRUE(paper.loaded);
    EXPECT_TRUE(paper.plainRgb);
    ASSERT_EQ(paper.width, 768);
    ASSERT_EQ(paper.height, 512);
    const std::vector<Pixel> pixels = region(paper, 0, 0, paper.width, paper.height);
    EXPECT_FALSE(std::any_of(pixels.begin(), pixels.end(), [](const Pixel& p) {
        return p == kMagenta;
    })) << "the background has no transparent pixels";
    double sum = 0.0;
    double brightest = 0.0;
    for (const Pixel& p : pixels) {
        sum += p.luma();
        brightest = std::max(brightest, p.luma());
    }
    const double mean = sum / pixels.size();
    EXPECT_LT(mean, 60.0) << "the cave should be dark";
    EXPECT_LT(brightest, 128.0) << "nothing in the background should glare";
    EXPECT_GE(coloursOf(paper).size(), 32u) << "the background should not be flat";

    // The font's light halo stands far above the background everywhere.
    const PngPicture font = readPng(kNormalSheet);
    ASSERT_TRUE(font.loaded);
    EXPECT_GT(inkAndHaloOf(font).halo.luma() - brightest, 100.0);
}

// Finds `text` set in the font's glyphs, each glyph pixel a `scale` by `scale` block and one
// glyph every `advance` cell columns, in one colour with none of that colour inside the glyph
// bodies around its ink. Returns whether it is anywhere in the picture.
bool showsText(const PngPicture& picture, const std::vector<std::string>& glyphInk,
               const std::string& text, int scale, int advance) {
    struct Block {
        int x;
        int y;
        bool ink;
    };
    std::vector<Block> blocks;  // glyph pixels relative to the first glyph's cell
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string& ink = glyphInk[static_cast<unsigned char>(text[i]) - 32];
        for (int gy = 0; gy < kCell; ++gy) {
            for (int gx = 2; gx <= 6; ++gx) {  // the body columns of every glyph
                blocks.push_back(
                    {static_cast<int>(i) * advance + gx, gy, ink[gy * kCell + gx] == '#'});
            }
        }
    }
    std::stable_partition(blocks.begin(), blocks.end(), [](const Block& b) { return b.ink; });
    if (blocks.empty() || !blocks.front().ink) {
        return false;
    }
    const int spanX = (static_cast<int>(text.size()) - 1) * advance * scale + kCell * scale;
    for (int oy = 0; oy + kCell * scale <= picture.height; ++oy) {
        for (int ox = 0; ox + spanX <= picture.width; ++ox) {
            const Pixel colour =
                picture.at(ox + blocks.front().x * scale, oy + blocks.front().y * scale);
            if (colour == kMagenta) {
                continue;
            }
            bool match = true;
            for (std::size_t k = 0; k < blocks.size() && match; ++k) {
                for (int py = 0; py < scale && match; ++py) {
                    for (int px = 0; px < scale && match; ++px) {
                        const Pixel p = picture.at(ox + blocks[k].x * scale + px,
                                                   oy + blocks[k].y * scale + py);
                        match = (p == colour) == blocks[k].ink;
                    }
                }
            }
            if (match) {
                return true;
            }
        }
    }
    return false;
}

TEST(WelcomeScreenTest, IsAPanelOverTheCave) {
    const PngPicture welcome = readPng(kWelcome);
    ASSERT_TRUE(welcome.loaded);
    EXPECT_TRUE(welcome.plainRgb);
    ASSERT_EQ(welcome.width, 768);
    ASSERT_EQ(welcome.height, 512);
    // The cave shows around the panel; the middle is all panel.
    for (const auto& [x, y] : {std::pair{0, 0}, {767, 0}, {0, 511}, {767, 511}}) {
        EXPECT_EQ(welcome.at(x, y), kMagenta) << "corner " << x << "," << y;
    }
    EXPECT_FALSE(anyOpaque(region(welcome, 0, 0, 768, 8))) << "top margin";
    const std::vector<Pixel> middle = region(welcome, 64, 64, 640, 384);
    EXPECT_TRUE(
        std::none_of(middle.begin(), middle.end(), [](const Pixel& p) { return p == kMagenta; }));
    EXPECT_GE(coloursOf(welcome).size(), 12u) << "the picture should be colourful";
}

TEST(WelcomeScreenTest, SpellsOutEveryControlAndHowToStart) {
    const PngPicture welcome = readPng(kWelcome);
    const PngPicture font = readPng(kNormalSheet);
    ASSERT_TRUE(welcome.loaded && font.loaded);
    const std::vector<std::string> glyphs = inkMasks(font, inkAndHaloOf(font).ink);
    // Set at twice the font's size, one glyph every seven columns.
    const char* const lines[] = {
        "ENTER",
        "start / restart",
        "SPACE",
        "climb",
        "LEFT BUTTON",
        "paint",
        "CTRL",
        "erase",
        "MIDDLE BUTTON",
        "copy a cell into the brush",
        "RIGHT BUTTON",
        "pick a tile up",
        ",",
        ".",
        "change the brush",
        "D",
        "debug",
        "O",
        "outlines",
        "ESC",
        "quit",
        "Press ENTER to start",
    };
    for (const char* line : lines) {
        EXPECT_TRUE(showsText(welcome, glyphs, line, 2, 7)) << "no \"" << line << "\"";
    }
    EXPECT_FALSE(showsText(welcome, glyphs, "Press ESC to start", 2, 7))
        << "the search should not find what is not there";
}

TEST(WelcomeScreenTest, NamesTheGameInBigBrightLetters) {
    const PngPicture welcome = readPng(kWelcome);
    const PngPicture font = readPng(kNormalSheet);
    ASSERT_TRUE(welcome.loaded && font.loaded);
    const std::vector<std::string> glyphs = inkMasks(font, inkAndHaloOf(font).ink);
    // The name is shaded, so look for its ink as bright pixels at seven times the font's size
    // in the upper part of the picture, with dark pixels in the gaps of the letters.
    const std::string name = "ZEPHLARK!";
    constexpr int kScale = 7;
    constexpr int kAdvance = 7;
    bool found = false;
    for (int oy = 0; oy < 200 && !found; ++oy) {
        for (int ox = 0; ox + 9 * kAdvance * kScale <= welcome.width && !found; ++ox) {
            bool match = true;
            for (std::size_t i = 0; i < name.size() && match; ++i) {
                const std::string& ink = glyphs[name[i] - 32];
                for (int gy = 1; gy < 8 && match; ++gy) {
                    for (int gx = 2; gx <= 6 && match; ++gx) {
                        // Sample the middle of each block.
                        const Pixel p =
                            welcome.at(ox + (int(i) * kAdvance + gx) * kScale + kScale / 2,
                                       oy + gy * kScale + kScale / 2);
                        match = ink[gy * kCell + gx] == '#' ? p.luma() > 140.0
                                                            : p == kMagenta || p.luma() < 90.0;
                    }
                }
            }
            found = match;
        }
    }
    EXPECT_TRUE(found) << "the name ZEPHLARK! should stand large near the top";
}

}  // namespace

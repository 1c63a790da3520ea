// Looks at the game's window from outside, for the end-to-end tests and the README picture.
//
//   screen_probe capture <window id> <out.png>   the window's pixels as an RGB PNG
//   screen_probe welcome <shot.png>              is it the welcome picture over the background?
//   screen_probe scene <shot.png> [<px> <py>]    is it a game frame: the level, scrolled, and
//                                                the robot at x 128 (or, after a crash, within
//                                                a cell of it)? The two lines where the
//                                                game writes its messages ("Get ready!" and the
//                                                count, "Crashed!", "Press Enter to restart.")
//                                                and the tile editor's marks are not looked at:
//                                                its two lines of text at the top, the brush in
//                                                the top-left cell with that cell's outline, and
//                                                for the pointer at (px, py) (0, 0 when not
//                                                given, where the game starts it) the outline of
//                                                the cell under it and the tile name above it.
//   screen_probe tile <shot.png> <x> <y> <name> [<px> <py>]
//                                                does the 64 by 64 square at (x, y) show the
//                                                named tile in one of its frames, the background
//                                                wherever the tile is transparent? "empty" asks
//                                                for the bare background. Of the editor's marks
//                                                only its text and the outlines are left out.
//   screen_probe text <shot.png> <x> <y> <text> [<font>]
//                                                is the text written there in one of the game's
//                                                fonts (kestrine_9, the default, or
//                                                kestrine_9_negative), one glyph every 9 pixels
//                                                from (x, y)?
//   screen_probe cover <shot.png> <out.png> <x> <y> <w> <h>
//                                                a copy of the shot with the rectangle showing
//                                                the bare background, as if nothing had been
//                                                drawn there: for checking that the other
//                                                commands notice what is missing.
//
// Run from the project root: the pictures and files to compare with come from data/, read with
// the game's own readers. Exit code 0 when the answer is yes, 1 when it is no (with the reason
// on standard error), 2 on bad use.
#include <SDL.h>
#include <SDL_image.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "readers/EntityReader.h"
#include "readers/TileReader.h"
#include "world/Entity.h"
#include "world/Tile.h"
#include "world/TileType.h"

namespace {

constexpr int kWidth = 768;
constexpr int kHeight = 512;
constexpr int kTile = 64;
constexpr int kRows = 8;
constexpr int kColumns = 64;
constexpr int kRobotX = 128;
constexpr uint32_t kTransparent = 0xFF00FF;
constexpr int kFirstGlyphCode = 32;  // the space, the font sheet's top glyph
constexpr int kLastGlyphCode = 126;  // the tilde, its bottom glyph
constexpr int kGlyph = 9;            // a glyph's width and height in both fonts
constexpr int kSecondsGlyphs = 11;   // the round's seconds: a 32-bit count with its sign

// An RGB picture, 0xRRGGBB per pixel.
struct Picture {
    int w = 0;
    int h = 0;
    std::vector<uint32_t> pixels;
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * w + x]; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
};

// A rectangle of the screen, left and top inside, right and bottom outside.
struct Area {
    int left;
    int top;
    int right;
    int bottom;
    bool holds(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// Where the game writes over a game frame, one glyph high each: "Get ready!" from (321, 220)
// with the count at (420, 220), or "Crashed!" from (339, 220); "Press Enter to restart." from
// (276, 238).
const Area kUpperMessage{321, 220, 429, 229};
const Area kLowerMessage{276, 238, 483, 247};

// The longest name a tile type has: the editor writes tile names at the top and above the
// pointer.
int longestTileName() {
    size_t longest = 0;
    for (int32_t type = 0; type < kTileTypeCount; ++type) {
        longest = std::max(longest, std::string(tileTypeName(type)).size());
    }
    return static_cast<int>(longest);
}

// The outline of cell (row, column): 1-pixel lines along its four sides, the right and bottom
// ones one past the cell, as the game draws boxes. The game draws nothing within a pixel of
// the window's top and left edges, so lines there are not left out.
void addOutline(std::vector<Area>& areas, int row, int column) {
    const int left = column * kTile;
    const int top = row * kTile;
    constexpr int kEdge = 1;
    if (top > kEdge) {
        areas.push_back(Area{left, top, left + kTile + 1, top + 1});
    }
    areas.push_back(Area{left, top + kTile, left + kTile + 1, top + kTile + 1});
    if (left > kEdge) {
        areas.push_back(Area{left, top, left + 1, top + kTile + 1});
    }
    areas.push_back(Area{left + kTile, top, left + kTile + 1, top + kTile + 1});
}

// What the tile editor draws over a game frame, for the pointer at (pointerX, pointerY):
// "Brush: " and the brush's name from (64, 0), "Seconds: " and the count from (64, 9); the
// outline of the cell under the pointer (drawn before the level, so it shows only where the
// rock leaves the background bare) and that cell's tile name one glyph above the pointer; the
// outline of the top-left cell and, when `withBrush`, the whole of that cell, where the brush
// is shown.
std::vector<Area> editorMarks(int pointerX, int pointerY, bool withBrush) {
    const int name = longestTileName();
    const int textRight = 64 + kGlyph * std::max(7 + name, 9 + kSecondsGlyphs);
    std::vector<Area> marks{Area{64, 0, textRight, 2 * kGlyph}};
    if (withBrush) {
        marks.push_back(Area{0, 0, kTile + 1, kTile + 1});
    } else {
        addOutline(marks, 0, 0);
    }
    const int row = std::clamp(pointerY / kTile, 0, kRows - 1);
    const int column = std::clamp(pointerX / kTile, 0, kColumns - 1);
    addOutline(marks, row, column);
    marks.push_back(Area{pointerX, pointerY - kGlyph, pointerX + kGlyph * name, pointerY});
    return marks;
}

// A whole number from the command line, within [low, high].
bool parseNumber(const char* text, long low, long high, int& out) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || value < low || value > high) {
        return false;
    }
    out = static_cast<int>(value);
    return true;
}

// The pointer's place from two arguments, or (0, 0), where the game starts it, without them.
bool parsePointer(int argc, char** argv, int first, int& x, int& y) {
    x = 0;
    y = 0;
    if (argc == first) {
        return true;
    }
    if (argc == first + 2 && parseNumber(argv[first], 0, kWidth - 1, x) &&
        parseNumber(argv[first + 1], 0, kHeight - 1, y)) {
        return true;
    }
    std::fprintf(stderr, "the pointer's place must be two numbers inside the window\n");
    return false;
}

bool loadPicture(const std::string& file, Picture& out) {
    SDL_Surface* s = IMG_Load(file.c_str());
    if (s == nullptr) {
        std::fprintf(stderr, "cannot read %s: %s\n", file.c_str(), IMG_GetError());
        return false;
    }
    out.w = s->w;
    out.h = s->h;
    out.pixels.assign(static_cast<size_t>(s->w) * s->h, 0);
    SDL_LockSurface(s);
    const int bpp = s->format->BytesPerPixel;
    for (int y = 0; y < s->h; ++y) {
        for (int x = 0; x < s->w; ++x) {
            const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * bpp;
            Uint32 raw = 0;
            switch (bpp) {
                case 1:
                    raw = *p;
                    break;
                case 2:
                    raw = *reinterpret_cast<const Uint16*>(p);
                    break;
                case 3:
                    raw = SDL_BYTEORDER == SDL_LIL_ENDIAN ? (p[0] | p[1] << 8 | p[2] << 16)
                                                          : (p[2] | p[1] << 8 | p[0] << 16);
                    break;
                default:
                    raw = *reinterpret_cast<const Uint32*>(p);
                    break;
            }
            Uint8 r = 0;
            Uint8 g = 0;
            Uint8 b = 0;
            SDL_GetRGB(raw, s->format, &r, &g, &b);
            out.pixels[static_cast<size_t>(y) * s->w + x] =
                static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 | b;
        }
    }
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    return true;
}

bool savePicture(const Picture& pic, const std::string& file) {
    std::FILE* f = std::fopen(file.c_str(), "wb");
    if (f == nullptr) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, pic.w, pic.h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<size_t>(pic.w) * 3);
    for (int y = 0; y < pic.h; ++y) {
        for (int x = 0; x < pic.w; ++x) {
            const uint32_t p = pic.at(x, y);
            row[x * 3] = static_cast<png_byte>(p >> 16);
            row[x * 3 + 1] = static_cast<png_byte>(p >> 8);
            row[x * 3 + 2] = static_cast<png_byte>(p);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

// The window's pixels as the screen shows them, read from the root window at its place.
int capture(const char* windowId, const char* outFile) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 1;
    }
    const Window window = static_cast<Window>(std::strtoul(windowId, nullptr, 0));
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) == 0) {
        std::fprintf(stderr, "no window %s\n", windowId);
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, root, 0, 0, &rootX, &rootY, &child);
    XImage* image = XGetImage(display, root, rootX, rootY, attributes.width, attributes.height,
                              AllPlanes, ZPixmap);
    if (image == nullptr) {
        std::fprintf(stderr, "cannot read the window's pixels\n");
        return 1;
    }
    Picture pic;
    pic.w = attributes.width;
    pic.h = attributes.height;
    pic.pixels.resize(static_cast<size_t>(pic.w) * pic.h);
    for (int y = 0; y < pic.h; ++y) {
        for (int x = 0; x < pic.w; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            const uint32_t r = static_cast<uint32_t>((p & image->red_mask) >> 16) & 0xFF;
            const uint32_t g = static_cast<uint32_t>((p & image->green_mask) >> 8) & 0xFF;
            const uint32_t b = static_cast<uint32_t>(p & image->blue_mask) & 0xFF;
            pic.pixels[static_cast<size_t>(y) * pic.w + x] = r << 16 | g << 8 | b;
        }
    }
    XDestroyImage(image);
    XCloseDisplay(display);
    if (!savePicture(pic, outFile)) {
        std::fprintf(stderr, "cannot write %s\n", outFile);
        return 1;
    }
    return 0;
}

bool loadShot(const char* file, Picture& shot) {
    if (!loadPicture(file, shot)) {
        return false;
    }
    if (shot.w != kWidth || shot.h != kHeight) {
        std::fprintf(stderr, "the screenshot is %dx%d, not %dx%d\n", shot.w, shot.h, kWidth,
                     kHeight);
        return false;
    }
    return true;
}

int welcome(const char* shotFile) {
    Picture shot;
    Picture paper;
    Picture front;
    if (!loadShot(shotFile, shot) || !loadPicture("data/images/sprites/paper.png", paper) ||
        !loadPicture("data/images/sprites/welcomeScreen.png", front)) {
        return 1;
    }
    long wrong = 0;
    int firstX = -1;
    int firstY = -1;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const uint32_t f = front.inside(x, y) ? front.at(x, y) : kTransparent;
            const uint32_t expected = f == kTransparent ? paper.at(x % paper.w, y % paper.h) : f;
            if (shot.at(x, y) != expected) {
                if (wrong++ == 0) {
                    firstX = x;
                    firstY = y;
                }
            }
        }
    }
    if (wrong != 0) {
        std::fprintf(stderr, "%ld pixels differ from the welcome picture, first at %d, %d\n", wrong,
                     firstX, firstY);
        return 1;
    }
    return 0;
}

// A picture with the frames of its first animation: what a tile or a block may show.
struct Sheet {
    Picture picture;
    std::vector<Rect> frames;
};

// The tile readers write their messages to standard output, where the answers don't go.
void quietReaders() {
    std::FILE* quiet = std::freopen("/dev/null", "w", stdout);
    (void)quiet;
}

// The sheet of the named tile type as its tile file describes it: its first animation's
// frames (or the picture's first square when the file names none) over its picture.
bool loadTileSheet(TileReader& tiles, const std::string& name, Sheet& out) {
    const Tile t = tiles.getTile(name);
    out.frames.clear();
    if (!t.blocks.empty() && !t.blocks[0].animations.empty()) {
        out.frames = t.blocks[0].animations[0].frames;
    }
    if (out.frames.empty()) {
        out.frames.push_back(Rect{0, 0, kTile, kTile});
    }
    return loadPicture("data/images/tiles/" + name + ".png", out.picture);
}

// How a frame drawn at a place compares with the shot: the pixels looked at, and of those the
// ones that differ, with the first of them.
struct Comparison {
    long looked = 0;
    long wrong = 0;
    int firstX = -1;
    int firstY = -1;
};

// Compares the frame of the sheet, drawn with its top-left corner at (left, top), with the
// shot wherever it is opaque and on the screen; with emptyShowsPaper its transparent pixels
// must show the background. Pixels in the skipped areas are not looked at. With stopEarly the
// comparison ends at the first difference.
Comparison compareFrame(const Picture& shot, const Picture& sheet, const Rect& frame, int left,
                        int top, const std::vector<Area>& skipped, const Picture& paper,
                        bool emptyShowsPaper, bool stopEarly) {
    Comparison result;
    for (int y = 0; y < frame.h; ++y) {
        for (int x = 0; x < frame.w; ++x) {
            const int sx = left + x;
            const int sy = top + y;
            if (!shot.inside(sx, sy) ||
                std::any_of(skipped.begin(), skipped.end(),
                            [sx, sy](const Area& a) { return a.holds(sx, sy); })) {
                continue;
            }
            uint32_t expected = sheet.inside(frame.x + x, frame.y + y)
                                    ? sheet.at(frame.x + x, frame.y + y)
                                    : kTransparent;
            if (expected == kTransparent) {
                if (!emptyShowsPaper) {
                    continue;
                }
                expected = paper.at(sx % paper.w, sy % paper.h);
            }
            result.looked += 1;
            if (shot.at(sx, sy) != expected) {
                if (result.wrong++ == 0) {
                    result.firstX = sx;
                    result.firstY = sy;
                }
                if (stopEarly) {
                    return result;
                }
            }
        }
    }
    return result;
}

bool frameMatches(const Picture& shot, const Picture& sheet, const Rect& frame, int left, int top,
                  const std::vector<Area>& skipped, const Picture& paper, bool emptyShowsPaper) {
    return compareFrame(shot, sheet, frame, left, top, skipped, paper, emptyShowsPaper, true)
               .wrong == 0;
}

// The opaque pixels of a frame of the sheet.
long opaquePixels(const Picture& sheet, const Rect& frame) {
    long count = 0;
    for (int y = 0; y < frame.h; ++y) {
        for (int x = 0; x < frame.w; ++x) {
            if (sheet.inside(frame.x + x, frame.y + y) &&
                sheet.at(frame.x + x, frame.y + y) != kTransparent) {
                count += 1;
            }
        }
    }
    return count;
}

int scene(const char* shotFile, int pointerX, int pointerY) {
    Picture shot;
    Picture paper;
    if (!loadShot(shotFile, shot) || !loadPicture("data/images/sprites/paper.png", paper)) {
        return 1;
    }

    // The level as its file names it, and one sheet per tile type that it uses.
    std::ifstream levelFile("data/levels/level_0.lvl");
    std::vector<std::string> names;
    for (std::string word; names.size() < kRows * kColumns && levelFile >> word;) {
        names.push_back(word);
    }
    if (names.size() != kRows * kColumns) {
        std::fprintf(stderr, "data/levels/level_0.lvl does not name %d cells\n", kRows * kColumns);
        return 1;
    }
    quietReaders();
    TileReader tiles;
    std::vector<std::unique_ptr<Sheet>> sheets(names.size());
    std::vector<bool> empty(names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        empty[i] = tiles.getTile(names[i]).type == EMPTY;
        if (empty[i]) {
            continue;
        }
        sheets[i] = std::make_unique<Sheet>();
        if (!loadTileSheet(tiles, names[i], *sheets[i])) {
            return 1;
        }
    }

    // The robot: every frame of its last block (the body) is a candidate, at any height where
    // the window's edges let it be, wholly inside. It flies at x 128; only a crash moves it
    // sideways, pushed out of the rock by less than a cell, so x 128 is tried first and then
    // the places ever further from it. What is written over it is left out, but at least half
    // of the frame's opaque pixels must be seen, so that text alone cannot pass for the robot.
    EntityReader entities;
    const Entity robot = entities.getEntity("robot");
    Picture robotSheet;
    if (robot.blocks.empty() || robot.blocks.back().animations.empty() ||
        !loadPicture("data/images/entities/robot.png", robotSheet)) {
        std::fprintf(stderr, "the robot cannot be read\n");
        return 1;
    }
    const Block& body = robot.blocks.back();
    std::vector<Area> covered{kUpperMessage, kLowerMessage};
    const std::vector<Area> marks = editorMarks(pointerX, pointerY, true);
    covered.insert(covered.end(), marks.begin(), marks.end());
    const auto robotAt = [&](int x, int y) {
        for (const Rect& frame : body.animations[0].frames) {
            const int left = x + body.xOff;
            const int top = y + body.yOff;
            if (left < 0 || top < 0 || left + frame.w > kWidth || top + frame.h > kHeight) {
                continue;
            }
            const Comparison c =
                compareFrame(shot, robotSheet, frame, left, top, covered, paper, false, true);
            if (c.wrong == 0 && 2 * c.looked >= opaquePixels(robotSheet, frame)) {
                return true;
            }
        }
        return false;
    };
    int robotX = -1;
    int robotY = -1;
    for (int shift = 0; shift < kTile && robotY < 0; ++shift) {
        for (const int x : {kRobotX - shift, kRobotX + shift}) {
            for (int y = 0; y <= kHeight - robot.box.h && robotY < 0; ++y) {
                if (robotAt(x, y)) {
                    robotX = x;
                    robotY = y;
                }
            }
        }
    }
    if (robotY < 0) {
        std::fprintf(stderr, "the robot is not drawn within a cell of x %d\n", kRobotX);
        return 1;
    }
    int robotLeft = robotX;
    int robotRight = robotX + robot.box.w;
    for (const Block& b : robot.blocks) {
        robotLeft = std::min(robotLeft, robotX + b.xOff);
        robotRight = std::max(robotRight, robotX + b.xOff + b.dst.w);
    }

    // The level: some column k at the left edge, scrolled s pixels, with every cell showing its
    // tile (in one of its frames) over the background, or the background where it is empty.
    // The robot's band of columns, the message lines and the editor's marks are left out. When
    // a round begins part way into a tile, the level lets go of its leftmost column while a
    // strip of it is still on screen: that strip may show the bare background instead, the
    // whole column at once.
    std::vector<Area> skipped = covered;
    skipped.push_back(Area{robotLeft, 0, robotRight, kHeight});
    const auto bare = [&](int left, int top) {
        return frameMatches(shot, paper, Rect{left, top, kTile, kTile}, left, top, skipped, paper,
                            false);
    };
    const auto columnBare = [&](int left) {
        for (int row = 0; row < kRows; ++row) {
            if (!bare(left, row * kTile)) {
                return false;
            }
        }
        return true;
    };
    // The number of the column's tiles seen, or -1 when some cell does not show what it holds.
    const auto columnShows = [&](int column, int left) {
        int seen = 0;
        for (int row = 0; row < kRows; ++row) {
            const size_t cell = static_cast<size_t>(row) * kColumns + column;
            const int top = row * kTile;
            if (empty[cell]) {
                if (!bare(left, top)) {
                    return -1;
                }
                continue;
            }
            const Sheet& sheet = *sheets[cell];
            if (std::none_of(sheet.frames.begin(), sheet.frames.end(), [&](const Rect& frame) {
                    return frameMatches(shot, sheet.picture, frame, left, top, skipped, paper,
                                        true);
                })) {
                return -1;
            }
            seen += 1;
        }
        return seen;
    };
    for (int k = 0; k < kColumns; ++k) {
        for (int s = 0; s < kTile; ++s) {
            bool all = true;
            bool leftmostGone = false;
            int tilesSeen = 0;
            for (int c = 0; c <= kWidth / kTile && all; ++c) {
                const int left = c * kTile - s;
                const int seen = columnShows((k + c) % kColumns, left);
                if (seen >= 0) {
                    tilesSeen += seen;
                } else if (c == 0 && s > 0 && columnBare(left)) {
                    leftmostGone = true;
                } else {
                    all = false;
                }
            }
            if (all) {
                std::fprintf(stderr,
                             "level column %d at the left edge, scrolled %d pixels%s, %d "
                             "tiles on screen; robot at x %d, y %d\n",
                             k, s, leftmostGone ? " (that column already gone)" : "", tilesSeen,
                             robotX, robotY);
                return 0;
            }
        }
    }
    std::fprintf(stderr, "the screen does not show the level at any scroll position\n");
    return 1;
}

// The square of a cell's size at (left, top), wholly inside the window, against each frame of
// the named tile over the background, or the bare background for "empty". Of the editor's
// marks its text and the outlines are left out, not the top-left cell: the brush is shown
// there. At least half of the square must be looked at.
int tile(const char* shotFile, int left, int top, const std::string& name, int pointerX,
         int pointerY) {
    TileType type = EMPTY;
    if (!tileTypeFromName(name, type)) {
        std::fprintf(stderr, "no tile type is named %s\n", name.c_str());
        return 2;
    }
    Picture shot;
    Picture paper;
    if (!loadShot(shotFile, shot) || !loadPicture("data/images/sprites/paper.png", paper)) {
        return 1;
    }
    Sheet sheet;
    if (type == EMPTY) {
        // Nothing opaque: every pixel must show the background.
        sheet.picture.w = kTile;
        sheet.picture.h = kTile;
        sheet.picture.pixels.assign(static_cast<size_t>(kTile) * kTile, kTransparent);
        sheet.frames.push_back(Rect{0, 0, kTile, kTile});
    } else {
        quietReaders();
        TileReader tiles;
        if (!loadTileSheet(tiles, name, sheet)) {
            return 1;
        }
    }
    const std::vector<Area> marks = editorMarks(pointerX, pointerY, false);
    Comparison closest;
    size_t closestFrame = 0;
    for (size_t i = 0; i < sheet.frames.size(); ++i) {
        const Comparison c = compareFrame(shot, sheet.picture, sheet.frames[i], left, top, marks,
                                          paper, true, false);
        if (c.wrong == 0 && 2 * c.looked >= static_cast<long>(kTile) * kTile) {
            return 0;
        }
        if (i == 0 || c.wrong < closest.wrong) {
            closest = c;
            closestFrame = i;
        }
    }
    if (closest.wrong == 0) {
        std::fprintf(stderr, "only %ld pixels of the square at %d, %d can be looked at\n",
                     closest.looked, left, top);
        return 1;
    }
    std::fprintf(stderr,
                 "the square at %d, %d does not show %s: %ld of %ld pixels differ from its frame "
                 "%zu, the closest, first at %d, %d\n",
                 left, top, type == EMPTY ? "the bare background" : name.c_str(), closest.wrong,
                 closest.looked, closestFrame, closest.firstX, closest.firstY);
    return 1;
}

// A copy of the shot with the rectangle (clipped to the window) showing the background.
int cover(const char* shotFile, const char* outFile, int left, int top, int w, int h) {
    Picture shot;
    Picture paper;
    if (!loadShot(shotFile, shot) || !loadPicture("data/images/sprites/paper.png", paper)) {
        return 1;
    }
    for (int y = std::max(top, 0); y < std::min(top + h, kHeight); ++y) {
        for (int x = std::max(left, 0); x < std::min(left + w, kWidth); ++x) {
            shot.pixels[static_cast<size_t>(y) * kWidth + x] = paper.at(x % paper.w, y % paper.h);
        }
    }
    if (!savePicture(shot, outFile)) {
        std::fprintf(stderr, "cannot write %s\n", outFile);
        return 1;
    }
    return 0;
}

// Every opaque pixel of every glyph of the text, glyph i drawn at (x + 9 i, y), must be on the
// screen with the font's colour; the transparent ones are not looked at. A text without a
// single opaque pixel (only spaces) cannot be told from no text, so it is not seen either.
// The game writes on two fonts: kestrine_9, dark ink in a light halo, and kestrine_9_negative,
// whose glyphs fill their whole cell.
int text(const char* shotFile, const char* xText, const char* yText, const std::string& message,
         const std::string& fontName) {
    if (fontName != "kestrine_9" && fontName != "kestrine_9_negative") {
        std::fprintf(stderr, "the game has no font %s\n", fontName.c_str());
        return 2;
    }
    char* end = nullptr;
    const long x0 = std::strtol(xText, &end, 10);
    const bool xGood = *xText != '\0' && *end == '\0';
    const long y0 = std::strtol(yText, &end, 10);
    if (!xGood || *yText == '\0' || *end != '\0' || x0 < -kWidth || x0 > kWidth || y0 < -kHeight ||
        y0 > kHeight) {
        std::fprintf(stderr, "the place %s, %s is not a pair of pixel coordinates\n", xText, yText);
        return 2;
    }
    for (const char c : message) {
        const int code = static_cast<unsigned char>(c);
        if (code < kFirstGlyphCode || code > kLastGlyphCode) {
            std::fprintf(stderr, "character %d has no glyph of its own\n", code);
            return 2;
        }
    }
    Picture shot;
    Picture font;
    if (!loadShot(shotFile, shot) || !loadPicture("data/images/fonts/" + fontName + ".png", font)) {
        return 1;
    }
    const int glyphCount = kLastGlyphCode - kFirstGlyphCode + 1;
    const int size = font.h / glyphCount;
    if (size <= 0 || font.w < size) {
        std::fprintf(stderr, "the font sheet is %dx%d, too small for %d glyphs\n", font.w, font.h,
                     glyphCount);
        return 1;
    }
    long opaque = 0;
    long wrong = 0;
    int firstX = 0;
    int firstY = 0;
    char firstChar = ' ';
    std::string firstSeen;
    uint32_t firstWanted = 0;
    for (size_t i = 0; i < message.size(); ++i) {
        const int top = (static_cast<unsigned char>(message[i]) - kFirstGlyphCode) * size;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const uint32_t wanted = font.at(x, top + y);
                if (wanted == kTransparent) {
                    continue;
                }
                opaque += 1;
                const int sx = static_cast<int>(x0) + static_cast<int>(i) * size + x;
                const int sy = static_cast<int>(y0) + y;
                const bool onScreen = shot.inside(sx, sy);
                if (!onScreen || shot.at(sx, sy) != wanted) {
                    if (wrong++ == 0) {
                        firstX = sx;
                        firstY = sy;
                        firstChar = message[i];
                        char seen[16] = "off the screen";
                        if (onScreen) {
                            std::snprintf(seen, sizeof seen, "%06X", shot.at(sx, sy));
                        }
                        firstSeen = seen;
                        firstWanted = wanted;
                    }
                }
            }
        }
    }
    if (opaque == 0) {
        std::fprintf(stderr, "\"%s\" has no opaque pixel to look for\n", message.c_str());
        return 1;
    }
    if (wrong != 0) {
        std::fprintf(stderr,
                     "\"%s\" is not written at %ld, %ld: %ld of its %ld pixels differ, first at "
                     "%d, %d in '%c' (%s instead of %06X)\n",
                     message.c_str(), x0, y0, wrong, opaque, firstX, firstY, firstChar,
                     firstSeen.c_str(), firstWanted);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    int pointerX = 0;
    int pointerY = 0;
    if (command == "capture" && argc == 4) {
        return capture(argv[2], argv[3]);
    }
    if (command == "welcome" && argc == 3) {
        return welcome(argv[2]);
    }
    if (command == "scene" && (argc == 3 || argc == 5)) {
        if (!parsePointer(argc, argv, 3, pointerX, pointerY)) {
            return 2;
        }
        return scene(argv[2], pointerX, pointerY);
    }
    if (command == "tile" && (argc == 6 || argc == 8)) {
        int left = 0;
        int top = 0;
        if (!parseNumber(argv[3], 0, kWidth - kTile, left) ||
            !parseNumber(argv[4], 0, kHeight - kTile, top)) {
            std::fprintf(stderr, "the square at %s, %s is not wholly inside the window\n", argv[3],
                         argv[4]);
            return 2;
        }
        if (!parsePointer(argc, argv, 6, pointerX, pointerY)) {
            return 2;
        }
        return tile(argv[2], left, top, argv[5], pointerX, pointerY);
    }
    if (command == "text" && (argc == 6 || argc == 7)) {
        return text(argv[2], argv[3], argv[4], argv[5], argc == 7 ? argv[6] : "kestrine_9");
    }
    if (command == "cover" && argc == 8) {
        int place[4] = {0, 0, 0, 0};
        for (int i = 0; i < 4; ++i) {
            if (!parseNumber(argv[4 + i], -kWidth, 2 * kWidth, place[i])) {
                std::fprintf(stderr, "%s is not a number of pixels\n", argv[4 + i]);
                return 2;
            }
        }
        return cover(argv[2], argv[3], place[0], place[1], place[2], place[3]);
    }
    std::fprintf(stderr,
                 "usage: screen_probe capture <window> <out.png> | welcome <shot.png> | "
                 "scene <shot.png> [<px> <py>] | tile <shot.png> <x> <y> <name> [<px> <py>] | "
                 "text <shot.png> <x> <y> <text> [<font>] | "
                 "cover <shot.png> <out.png> <x> <y> <w> <h>\n");
    return 2;
}

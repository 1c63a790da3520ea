// Looks at the game's window from outside, for the end-to-end tests and the README picture.
//
//   screen_probe capture <window id> <out.png>   the window's pixels as an RGB PNG
//   screen_probe welcome <shot.png>              is it the welcome picture over the background?
//   screen_probe scene <shot.png>                is it a game frame: the level, scrolled, and
//                                                the robot at x 128? The two lines where the
//                                                game writes its messages ("Get ready!" and the
//                                                count, "Crashed!", "Press Enter to restart.")
//                                                are not looked at.
//   screen_probe text <shot.png> <x> <y> <text>  is the text written there in the game's font
//                                                (fonts/kestrine_9), one glyph every 9 pixels
//                                                from (x, y)?
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

// Does the frame of the sheet, drawn with its top-left corner at (left, top), match the shot
// wherever it is opaque and on the screen? Pixels in the skipped areas are not looked at.
bool frameMatches(const Picture& shot, const Picture& sheet, const Rect& frame, int left, int top,
                  const std::vector<Area>& skipped, const Picture& paper, bool emptyShowsPaper) {
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
            if (shot.at(sx, sy) != expected) {
                return false;
            }
        }
    }
    return true;
}

int scene(const char* shotFile) {
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
    std::FILE* quiet = std::freopen("/dev/null", "w", stdout);  // the readers' messages
    (void)quiet;
    TileReader tiles;
    std::vector<std::unique_ptr<Sheet>> sheets(names.size());
    std::vector<bool> empty(names.size());
    std::vector<std::pair<std::string, Sheet*>> loaded;
    for (size_t i = 0; i < names.size(); ++i) {
        const Tile t = tiles.getTile(names[i]);
        empty[i] = t.type == EMPTY;
        if (empty[i]) {
            continue;
        }
        sheets[i] = std::make_unique<Sheet>();
        if (!t.blocks.empty() && !t.blocks[0].animations.empty()) {
            sheets[i]->frames = t.blocks[0].animations[0].frames;
        }
        if (sheets[i]->frames.empty()) {
            sheets[i]->frames.push_back(Rect{0, 0, kTile, kTile});
        }
        if (!loadPicture("data/images/tiles/" + names[i] + ".png", sheets[i]->picture)) {
            return 1;
        }
    }

    // The robot: every frame of its last block (the body) is a candidate, at x 128, any y.
    EntityReader entities;
    const Entity robot = entities.getEntity("robot");
    Picture robotSheet;
    if (robot.blocks.empty() || robot.blocks.back().animations.empty() ||
        !loadPicture("data/images/entities/robot.png", robotSheet)) {
        std::fprintf(stderr, "the robot cannot be read\n");
        return 1;
    }
    const Block& body = robot.blocks.back();
    int robotLeft = kRobotX;
    int robotRight = kRobotX + robot.box.w;
    for (const Block& b : robot.blocks) {
        robotLeft = std::min(robotLeft, kRobotX + b.xOff);
        robotRight = std::max(robotRight, kRobotX + b.xOff + b.dst.w);
    }
    const std::vector<Area> messages{kUpperMessage, kLowerMessage};
    int robotY = -1;
    for (int y = -robot.box.h; y <= kHeight && robotY < 0; ++y) {
        for (const Rect& frame : body.animations[0].frames) {
            if (frameMatches(shot, robotSheet, frame, kRobotX + body.xOff, y + body.yOff, messages,
                             paper, false)) {
                robotY = y;
                break;
            }
        }
    }
    if (robotY < 0) {
        std::fprintf(stderr, "the robot is not drawn at x %d\n", kRobotX);
        return 1;
    }

    // The level: some column k at the left edge, scrolled s pixels, with every cell showing its
    // tile (in one of its frames) over the background, or the background where it is empty.
    // The robot's band of columns and the message lines are left out. When a round begins part
    // way into a tile, the level lets go of its leftmost column while a strip of it is still on
    // screen: that strip may show the bare background instead, the whole column at once.
    std::vector<Area> skipped = messages;
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
                             "tiles on screen; robot at y %d\n",
                             k, s, leftmostGone ? " (that column already gone)" : "", tilesSeen,
                             robotY);
                return 0;
            }
        }
    }
    std::fprintf(stderr, "the screen does not show the level at any scroll position\n");
    return 1;
}

// Every opaque pixel of every glyph of the text, glyph i drawn at (x + 9 i, y), must be on the
// screen with the font's colour; the transparent ones are not looked at. A text without a
// single opaque pixel (only spaces) cannot be told from no text, so it is not seen either.
int text(const char* shotFile, const char* xText, const char* yText, const std::string& message) {
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
    if (!loadShot(shotFile, shot) || !loadPicture("data/images/fonts/kestrine_9.png", font)) {
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
    if (command == "capture" && argc == 4) {
        return capture(argv[2], argv[3]);
    }
    if (command == "welcome" && argc == 3) {
        return welcome(argv[2]);
    }
    if (command == "scene" && argc == 3) {
        return scene(argv[2]);
    }
    if (command == "text" && argc == 6) {
        return text(argv[2], argv[3], argv[4], argv[5]);
    }
    std::fprintf(stderr,
                 "usage: screen_probe capture <window> <out.png> | welcome <shot.png> | "
                 "scene <shot.png> | text <shot.png> <x> <y> <text>\n");
    return 2;
}

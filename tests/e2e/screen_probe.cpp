// Looks at the game's window from outside, for the end-to-end tests and the README picture.
//
//   screen_probe capture <window id> <out.png>   the window's pixels as an RGB PNG
//   screen_probe welcome <shot.png>              is it the welcome picture over the background?
//   screen_probe scene <shot.png>                is it a game frame: the level, scrolled, and
//                                                the robot at x 128?
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

// An RGB picture, 0xRRGGBB per pixel.
struct Picture {
    int w = 0;
    int h = 0;
    std::vector<uint32_t> pixels;
    uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * w + x]; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
};

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
// wherever it is opaque and on the screen? Pixels in [skipFrom, skipTo) are not looked at.
bool frameMatches(const Picture& shot, const Picture& sheet, const Rect& frame, int left, int top,
                  int skipFrom, int skipTo, const Picture& paper, bool emptyShowsPaper) {
    for (int y = 0; y < frame.h; ++y) {
        for (int x = 0; x < frame.w; ++x) {
            const int sx = left + x;
            const int sy = top + y;
            if (!shot.inside(sx, sy) || (sx >= skipFrom && sx < skipTo)) {
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
    int robotY = -1;
    for (int y = -robot.box.h; y <= kHeight && robotY < 0; ++y) {
        for (const Rect& frame : body.animations[0].frames) {
            if (frameMatches(shot, robotSheet, frame, kRobotX + body.xOff, y + body.yOff, 0, 0,
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
    // The robot's band of columns is left out.
    for (int k = 0; k < kColumns; ++k) {
        for (int s = 0; s < kTile; ++s) {
            bool all = true;
            int tilesSeen = 0;
            for (int c = 0; c <= kWidth / kTile && all; ++c) {
                const int column = (k + c) % kColumns;
                const int left = c * kTile - s;
                for (int row = 0; row < kRows && all; ++row) {
                    const size_t cell = static_cast<size_t>(row) * kColumns + column;
                    if (empty[cell]) {
                        all = frameMatches(shot, paper, Rect{left, row * kTile, kTile, kTile}, left,
                                           row * kTile, robotLeft, robotRight, paper, false);
                        continue;
                    }
                    bool some = false;
                    for (const Rect& frame : sheets[cell]->frames) {
                        if (frameMatches(shot, sheets[cell]->picture, frame, left, row * kTile,
                                         robotLeft, robotRight, paper, true)) {
                            some = true;
                            break;
                        }
                    }
                    all = some;
                    tilesSeen += some ? 1 : 0;
                }
            }
            if (all) {
                std::fprintf(stderr,
                             "level column %d at the left edge, scrolled %d pixels, %d "
                             "tiles on screen; robot at y %d\n",
                             k, s, tilesSeen, robotY);
                return 0;
            }
        }
    }
    std::fprintf(stderr, "the screen does not show the level at any scroll position\n");
    return 1;
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
    std::fprintf(stderr,
                 "usage: screen_probe capture <window> <out.png> | welcome <shot.png> | "
                 "scene <shot.png>\n");
    return 2;
}

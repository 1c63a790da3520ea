// Reading what the game drew: a copy of the screen at one moment, and whether it shows a text
// in one of the game's fonts or a tile's picture, compared pixel by pixel with the pictures'
// own files.
#pragma once

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Surfaces.h"
#include "world/Rect.h"
#include "world/Tile.h"

// The screen as it was at one moment.
struct Shot {
    int w = 0;
    int h = 0;
    std::vector<Uint32> pixels;
    Uint32 at(int x, int y) const { return pixels[static_cast<size_t>(y * w + x)]; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
};

inline Shot shotOf(SDL_Surface* screen) {
    Shot shot;
    shot.w = screen->w;
    shot.h = screen->h;
    for (int y = 0; y < screen->h; ++y) {
        for (int x = 0; x < screen->w; ++x) {
            shot.pixels.push_back(pixelAt(screen, x, y));
        }
    }
    return shot;
}

// A picture of data/images in the screen's format, as the game converts it; freed with the
// object. Magenta marks its transparent pixels.
class Picture {
public:
    explicit Picture(const std::string& name) {
        const std::string file = "data/images/" + name + ".png";
        SDL_Surface* loaded = IMG_Load(file.c_str());
        EXPECT_NE(loaded, nullptr) << file;
        if (loaded != nullptr) {
            surface = SDL_DisplayFormat(loaded);
            SDL_FreeSurface(loaded);
        }
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    ~Picture() {
        if (surface != nullptr) {
            SDL_FreeSurface(surface);
        }
    }

    bool loaded() const { return surface != nullptr; }
    bool transparent(int x, int y) const {
        return pixelAt(surface, x, y) == rgbOf(surface, 255, 0, 255);
    }
    Uint32 at(int x, int y) const { return pixelAt(surface, x, y); }

    SDL_Surface* surface = nullptr;
};

// Screen pixels a check leaves out, such as lines where other text is written.
using Skipped = std::function<bool(int x, int y)>;
inline bool nothingSkipped(int, int) {
    return false;
}

// Whether every opaque pixel of the part `frame` of the picture shows on the shot with its
// top-left corner at (left, top), leaving out pixels off the screen and skipped ones. A part
// without a single opaque pixel there cannot be told from nothing, so it is not seen.
inline bool showsPart(const Shot& shot, const Picture& picture, const Rect& frame, int left,
                      int top, const Skipped& skipped = nothingSkipped) {
    if (!picture.loaded() || frame.w <= 0 || frame.h <= 0) {
        return false;
    }
    int opaque = 0;
    for (int y = 0; y < frame.h; ++y) {
        for (int x = 0; x < frame.w; ++x) {
            const int sx = left + x;
            const int sy = top + y;
            if (picture.transparent(frame.x + x, frame.y + y) || !shot.inside(sx, sy) ||
                skipped(sx, sy)) {
                continue;
            }
            ++opaque;
            if (shot.at(sx, sy) != picture.at(frame.x + x, frame.y + y)) {
                return false;
            }
        }
    }
    return opaque > 0;
}

// Whether the text shows at (x, y), glyph after glyph, in the font whose sheet is `sheet`
// (one column of 9-pixel glyphs, from the space on), leaving out skipped pixels.
inline bool showsText(const Shot& shot, const Picture& sheet, const std::string& text, int x, int y,
                      const Skipped& skipped = nothingSkipped) {
    bool anyInk = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const Rect glyph{0, (static_cast<unsigned char>(text[i]) - 32) * 9, 9, 9};
        const int left = x + 9 * static_cast<int>(i);
        if (showsPart(shot, sheet, glyph, left, y, skipped)) {
            anyInk = true;
            continue;
        }
        // A space, or a glyph entirely off the screen, has nothing to show.
        bool inkOnScreen = false;
        for (int gy = 0; gy < 9; ++gy) {
            for (int gx = 0; gx < 9; ++gx) {
                inkOnScreen =
                    inkOnScreen || (!sheet.transparent(gx, glyph.y + gy) &&
                                    shot.inside(left + gx, y + gy) && !skipped(left + gx, y + gy));
            }
        }
        if (inkOnScreen) {
            return false;
        }
    }
    return anyInk;
}

// Whether the shot shows the tile in one of its frames (the drawing steps the animation right
// after drawing it) at the tile's place, wherever its picture is opaque.
inline bool showsTile(const Shot& shot, const Tile& tile, const Skipped& skipped = nothingSkipped) {
    if (tile.blocks.empty() || tile.blocks[0].animations.empty()) {
        return false;
    }
    const Picture picture(std::string("tiles/") + tile.getPath());
    for (const Rect& frame : tile.blocks[0].animations[0].frames) {
        if (showsPart(shot, picture, frame, tile.box.x, tile.box.y, skipped)) {
            return true;
        }
    }
    return false;
}

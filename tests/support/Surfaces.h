// Small pictures made in memory, and reading the screen back pixel by pixel.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>

// A picture in the screen's format whose pixel (x, y) has the colour colourAt(x, y) returns.
// The caller owns it (or hands it to a Graphics table, whose release frees it).
inline SDL_Surface* paintedImage(int w, int h, const std::function<Uint32(int, int)>& colourAt) {
    SDL_Surface* raw =
        SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0);
    SDL_Surface* image = SDL_DisplayFormat(raw);
    SDL_FreeSurface(raw);
    SDL_LockSurface(image);
    for (int y = 0; y < h; ++y) {
        Uint32* row =
            reinterpret_cast<Uint32*>(static_cast<Uint8*>(image->pixels) + y * image->pitch);
        for (int x = 0; x < w; ++x) {
            row[x] = colourAt(x, y);
        }
    }
    SDL_UnlockSurface(image);
    return image;
}

// A picture of one colour, with magenta transparent like every loaded image.
inline SDL_Surface* solidImage(int w, int h, Uint8 r, Uint8 g, Uint8 b) {
    SDL_Surface* image = paintedImage(w, h, [&](int, int) { return 0u; });
    SDL_FillRect(image, nullptr, SDL_MapRGB(image->format, r, g, b));
    SDL_SetColorKey(image, SDL_SRCCOLORKEY | SDL_RLEACCEL, SDL_MapRGB(image->format, 255, 0, 255));
    return image;
}

inline Uint32 pixelAt(SDL_Surface* surface, int x, int y) {
    SDL_LockSurface(surface);
    const Uint32 value = *reinterpret_cast<const Uint32*>(
        static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * 4);
    SDL_UnlockSurface(surface);
    return value;
}

inline Uint32 rgbOf(SDL_Surface* surface, Uint8 r, Uint8 g, Uint8 b) {
    return SDL_MapRGB(surface->format, r, g, b);
}

inline void fillBlack(SDL_Surface* surface) {
    SDL_FillRect(surface, nullptr, 0);
}

// Calls visit(x, y) for every pixel of the surface that is not black.
inline void forEachLitPixel(SDL_Surface* surface, const std::function<void(int, int)>& visit) {
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            if (pixelAt(surface, x, y) != 0) {
                visit(x, y);
            }
        }
    }
}

inline int countLitPixels(SDL_Surface* surface) {
    int count = 0;
    forEachLitPixel(surface, [&](int, int) { ++count; });
    return count;
}

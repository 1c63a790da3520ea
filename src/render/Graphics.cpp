#include "render/Graphics.h"

#include <SDL_image.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "world/Entity.h"
#include "world/Level.h"
#include "world/Tile.h"

namespace {

constexpr Uint32 kTransparentRed = 255;
constexpr Uint32 kTransparentGreen = 0;
constexpr Uint32 kTransparentBlue = 255;
constexpr size_t kFileNameBuffer = 256;

// Appends `part` to the zero-terminated `buffer` of kFileNameBuffer bytes. Returns false when
// it does not fit whole: a cut-off name would load some other file.
bool appendBounded(char* buffer, const char* part) {
    size_t used = std::strlen(buffer);
    size_t extra = std::strlen(part);
    if (used + extra >= kFileNameBuffer) {
        return false;
    }
    std::memcpy(buffer + used, part, extra + 1);
    return true;
}

}  // namespace

Graphics::Graphics(int32_t width, int32_t height, int32_t tileSize)
    : width(width), height(height), tileSize(tileSize) {
    columns = width / tileSize;
    rows = height / tileSize;

    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "Unable to init SDL: %s\n", SDL_GetError());
        std::exit(1);
    }

    // The icon must be set before the first video mode, or SDL 1.2 ignores it.
    SDL_Surface* icon = IMG_Load("data/images/icon.png");
    if (icon != nullptr) {
        SDL_SetColorKey(
            icon, SDL_SRCCOLORKEY,
            SDL_MapRGB(icon->format, kTransparentRed, kTransparentGreen, kTransparentBlue));
        SDL_WM_SetIcon(icon, nullptr);
        SDL_FreeSurface(icon);
    } else {
        std::printf("Unable to load bitmap: %s\n", SDL_GetError());
    }

    SDL_WM_SetCaption("Zephlark!", "=3");

    screen = SDL_SetVideoMode(width, height, 32, SDL_DOUBLEBUF);
    if (screen == nullptr) {
        std::printf("Unable to set video mode: %s\n", SDL_GetError());
        // Nothing can be drawn or converted without a screen: stop here, as a failed start.
        std::fflush(stdout);
        std::exit(1);
    }

    std::atexit(SDL_Quit);

    fonts[fontsUsed] = Font(0, 0, 9, 855, 0, 0);
    registerFont(&fonts[fontsUsed], "kestrine_9");
    fontsUsed += 1;

    fonts[fontsUsed] = Font(0, 0, 9, 855, 0, 0);
    registerFont(&fonts[fontsUsed], "kestrine_9_negative");
    fontsUsed += 1;

    debug = true;
    outlines = false;
    lineThickness = 1;
}

void Graphics::registerFont(Font* fon, const char* path) {
    // Glyphs are cut from anywhere down a tall, narrow sheet; a run-length encoded sheet would
    // be walked from its top row for every glyph drawn, so font sheets keep plain pixels.
    registerImage(fontSurfaces, fontCount, kFontCapacity, "fonts/", path, fon->surfaceIndex,
                  SDL_SRCCOLORKEY);
}

void Graphics::registerSprite(Sprite* spr, const char* path) {
    registerImage(spriteSurfaces, spriteCount, kSpriteCapacity, "sprites/", path,
                  spr->surfaceIndex);
}

void Graphics::registerEntity(Entity* ent, const char* path) {
    if (ent == nullptr) {
        return;
    }
    registerImage(entitySurfaces, entityCount, kEntityCapacity, "entities/", path,
                  ent->graphicIndex);
}

void Graphics::registerTile(Tile* til, const char* path, Level* lvl) {
    if (til == nullptr || til->type == EMPTY) {
        return;
    }
    if (tileCount >= kTileCapacity || tileCount < 0) {
        return;
    }
    if (lvl != nullptr) {
        for (const std::vector<Tile>& cells : lvl->grid) {
            for (const Tile& placed : cells) {
                if (placed.type == til->type) {
                    til->graphicIndex = placed.graphicIndex;
                    return;
                }
            }
        }
    }
    // A type that has left the level comes back when the level is read again for a new round,
    // or when the editor brings it back: it finds the picture it was given before instead of
    // loading it again, which would fill the table within a few rounds and leave every later
    // tile drawn with the picture of slot 0.
    for (int32_t slot = 0; slot < tileCount; ++slot) {
        if (tileSlotTypes[slot] == til->type) {
            til->graphicIndex = slot;
            return;
        }
    }
    const int32_t slot = tileCount;
    registerImage(tileSurfaces, tileCount, kTileCapacity, "tiles/", path, til->graphicIndex);
    tileSlotTypes[slot] = til->type;
}

void Graphics::registerImage(SDL_Surface** table, int32_t& counter, int32_t capacity,
                             const char* directory, const char* path, int32_t& slotField,
                             Uint32 keyFlags) {
    const int32_t slot = counter;
    if (slot >= capacity || slot < 0) {
        return;
    }
    slotField = slot;

    char fileName[kFileNameBuffer] = {};
    const bool fits = appendBounded(fileName, "data/images/") &&
                      appendBounded(fileName, directory) && appendBounded(fileName, path) &&
                      appendBounded(fileName, ".png");

    SDL_Surface* converted = nullptr;
    if (!fits) {
        SDL_SetError("Image file name too long: data/images/%s%s.png", directory, path);
        std::printf("Unable to load bitmap: %s\n", SDL_GetError());
    } else {
        loading = IMG_Load(fileName);
        if (loading == nullptr) {
            std::printf("Unable to load bitmap: %s\n", SDL_GetError());
        } else {
            converted = SDL_DisplayFormat(loading);
            if (converted != nullptr) {
                SDL_SetColorKey(converted, keyFlags,
                                SDL_MapRGB(screen->format, kTransparentRed, kTransparentGreen,
                                           kTransparentBlue));
            } else {
                std::printf("Unable to load bitmap: %s\n", SDL_GetError());
            }
            SDL_FreeSurface(loading);
            loading = nullptr;
        }
    }

    table[slot] = converted;
    counter += 1;
}

void Graphics::release() {
    auto freeTable = [](SDL_Surface** table, int32_t count, int32_t capacity) {
        const int32_t used = count < capacity ? count : capacity;
        for (int32_t i = used - 1; i >= 0; --i) {
            if (table[i] != nullptr) {
                SDL_FreeSurface(table[i]);
                table[i] = nullptr;
            }
        }
    };
    for (GlyphCuts& cuts : glyphCuts) {
        cuts.clear();
    }
    freeTable(entitySurfaces, entityCount, kEntityCapacity);
    freeTable(fontSurfaces, fontCount, kFontCapacity);
    freeTable(spriteSurfaces, spriteCount, kSpriteCapacity);
    freeTable(tileSurfaces, tileCount, kTileCapacity);
    for (TileType& type : tileSlotTypes) {
        type = EMPTY;
    }

    if (loading != nullptr) {
        SDL_FreeSurface(loading);
        loading = nullptr;
    }
    if (screen != nullptr) {
        SDL_FreeSurface(screen);  // SDL keeps the display surface until SDL_Quit
        screen = nullptr;
    }

    for (int32_t f = 0; f < fontsUsed && f < kFontCapacity; ++f) {
        Font& font = fonts[f];
        for (int i = Font::kGlyphCount - 1; i >= 0; --i) {
            font.glyphTops[i] = 0;
        }
        for (int i = Font::kTextSize - 1; i >= 0; --i) {
            font.text[i] = '\0';
        }
        font.clear();
    }
}

#pragma once

#include <SDL.h>

#include <cstdint>

#include "render/Font.h"
#include "render/GlyphCuts.h"
#include "world/Sprite.h"
#include "world/TileType.h"

class Entity;
class Level;
class Tile;

// The one drawing context: owns the window and every image that is drawn. Objects that draw
// keep only slot numbers into the four fixed image tables.
class Graphics {
public:
    static constexpr int kEntityCapacity = 4;
    static constexpr int kFontCapacity = 4;
    static constexpr int kSpriteCapacity = 16;
    static constexpr int kTileCapacity = 64;

    int32_t entityCount = 0;
    int32_t fontCount = 0;
    int32_t spriteCount = 0;
    int32_t tileCount = 0;
    int32_t fontsUsed = 0;
    SDL_Surface* screen = nullptr;
    SDL_Surface* loading = nullptr;  // an image between loading and conversion
    SDL_Rect srcRect = {0, 0, 0, 0};
    SDL_Rect dstRect = {0, 0, 0, 0};
    SDL_Surface* entitySurfaces[kEntityCapacity] = {};
    SDL_Surface* fontSurfaces[kFontCapacity] = {};
    SDL_Surface* spriteSurfaces[kSpriteCapacity] = {};
    SDL_Surface* tileSurfaces[kTileCapacity] = {};
    TileType tileSlotTypes[kTileCapacity] = {};  // the type whose picture each slot was given
    Font fonts[kFontCapacity];
    bool debug = true;
    bool outlines = false;
    int32_t lineThickness = 1;
    int32_t width = 0;
    int32_t height = 0;
    int32_t tileSize = 0;
    int32_t rows = 0;
    int32_t columns = 0;

    // Starts SDL video, sets icon and caption, opens the window and loads the two fonts.
    // Ends the process with exit code 1 when video can't start or the window can't open.
    Graphics(int32_t width, int32_t height, int32_t tileSize);
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    void registerFont(Font* fon, const char* path);
    void registerSprite(Sprite* spr, const char* path);

    // Loads the entity sheet "entities/<path>" into the next entity slot.
    void registerEntity(Entity* ent, const char* path);

    // Gives the tile the image of its type: the slot of the first tile of the same type in
    // the level (rows outer, columns inner), or else "tiles/<path>" loaded into the next tile
    // slot. EMPTY tiles get no image; with the table full the tile is left as it was.
    void registerTile(Tile* til, const char* path, Level* lvl);

    // Frees every image and resets the fonts; the last call before destruction.
    void release();

    // --- Drawing. Everything lands on `screen` and shows at the next flip. Drawing from a slot
    // that holds no image (a failed load, or a slot number outside the table) copies nothing.

    // Copies the sprite's src part of `surface` to its dst on the screen and stamps its
    // lastBlit, visible or not. dstRect keeps the area actually covered. Returns 0.
    int32_t blitSprite(Sprite* spr, SDL_Surface* surface);

    // A free-standing sprite from the sprite table, outlined around its visible part.
    void blit(Sprite* spr);
    // An entity from the entity table: its blocks, its animation step, then its outline.
    void blit(Entity* ent);
    // A tile from the tile table, the same way, outlined in blue.
    void blit(Tile* til);

    // Draws every block of the entity from `surface`, then steps its animations. Returns 1.
    int32_t blitEntity(Entity* ent, SDL_Surface* surface);

    // Draws every non-empty cell, column by column, top to bottom; with debug on, row 0 is
    // left out (neither drawn nor stepped). Returns 1.
    int32_t blitLevel(Level* level);

    // Covers the screen with copies of the rectangle (sx, sy, sw, sh) of `surface`, from the
    // top-left corner on. A rectangle without area draws nothing.
    void flush(int32_t sx, int32_t sy, int32_t sw, int32_t sh, SDL_Surface* surface);

    // Outlines the level cell in green, whatever `outlines` says.
    void outlineCell(int32_t row, int32_t column);

    // Lines, boxes and pixels, lineThickness wide; pixels within lineThickness of the top or
    // left edge, and beyond the screen, are never drawn.
    void blitBox(int32_t x, int32_t y, int32_t w, int32_t h, Uint32 color);
    void blitHorizontalLine(int32_t x, int32_t y, int32_t length, Uint32 color);
    void blitVerticalLine(int32_t x, int32_t y, int32_t length, Uint32 color);
    void putPixel(int32_t x, int32_t y, Uint32 pixel);

    // Presents the screen; the result of SDL_Flip.
    int flip();

    // Draws every queued glyph, font 0 first, and empties every queue. Returns 1.
    int32_t blitText();

    // Empties every font's queue without drawing it.
    void discardText();

    // A colour in the screen's pixel format.
    Uint32 mapColor(Uint8 red, Uint8 green, Uint8 blue) const;

private:
    GlyphCuts glyphCuts[kFontCapacity];  // each font's glyphs, cut out for fast drawing

    // blitSprite, blit of a tile and blitEntity with the drawing time already read.
    int32_t blitSpriteAt(Sprite* spr, SDL_Surface* surface, Uint32 now);
    void blitTileAt(Tile* til, Uint32 now);
    void drawBlocks(Entity* ent, SDL_Surface* surface, Uint32 now);

    // The image in slot `index` of a table, or null when the slot is outside it.
    static SDL_Surface* imageAt(SDL_Surface* const* table, int32_t capacity, int32_t index);

    // Loads "data/images/" + directory + path + ".png" into the next slot of a table. A slot
    // whose image failed to load stays empty (null) but keeps its number.
    void registerImage(SDL_Surface** table, int32_t& counter, int32_t capacity,
                       const char* directory, const char* path, int32_t& slotField,
                       Uint32 keyFlags = SDL_SRCCOLORKEY | SDL_RLEACCEL);
};

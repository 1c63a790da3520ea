#pragma once

#include <SDL.h>

#include <cstdint>

#include "render/Font.h"
#include "world/Sprite.h"

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

private:
    // Loads "data/images/" + directory + path + ".png" into the next slot of a table. A slot
    // whose image failed to load stays empty (null) but keeps its number.
    void registerImage(SDL_Surface** table, int32_t& counter, int32_t capacity,
                       const char* directory, const char* path, int32_t& slotField);
};

// The drawing operations of the graphics context: sprites, entities, tiles, the level, the
// background fill, debug outlines and single pixels.
#include <algorithm>

#include "render/Graphics.h"
#include "render/SdlRect.h"
#include "world/Entity.h"
#include "world/Level.h"
#include "world/Tile.h"
#include "world/TileType.h"
#include "world/Wrapping.h"

namespace {

// Outline colours of the debug drawing.
constexpr Uint8 kEntityOutline[3] = {255, 255, 0};
constexpr Uint8 kTileOutline[3] = {0, 0, 255};
constexpr Uint8 kSpriteOutline[3] = {0, 255, 64};
constexpr Uint8 kCellOutline[3] = {0, 255, 64};

// The steps i of a line starting at `start` that land strictly between `low` and `high`, as
// the half-open range [first, last) within [0, length). Steps outside it could only be
// refused by putPixel, so a line of any length costs at most one screen's width of work.
void visibleSteps(int32_t start, int32_t length, int32_t low, int32_t high, int64_t& first,
                  int64_t& last) {
    first = std::max<int64_t>(0, int64_t{low} + 1 - start);
    last = std::min<int64_t>(length, int64_t{high} - start);
}

// SDL's own clipping of a copy from `src` to `dst`, done ahead of it: when nothing of the copy
// would land inside the destination's clip rectangle, leaves `to` as SDL would (its position
// moved onto the clip edge where SDL moves it, width and height 0) and returns true. The level
// draws every tile, also the many that lie beyond the screen's edge; this spares SDL's call for
// each of them.
bool clippedAway(const SDL_Surface* src, const SDL_Rect& from, const SDL_Surface* dst,
                 SDL_Rect& to) {
    int x = to.x;
    int y = to.y;
    int srcX = from.x;
    int srcY = from.y;
    int w = from.w;
    int h = from.h;
    if (srcX < 0) {
        w += srcX;
        x -= srcX;
        srcX = 0;
    }
    w = std::min(w, src->w - srcX);
    if (srcY < 0) {
        h += srcY;
        y -= srcY;
        srcY = 0;
    }
    h = std::min(h, src->h - srcY);

    const SDL_Rect& clip = dst->clip_rect;
    int d = clip.x - x;
    if (d > 0) {
        w -= d;
        x += d;
    }
    d = x + w - clip.x - clip.w;
    if (d > 0) {
        w -= d;
    }
    d = clip.y - y;
    if (d > 0) {
        h -= d;
        y += d;
    }
    d = y + h - clip.y - clip.h;
    if (d > 0) {
        h -= d;
    }
    if (w > 0 && h > 0) {
        return false;
    }
    to.x = static_cast<Sint16>(x);
    to.y = static_cast<Sint16>(y);
    to.w = 0;
    to.h = 0;
    return true;
}

}  // namespace

SDL_Surface* Graphics::imageAt(SDL_Surface* const* table, int32_t capacity, int32_t index) {
    if (index < 0 || index >= capacity) {
        return nullptr;
    }
    return table[index];
}

Uint32 Graphics::mapColor(Uint8 red, Uint8 green, Uint8 blue) const {
    if (screen == nullptr) {
        return 0;
    }
    return SDL_MapRGB(screen->format, red, green, blue);
}

int32_t Graphics::blitSprite(Sprite* spr, SDL_Surface* surface) {
    return blitSpriteAt(spr, surface, SDL_GetTicks());
}

int32_t Graphics::blitSpriteAt(Sprite* spr, SDL_Surface* surface, Uint32 now) {
    if (spr == nullptr) {
        return 0;
    }
    spr->lastBlit = now;
    srcRect = toSdlRect(spr->src);
    dstRect = toSdlRect(spr->dst);
    if (surface != nullptr && screen != nullptr) {
        if (!clippedAway(surface, srcRect, screen, dstRect)) {
            SDL_UpperBlit(surface, &srcRect, screen, &dstRect);
        }
    } else {
        // Nothing to copy from (or to): nothing was covered.
        dstRect.w = 0;
        dstRect.h = 0;
    }
    return 0;
}

void Graphics::blit(Sprite* spr) {
    if (spr == nullptr) {
        return;
    }
    blitSprite(spr, imageAt(spriteSurfaces, kSpriteCapacity, spr->surfaceIndex));
    if (outlines) {
        // The area SDL actually covered: clipped to the screen, with the source's size.
        blitBox(dstRect.x, dstRect.y, dstRect.w, dstRect.h,
                mapColor(kSpriteOutline[0], kSpriteOutline[1], kSpriteOutline[2]));
    }
}

void Graphics::blit(Entity* ent) {
    if (ent == nullptr) {
        return;
    }
    blitEntity(ent, imageAt(entitySurfaces, kEntityCapacity, ent->graphicIndex));
    if (outlines) {
        blitBox(ent->box.x, ent->box.y, ent->box.w, ent->box.h,
                mapColor(kEntityOutline[0], kEntityOutline[1], kEntityOutline[2]));
    }
}

void Graphics::blit(Tile* til) {
    blitTileAt(til, SDL_GetTicks());
}

void Graphics::blitTileAt(Tile* til, Uint32 now) {
    if (til == nullptr) {
        return;
    }
    drawBlocks(til, imageAt(tileSurfaces, kTileCapacity, til->graphicIndex), now);
    if (outlines) {
        blitBox(til->box.x, til->box.y, til->box.w, til->box.h,
                mapColor(kTileOutline[0], kTileOutline[1], kTileOutline[2]));
    }
}

int32_t Graphics::blitEntity(Entity* ent, SDL_Surface* surface) {
    drawBlocks(ent, surface, SDL_GetTicks());
    return 1;
}

void Graphics::drawBlocks(Entity* ent, SDL_Surface* surface, Uint32 now) {
    if (ent == nullptr) {
        return;
    }
    for (Block& block : ent->blocks) {
        blitSpriteAt(&block, surface, now);
    }
    ent->animate(1);
}

int32_t Graphics::blitLevel(Level* level) {
    if (level == nullptr) {
        return 1;
    }
    // One reading of the clock stamps the whole level: the drawing takes far less than the
    // clock's millisecond, and the level is the bulk of a frame's sprites.
    const Uint32 now = SDL_GetTicks();
    const size_t firstRow = debug ? 1 : 0;
    const size_t rowCount = level->grid.size();
    const size_t columnCount = rowCount == 0 ? 0 : level->grid[0].size();
    for (size_t column = 0; column < columnCount; ++column) {
        for (size_t row = firstRow; row < rowCount; ++row) {
            std::vector<Tile>& cells = level->grid[row];
            if (column >= cells.size()) {
                continue;
            }
            Tile& tile = cells[column];
            if (tile.type != EMPTY) {
                blitTileAt(&tile, now);
            }
        }
    }
    return 1;
}

void Graphics::flush(int32_t sx, int32_t sy, int32_t sw, int32_t sh, SDL_Surface* surface) {
    if (sw <= 0 || sh <= 0) {
        return;
    }
    Sprite copy(sx, sy, sw, sh, 0, 0, sw, sh);
    for (int64_t x = 0; x <= width; x += sw) {
        for (int64_t y = 0; y <= height; y += sh) {
            copy.dst.x = static_cast<int32_t>(x);
            copy.dst.y = static_cast<int32_t>(y);
            blitSprite(&copy, surface);
        }
    }
}

void Graphics::outlineCell(int32_t row, int32_t column) {
    const int32_t s = tileSize;
    blitBox(wrappingMul(s, column), wrappingMul(s, row), s, s,
            mapColor(kCellOutline[0], kCellOutline[1], kCellOutline[2]));
}

void Graphics::blitBox(int32_t x, int32_t y, int32_t w, int32_t h, Uint32 color) {
    blitHorizontalLine(x, y, w, color);
    blitHorizontalLine(x, wrappingAdd(y, h), w, color);
    blitVerticalLine(x, y, h, color);
    blitVerticalLine(wrappingAdd(x, w), y, h, color);
}

void Graphics::blitHorizontalLine(int32_t x, int32_t y, int32_t length, Uint32 color) {
    int64_t first = 0;
    int64_t last = 0;
    visibleSteps(x, length, lineThickness, width, first, last);
    for (int64_t i = first; i < last; ++i) {
        for (int32_t k = 0; k < lineThickness; ++k) {
            putPixel(static_cast<int32_t>(x + i), wrappingAdd(y, k), color);
        }
    }
}

void Graphics::blitVerticalLine(int32_t x, int32_t y, int32_t length, Uint32 color) {
    int64_t first = 0;
    int64_t last = 0;
    visibleSteps(y, length, lineThickness, height, first, last);
    for (int32_t k = 0; k < lineThickness; ++k) {
        for (int64_t i = first; i < last; ++i) {
            putPixel(wrappingAdd(x, k), static_cast<int32_t>(y + i), color);
        }
    }
}

void Graphics::putPixel(int32_t x, int32_t y, Uint32 pixel) {
    const int32_t t = lineThickness;
    if (!(t < x && x < width && t < y && y < height) || screen == nullptr) {
        return;
    }
    // The screen may be smaller than the window size it was asked for.
    if (x >= screen->w || y >= screen->h) {
        return;
    }
    if (SDL_MUSTLOCK(screen) && SDL_LockSurface(screen) < 0) {
        return;
    }
    const int bytesPerPixel = screen->format->BytesPerPixel;
    Uint8* address = static_cast<Uint8*>(screen->pixels) +
                     static_cast<ptrdiff_t>(y) * screen->pitch +
                     static_cast<ptrdiff_t>(x) * bytesPerPixel;
    switch (bytesPerPixel) {
        case 1:
            *address = static_cast<Uint8>(pixel);
            break;
        case 2:
            *reinterpret_cast<Uint16*>(address) = static_cast<Uint16>(pixel);
            break;
        case 3:
            // Least significant byte first, whatever the machine's byte order.
            address[0] = static_cast<Uint8>(pixel);
            address[1] = static_cast<Uint8>(pixel >> 8);
            address[2] = static_cast<Uint8>(pixel >> 16);
            break;
        case 4:
            *reinterpret_cast<Uint32*>(address) = pixel;
            break;
        default:
            break;
    }
    if (SDL_MUSTLOCK(screen)) {
        SDL_UnlockSurface(screen);
    }
}

int Graphics::flip() {
    if (screen == nullptr) {
        return -1;
    }
    return SDL_Flip(screen);
}

int32_t Graphics::blitText() {
    const Uint32 now = SDL_GetTicks();
    for (int32_t i = 0; i < fontsUsed && i < kFontCapacity; ++i) {
        SDL_Surface* sheet = fontSurfaces[i];
        Font& font = fonts[i];
        for (Sprite& glyph : font.glyphs) {
            SDL_Surface* cut = glyphCuts[i].find(sheet, font, glyph.src);
            if (cut == nullptr) {
                blitSpriteAt(&glyph, sheet, now);
                continue;
            }
            // The same pixels as the glyph's cell of the sheet, from its own picture.
            const Rect cell = glyph.src;
            glyph.src = Rect{0, 0, cell.w, cell.h};
            blitSpriteAt(&glyph, cut, now);
            glyph.src = cell;
            srcRect = toSdlRect(cell);
        }
        fonts[i].clear();
    }
    return 1;
}

void Graphics::discardText() {
    for (Font& font : fonts) {
        font.clear();
    }
}

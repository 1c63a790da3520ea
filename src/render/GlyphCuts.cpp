#include "render/GlyphCuts.h"

#include <cstring>

SDL_Surface* GlyphCuts::find(SDL_Surface* sheet, const Font& font, const Rect& src) {
    if (sheet == nullptr) {
        return nullptr;
    }
    if (sheet != sheet_ || font.src.x != left_ || font.glyphSize != size_) {
        cut(sheet, font.src.x, font.glyphSize);
    }
    const int32_t size = size_;
    if (size <= 0 || src.x != left_ || src.w != size || src.h != size || src.y < 0 ||
        src.y % size != 0 || src.y / size >= Font::kGlyphCount) {
        return nullptr;
    }
    return cuts_[static_cast<size_t>(src.y / size)];
}

void GlyphCuts::cut(SDL_Surface* sheet, int32_t left, int32_t size) {
    clear();
    sheet_ = sheet;
    left_ = left;
    size_ = size;
    if (size <= 0 || left < 0 || left > sheet->w - size) {
        return;
    }
    const SDL_PixelFormat* f = sheet->format;
    const int bytes = f->BytesPerPixel;
    if (SDL_LockSurface(sheet) < 0) {
        return;
    }
    for (int32_t i = 0; i < Font::kGlyphCount; ++i) {
        const int64_t top = int64_t{i} * size;
        if (top + size > sheet->h) {
            break;
        }
        SDL_Surface* glyph = SDL_CreateRGBSurface(SDL_SWSURFACE, size, size, f->BitsPerPixel,
                                                  f->Rmask, f->Gmask, f->Bmask, f->Amask);
        if (glyph == nullptr) {
            break;
        }
        if (f->palette != nullptr && glyph->format->palette != nullptr) {
            SDL_SetColors(glyph, f->palette->colors, 0, f->palette->ncolors);
        }
        for (int32_t row = 0; row < size; ++row) {
            const Uint8* from = static_cast<const Uint8*>(sheet->pixels) +
                                (top + row) * sheet->pitch + static_cast<int64_t>(left) * bytes;
            Uint8* to =
                static_cast<Uint8*>(glyph->pixels) + static_cast<int64_t>(row) * glyph->pitch;
            std::memcpy(to, from, static_cast<size_t>(size) * bytes);
        }
        if ((sheet->flags & SDL_SRCCOLORKEY) != 0) {
            SDL_SetColorKey(glyph, SDL_SRCCOLORKEY | SDL_RLEACCEL, f->colorkey);
        }
        cuts_[static_cast<size_t>(i)] = glyph;
    }
    SDL_UnlockSurface(sheet);
}

void GlyphCuts::clear() {
    for (SDL_Surface*& glyph : cuts_) {
        if (glyph != nullptr) {
            SDL_FreeSurface(glyph);
            glyph = nullptr;
        }
    }
    sheet_ = nullptr;
    left_ = 0;
    size_ = 0;
}

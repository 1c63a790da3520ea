#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>

#include "render/Font.h"
#include "world/Rect.h"

// Every glyph of one font sheet cut out into a little picture of its own, run-length encoded
// with the sheet's colour key. Copying a glyph straight from the tall sheet costs either a walk
// down the encoded sheet to the glyph's row or a colour-key test per pixel; a glyph of its own
// is copied in runs. The cuts are made at the first draw and kept; sheets never change once
// registered.
class GlyphCuts {
public:
    GlyphCuts() = default;
    GlyphCuts(const GlyphCuts&) = delete;
    GlyphCuts& operator=(const GlyphCuts&) = delete;
    ~GlyphCuts() { clear(); }

    // The cut-out picture of the glyph at `src` of `sheet`, laid out as `font` says, or null
    // when `src` is not exactly one glyph cell of the sheet.
    SDL_Surface* find(SDL_Surface* sheet, const Font& font, const Rect& src);

    // Frees every cut.
    void clear();

private:
    void cut(SDL_Surface* sheet, int32_t left, int32_t size);

    SDL_Surface* sheet_ = nullptr;
    int32_t left_ = 0;
    int32_t size_ = 0;
    std::array<SDL_Surface*, Font::kGlyphCount> cuts_{};
};

#pragma once

#include <cstdint>
#include <vector>

#include "world/Sprite.h"

// A bitmap font: the Sprite part describes the glyph sheet (one column of 95 square glyphs,
// characters 32 to 126 from top to bottom); printed text waits in `glyphs` until drawn.
class Font : public Sprite {
public:
    static constexpr int kGlyphCount = 95;
    static constexpr int kTextSize = 32;

    int32_t glyphTops[kGlyphCount] = {};  // top edge of the glyph of character 32 + i
    char text[kTextSize] = {};            // a number formatted as text
    int32_t glyphSize = 0;                // width and height of every glyph
    std::vector<Sprite> glyphs;           // queued glyph sprites, in printing order

    Font() = default;
    Font(int32_t sx, int32_t sy, int32_t sw, int32_t sh, int32_t dx, int32_t dy);

    // Empties the queue but keeps its storage, so steady frames allocate nothing.
    void clear();
};

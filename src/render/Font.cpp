#include "render/Font.h"

Font::Font(int32_t sx, int32_t sy, int32_t sw, int32_t sh, int32_t dx, int32_t dy)
    : Sprite(sx, sy, sw, sh, dx, dy, sw, sh), glyphSize(sh / kGlyphCount) {
    for (int i = 0; i < kGlyphCount; ++i) {
        glyphTops[i] = glyphSize * i;
    }
}

void Font::clear() {
    while (!glyphs.empty()) {
        glyphs.pop_back();
    }
}

#include "render/Font.h"

#include <cstdio>

#include "world/Wrapping.h"

namespace {

constexpr int kFirstGlyphCode = 32;  // the space
constexpr int kLastGlyphCode = 126;  // the tilde

}  // namespace

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

int32_t Font::getCharIndex(char letter) const {
    const int code = static_cast<signed char>(letter);
    if (code < kFirstGlyphCode || code > kLastGlyphCode) {
        return 0;
    }
    return glyphTops[code - kFirstGlyphCode];
}

void Font::print(const char* str, int32_t xCoord, int32_t yCoord) {
    if (str == nullptr) {
        return;
    }
    int32_t x = xCoord;
    for (const char* c = str; *c != '\0'; ++c) {
        glyphs.emplace_back(src.x, getCharIndex(*c), glyphSize, glyphSize, x, yCoord, glyphSize,
                            glyphSize);
        x = wrappingAdd(x, glyphSize);
    }
}

void Font::print(int32_t number, int32_t xCoord, int32_t yCoord) {
    std::snprintf(text, sizeof text, "%d", static_cast<int>(number));
    print(text, xCoord, yCoord);
}

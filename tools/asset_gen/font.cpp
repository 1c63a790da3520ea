// The two font sheets: every glyph cell stacked in one column, the space at the top.
#include "glyphs.h"
#include "palette.h"
#include "pictures.h"

namespace asset_gen {

namespace {

Canvas emptySheet() {
    return Canvas(kGlyphSize, kGlyphSize * kGlyphCount);
}

char glyphChar(int index) {
    return static_cast<char>(kFirstGlyphCode + index);
}

}  // namespace

// Dark ink with a light halo in the eight neighbouring pixels, so the text reads on dark rock
// and on light paper alike. The halo is drawn per cell so that no glyph spills into the next.
Canvas drawFontSheet() {
    Canvas sheet = emptySheet();
    for (int i = 0; i < kGlyphCount; ++i) {
        Canvas cell(kGlyphSize, kGlyphSize);
        drawGlyph(cell, 0, 0, glyphChar(i), 1, palette::kInk);
        cell.surround(palette::kCream);
        sheet.blit(cell, 0, i * kGlyphSize);
    }
    return sheet;
}

// The inverted look: every cell a solid dark band with the glyph in cream.
Canvas drawNegativeFontSheet() {
    Canvas sheet = emptySheet();
    sheet.fill(palette::kNightBlue);
    for (int i = 0; i < kGlyphCount; ++i) {
        drawGlyph(sheet, 0, i * kGlyphSize, glyphChar(i), 1, palette::kCream);
    }
    return sheet;
}

}  // namespace asset_gen

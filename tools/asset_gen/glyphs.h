// The game's bitmap font: one 9 by 9 glyph for each printable ASCII character, from the space
// (32) to the tilde (126). Capitals and digits stand on rows 1 to 7 of the cell, lower case
// letters have their x-height on rows 3 to 7, and descenders reach row 8. Bodies are five pixels
// wide in columns 2 to 6, which leaves room for a one-pixel halo and spaces the letters.
#pragma once

#include <string_view>

#include "canvas.h"

namespace asset_gen {

constexpr int kGlyphSize = 9;
constexpr int kFirstGlyphCode = 32;
constexpr int kGlyphCount = 95;

// True where the glyph of `c` has ink. Characters without a glyph and positions outside the
// 9 by 9 cell have none.
bool glyphInk(char c, int x, int y);

// Draws the ink of `c` with its cell's top-left corner at (x, y), each glyph pixel becoming a
// `scale` by `scale` block. Only ink is drawn; the rest of the cell is left as it was.
void drawGlyph(Canvas& canvas, int x, int y, char c, int scale, Rgb ink);

// Draws `text` on one line, advancing one cell (9 * `scale` pixels) per character.
void drawText(Canvas& canvas, int x, int y, std::string_view text, int scale, Rgb ink);

// The width in pixels that drawText gives `text`.
int textWidth(std::string_view text, int scale);

// Every glyph's ink lies in columns kInkLeft to kInkRight of its cell.
constexpr int kInkLeft = 2;
constexpr int kInkRight = 6;
// Close-set text for headings and notices: one glyph every `advance` cells' columns (7 leaves
// two empty columns between bodies), with the ink of the first glyph starting at x.
void drawSetText(Canvas& canvas, int x, int y, std::string_view text, int scale, int advance,
                 Rgb ink);
// The width in pixels from the first glyph's ink to the last's in drawSetText.
int setTextWidth(std::string_view text, int scale, int advance);

}  // namespace asset_gen

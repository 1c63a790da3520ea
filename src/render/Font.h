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

    // Top edge of the character's glyph in the sheet. Characters without a glyph of their own
    // (control codes, 127 and bytes from 128) give 0, the space.
    int32_t getCharIndex(char letter) const;

    // Queues one glyph per character of `str` on one line from (xCoord, yCoord), each a glyph
    // width right of the one before. Nothing is drawn until the graphics context draws text.
    void print(const char* str, int32_t xCoord, int32_t yCoord);

    // Queues the decimal text of `number`, which stays in `text` afterwards.
    void print(int32_t number, int32_t xCoord, int32_t yCoord);
};

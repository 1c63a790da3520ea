// Colours shared by several pictures, so that text and outlines look alike everywhere.
#pragma once

#include "canvas.h"

namespace asset_gen::palette {

// Deep blue-black ink of the font and of outlines.
constexpr Rgb kInk{26, 30, 58};
// Warm cream: the halo around text and the light glyphs of the negative font.
constexpr Rgb kCream{252, 246, 226};
// The dark band behind the negative font's glyphs.
constexpr Rgb kNightBlue{34, 44, 82};

}  // namespace asset_gen::palette

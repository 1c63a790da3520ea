// Writes a canvas as an 8-bit RGB PNG file. The same canvas always gives the same bytes: fixed
// compression settings and no time, gamma or text chunks.
#pragma once

#include <string>

#include "canvas.h"

namespace asset_gen {

// Returns true on success; on failure returns false and puts a message into `error`.
bool writePng(const std::string& path, const Canvas& canvas, std::string& error);

}  // namespace asset_gen

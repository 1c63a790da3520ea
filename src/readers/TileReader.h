#pragma once

#include <string>
#include <string_view>

#include "world/Tile.h"

// Reads tile files: data/tiles/<name>.til, a header (the type keyword, x, y and the side)
// followed by BLOCK, ANIMATION and ENDBLOCK records whose rectangles are squares. Every call
// reads the file anew.
class TileReader {
public:
    std::string line;  // the line last read

    // Never throws on bad files: a file that can't be opened is reported on standard output
    // and gives the default EMPTY tile of side 0.
    Tile getTile(const std::string& path);

    // Builds the tile from a file's text; `fileName` is what messages name. An unknown type
    // keyword is reported and leaves the type EMPTY, the rest being read as usual. A header
    // cut short gives the numbers read so far (the rest 0) and no blocks.
    Tile readTile(std::string_view text, const std::string& fileName);

    // Lets a level load its tiles through this reader.
    Tile operator()(const std::string& path) { return getTile(path); }

private:
    std::string contents_;
};

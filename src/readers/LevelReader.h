#pragma once

#include <string>
#include <string_view>

#include "readers/TileReader.h"
#include "world/Level.h"

class Graphics;

// Fills a level from data/levels/<name>.lvl: one tile name per cell, row by row from the top
// row, each row from column 0. Each named tile is read from its tile file, given its image
// and copied into its cell; one line with the cell's type goes to standard output per cell.
class LevelReader {
public:
    TileReader reader;

    // A level file that can't be opened is reported and leaves the level as it was.
    void populateLevel(const std::string& path, Level& level, Graphics& graphics);

    // Fills the level from a level file's text. A word that is no tile name repeats the last
    // named tile (the default EMPTY tile before any); when the words run out, every remaining
    // cell repeats the last word; words beyond the last cell are never read.
    void fillLevel(std::string_view text, Level& level, Graphics& graphics);

private:
    std::string contents_;
};

#include "readers/LevelReader.h"

#include <cstdio>

#include "readers/TextScanner.h"
#include "render/Graphics.h"

void LevelReader::populateLevel(const std::string& path, Level& level, Graphics& graphics) {
    std::string fileName;
    if (!readContentFile("data/levels/", path, ".lvl", fileName, contents_)) {
        return;
    }
    fillLevel(contents_, level, graphics);
}

void LevelReader::fillLevel(std::string_view text, Level& level, Graphics& graphics) {
    TextScanner in(text);
    std::string word;
    Tile current;
    for (int32_t r = 0; r < level.getRows(); ++r) {
        for (int32_t c = 0; c < level.getColumns(); ++c) {
            in.readWord(word);  // at the end of the text the last word stays
            TileType named = EMPTY;
            if (tileTypeFromName(word, named)) {
                current = reader.getTile(word);
                graphics.registerTile(&current, word.c_str(), &level);
            }
            level.insertTile(current, r, c);
            std::printf("%d\n", static_cast<int>(level.grid[r][c].type));
        }
    }
}

#include "readers/TileReader.h"

#include <cstdio>

#include "readers/BlockGrammar.h"
#include "readers/TextScanner.h"

Tile TileReader::getTile(const std::string& path) {
    std::string fileName;
    if (!readContentFile("data/tiles/", path, ".til", fileName, contents_)) {
        return Tile();
    }
    return readTile(contents_, fileName);
}

Tile TileReader::readTile(std::string_view text, const std::string& fileName) {
    TextScanner in(text);
    std::string keyword;
    if (!in.readWord(keyword)) {
        return Tile();
    }
    int32_t numbers[3] = {0, 0, 0};
    bool whole = true;
    for (int32_t& n : numbers) {
        whole = whole && in.readInt(n);
    }
    Tile result(numbers[0], numbers[1], numbers[2], EMPTY);

    TileType type = EMPTY;
    if (tileTypeFromKeyword(keyword, type)) {
        result.setType(type);
    } else {
        std::printf("Unable to open %s. TYPE \"%s\" unknown.\n", fileName.c_str(), keyword.c_str());
    }

    if (whole) {
        readBlocks(in, line, RectangleForm::Square, result);
    }
    return result;
}

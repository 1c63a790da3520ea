#include "readers/EntityReader.h"

#include "readers/BlockGrammar.h"
#include "readers/TextScanner.h"

Entity EntityReader::getEntity(const std::string& path) {
    std::string fileName;
    if (!readContentFile("data/entities/", path, ".ent", fileName, contents_)) {
        return Entity();
    }
    return readEntity(contents_);
}

Entity EntityReader::readEntity(std::string_view text) {
    TextScanner in(text);
    std::string name;
    int32_t box[4] = {0, 0, 0, 0};
    bool whole = in.readWord(name);
    for (int32_t& n : box) {
        whole = whole && in.readInt(n);
    }
    Entity result(box[0], box[1], box[2], box[3]);
    if (whole) {
        readBlocks(in, line, RectangleForm::WidthAndHeight, result);
    }
    return result;
}

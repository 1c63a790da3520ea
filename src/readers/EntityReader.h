#pragma once

#include <string>
#include <string_view>

#include "world/Entity.h"

// Reads entity files: data/entities/<name>.ent, a header (a name word and the box x, y, w, h)
// followed by BLOCK, ANIMATION and ENDBLOCK records.
class EntityReader {
public:
    std::string line;  // the line last read

    // Never throws on bad files: a file that can't be opened is reported on standard output
    // and gives an entity without blocks.
    Entity getEntity(const std::string& path);

    // Builds the entity from a file's text. A header cut short gives the box numbers read so
    // far (the rest 0) and no blocks; an unreadable number ends the reading there, keeping the
    // blocks completed before it.
    Entity readEntity(std::string_view text);

private:
    std::string contents_;
};

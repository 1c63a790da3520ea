#pragma once

#include <string>

#include "readers/TextScanner.h"
#include "world/Entity.h"

// The body of entity and tile files: BLOCK, ANIMATION and ENDBLOCK records, each keyword alone
// on its line. Entity files give every rectangle as x, y, width and height; tile files give
// squares as x, y and one side.
enum class RectangleForm { WidthAndHeight, Square };

// Reads records until the end of the text or the first unreadable number, adding each block
// to `entity` at its ENDBLOCK. `line` receives every line read.
void readBlocks(TextScanner& in, std::string& line, RectangleForm form, Entity& entity);

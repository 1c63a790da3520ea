// Feeds arbitrary bytes to the entity file reader as the text of an entity file, then moves,
// animates and copies what it built, as the game would.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "readers/EntityReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EntityReader reader;
    Entity e = reader.readEntity(std::string_view(reinterpret_cast<const char*>(data), size));
    e.setX(128);
    e.setY(192);
    for (uint32_t tick = 0; tick < 8; ++tick) {
        for (Block& b : e.blocks) {
            b.lastBlit = tick * 70;
        }
        e.animate(1);
        e.translate(0, static_cast<int32_t>(tick) - 4);
    }
    Entity copy = e;
    copy.animate(3);
    return 0;
}

// Feeds arbitrary bytes to the tile file reader as the text of a tile file, then puts the tile
// into a small level that scrolls with it in every cell, and asks it for its surface.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "readers/TileReader.h"
#include "world/Level.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Most inputs hold an unknown type keyword; its message would drown the fuzzer's own.
    if (std::freopen("/dev/null", "w", stdout) == nullptr) {
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TileReader reader;
    const Tile tile = reader.readTile(
        std::string_view(reinterpret_cast<const char*>(data), size), "data/tiles/fuzz.til");

    for (int32_t x : {-100, -1, 0, 1, 31, 63, 64, 200}) {
        tile.collide(Point(x, 0));
    }
    Level level(2, 3, [&tile](const std::string&) { return tile; });
    level.insertTile(tile, 1, 2);
    for (int i = 0; i < 12; ++i) {
        level.scroll(-8, i % 3 - 1);
    }
    level.scroll(tile.size, -tile.size);
    for (auto& cells : level.grid) {
        for (Tile& t : cells) {
            for (Block& b : t.blocks) {
                b.lastBlit += 1000;
            }
            t.animate(1);
        }
    }
    return 0;
}

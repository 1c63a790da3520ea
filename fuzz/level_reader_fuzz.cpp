// Feeds arbitrary bytes to the level file reader as the text of a level file. It fills a small
// level from the game's shipped tile files and registers their images, as a restart would.
#include <SDL.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "readers/LevelReader.h"
#include "render/Graphics.h"

namespace {

Graphics* graphics = nullptr;

// Gives back the tile images so that every input starts with an empty tile table.
void forgetTileImages(Graphics& g) {
    for (int32_t i = 0; i < g.tileCount && i < Graphics::kTileCapacity; ++i) {
        if (g.tileSurfaces[i] != nullptr) {
            SDL_FreeSurface(g.tileSurfaces[i]);
            g.tileSurfaces[i] = nullptr;
        }
    }
    g.tileCount = 0;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The game's content lies below the project root; one type line per cell is noise here.
    if (chdir(ZEPHLARK_SOURCE_DIR) != 0) {
        std::perror("chdir");
        std::abort();
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (std::freopen("/dev/null", "w", stdout) == nullptr) {
        std::abort();
    }
    graphics = new Graphics(768, 512, 64);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LevelReader reader;
    Level level(4, 16, TileReader());
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    reader.fillLevel(text, level, *graphics);
    reader.fillLevel(text, level, *graphics);
    for (int i = 0; i < 9; ++i) {
        level.scroll(-8, 0);
    }
    forgetTileImages(*graphics);
    return 0;
}

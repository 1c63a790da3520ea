// asset_gen <root>: draws every picture of the game and writes it as a PNG below <root>
// (normally the game's data directory), creating directories as needed.
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "pictures.h"
#include "png_writer.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <content root>\n", argc > 0 ? argv[0] : "asset_gen");
        return 2;
    }
    const std::filesystem::path root(argv[1]);
    for (const asset_gen::Picture& picture : asset_gen::pictures()) {
        const std::filesystem::path target = root / picture.path;
        std::error_code failure;
        std::filesystem::create_directories(target.parent_path(), failure);
        if (failure) {
            std::fprintf(stderr, "asset_gen: cannot create %s: %s\n", target.parent_path().c_str(),
                         failure.message().c_str());
            return 1;
        }
        std::string error;
        if (!asset_gen::writePng(target.string(), picture.draw(), error)) {
            std::fprintf(stderr, "asset_gen: %s\n", error.c_str());
            return 1;
        }
    }
    return 0;
}

// asset_gen <root>: draws every picture of the game and writes it as a PNG below <root>
// (normally the game's data directory), then writes the text files that describe the robot,
// the tiles and the levels, creating directories as needed. The text files are all made before
// anything is written, so a failure while making one, such as a level that fails its checks,
// leaves the tree untouched.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "pictures.h"
#include "png_writer.h"
#include "text_files.h"

namespace {

bool makeParent(const std::filesystem::path& target) {
    std::error_code failure;
    std::filesystem::create_directories(target.parent_path(), failure);
    if (failure) {
        std::fprintf(stderr, "asset_gen: cannot create %s: %s\n", target.parent_path().c_str(),
                     failure.message().c_str());
        return false;
    }
    return true;
}

bool writeText(const std::filesystem::path& target, const std::string& text) {
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::fprintf(stderr, "asset_gen: cannot write %s\n", target.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <content root>\n", argc > 0 ? argv[0] : "asset_gen");
        return 2;
    }
    const std::filesystem::path root(argv[1]);

    std::vector<std::pair<std::filesystem::path, std::string>> texts;
    try {
        for (const asset_gen::TextFile& file : asset_gen::textFiles()) {
            texts.emplace_back(root / file.path, file.write());
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "asset_gen: %s\n", failure.what());
        return 1;
    }

    for (const asset_gen::Picture& picture : asset_gen::pictures()) {
        const std::filesystem::path target = root / picture.path;
        if (!makeParent(target)) {
            return 1;
        }
        std::string error;
        if (!asset_gen::writePng(target.string(), picture.draw(), error)) {
            std::fprintf(stderr, "asset_gen: %s\n", error.c_str());
            return 1;
        }
    }
    for (const auto& [target, text] : texts) {
        if (!makeParent(target) || !writeText(target, text)) {
            return 1;
        }
    }
    return 0;
}

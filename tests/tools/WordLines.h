#pragma once

// Reads the game's text files back as lines of words, for checking what the generator wrote.

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

inline std::string readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

using WordLines = std::vector<std::vector<std::string>>;

inline WordLines wordLines(const std::string& text) {
    WordLines lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        lines.emplace_back(std::istream_iterator<std::string>(words),
                           std::istream_iterator<std::string>());
    }
    return lines;
}

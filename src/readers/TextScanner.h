#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Reads the game's text files from memory: whitespace-separated words and decimal integers,
// and whole lines for keywords. A failed read (a non-number where a number belongs, a number
// beyond 32 bits, the end of the text) returns false; the readers then stop as at the end of
// the file, so no input can keep them reading forever.
class TextScanner {
public:
    explicit TextScanner(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    // Skips whitespace, line ends included, and reads up to the next whitespace. At the end of
    // the text it returns false and leaves `word` alone.
    bool readWord(std::string& word);

    // Skips whitespace and reads an optionally signed decimal number, stopping at the first
    // character that can't continue it; that character is left for the next read.
    bool readInt(int32_t& value);

    // Reads the rest of the current line and consumes its line end; a carriage return before
    // the line feed is not part of the line.
    bool readLine(std::string& line);

private:
    void skipSpace();

    std::string_view text_;
    size_t pos_ = 0;
};

// Reads the content file "<directory><name><extension>" whole into `contents`, leaving its full
// name in `fileName`. When it can't be opened or read, or its name would pass 255 characters
// (a cut-off name could open some other file), writes "Unable to open <file name>" to standard
// output and returns false.
bool readContentFile(const char* directory, const std::string& name, const char* extension,
                     std::string& fileName, std::string& contents);

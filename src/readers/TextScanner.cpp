#include "readers/TextScanner.h"

#include <cstdio>

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

void TextScanner::skipSpace() {
    while (pos_ < text_.size() && isSpace(text_[pos_])) {
        ++pos_;
    }
}

bool TextScanner::readWord(std::string& word) {
    skipSpace();
    if (atEnd()) {
        return false;
    }
    const size_t start = pos_;
    while (pos_ < text_.size() && !isSpace(text_[pos_])) {
        ++pos_;
    }
    word.assign(text_.substr(start, pos_ - start));
    return true;
}

bool TextScanner::readInt(int32_t& value) {
    skipSpace();
    size_t at = pos_;
    bool negative = false;
    if (at < text_.size() && (text_[at] == '-' || text_[at] == '+')) {
        negative = text_[at] == '-';
        ++at;
    }
    if (at >= text_.size() || !isDigit(text_[at])) {
        return false;
    }
    int64_t magnitude = 0;
    const int64_t limit = negative ? 2147483648LL : 2147483647LL;
    while (at < text_.size() && isDigit(text_[at])) {
        magnitude = magnitude * 10 + (text_[at] - '0');
        if (magnitude > limit) {
            return false;  // a number that doesn't fit is as unreadable as a word
        }
        ++at;
    }
    pos_ = at;
    value = static_cast<int32_t>(negative ? -magnitude : magnitude);
    return true;
}

bool TextScanner::readLine(std::string& line) {
    if (atEnd()) {
        return false;
    }
    const size_t end = text_.find('\n', pos_);
    const size_t stop = end == std::string_view::npos ? text_.size() : end;
    size_t length = stop - pos_;
    if (length > 0 && text_[pos_ + length - 1] == '\r') {
        --length;
    }
    line.assign(text_.substr(pos_, length));
    pos_ = end == std::string_view::npos ? text_.size() : end + 1;
    return true;
}

namespace {

constexpr size_t kLongestFileName = 255;

bool readWholeFile(const std::string& fileName, std::string& contents) {
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    contents.clear();
    char chunk[4096];
    bool ok = true;
    for (;;) {
        const size_t got = std::fread(chunk, 1, sizeof chunk, file);
        contents.append(chunk, got);
        if (got < sizeof chunk) {
            ok = std::ferror(file) == 0;  // a directory opens but can't be read
            break;
        }
    }
    std::fclose(file);
    return ok;
}

}  // namespace

bool readContentFile(const char* directory, const std::string& name, const char* extension,
                     std::string& fileName, std::string& contents) {
    fileName.assign(directory);
    fileName.append(name);
    fileName.append(extension);
    if (fileName.size() > kLongestFileName || !readWholeFile(fileName, contents)) {
        std::printf("Unable to open %s\n", fileName.c_str());
        return false;
    }
    return true;
}

#pragma once

// Reads a PNG file back into plain RGB pixels for checking what the generator drew.

#include <png.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

struct Pixel {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    bool operator==(const Pixel& other) const {
        return r == other.r && g == other.g && b == other.b;
    }
    bool operator!=(const Pixel& other) const { return !(*this == other); }
    bool operator<(const Pixel& other) const {
        return (r << 16 | g << 8 | b) < (other.r << 16 | other.g << 8 | other.b);
    }
    // Perceived brightness, 0 to 255.
    double luma() const { return 0.299 * r + 0.587 * g + 0.114 * b; }
};

inline std::ostream& operator<<(std::ostream& out, const Pixel& p) {
    return out << "rgb(" << int(p.r) << ", " << int(p.g) << ", " << int(p.b) << ")";
}

inline constexpr Pixel kMagenta{255, 0, 255};

struct PngPicture {
    bool loaded = false;
    bool plainRgb = false;  // stored as 8-bit RGB, without alpha or palette
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bytes;

    Pixel at(int x, int y) const {
        const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
        return {bytes[i], bytes[i + 1], bytes[i + 2]};
    }
};

inline PngPicture readPng(const std::string& path) {
    PngPicture picture;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0) {
        return picture;
    }
    picture.plainRgb = image.format == PNG_FORMAT_RGB;
    image.format = PNG_FORMAT_RGB;
    picture.bytes.resize(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, picture.bytes.data(), 0, nullptr) == 0) {
        png_image_free(&image);
        return picture;
    }
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.loaded = true;
    return picture;
}

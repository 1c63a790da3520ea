#include "png_writer.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <vector>

namespace asset_gen {

namespace {

// Writes into an already opened file. Kept apart from the file handling so that setjmp guards
// nothing that needs destroying.
bool writeRows(std::FILE* file, const Canvas& canvas, png_bytep* rows, std::string& error) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) {
        error = "cannot create the PNG writer";
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        error = "cannot create the PNG header";
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        error = "libpng failed while writing";
        return false;
    }
    png_init_io(png, file);
    png_set_compression_level(png, 9);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_ALL_FILTERS);
    png_set_IHDR(png, info, static_cast<png_uint_32>(canvas.width()),
                 static_cast<png_uint_32>(canvas.height()), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

bool writePng(const std::string& path, const Canvas& canvas, std::string& error) {
    if (canvas.width() == 0 || canvas.height() == 0) {
        error = "cannot write an empty picture to " + path;
        return false;
    }
    std::vector<png_bytep> rows(static_cast<std::size_t>(canvas.height()));
    // libpng only reads through these pointers while writing.
    auto* base = const_cast<png_bytep>(canvas.bytes().data());
    for (int y = 0; y < canvas.height(); ++y) {
        rows[static_cast<std::size_t>(y)] = base + static_cast<std::size_t>(y) * canvas.width() * 3;
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        error = "cannot open " + path + " for writing";
        return false;
    }
    bool written = writeRows(file, canvas, rows.data(), error);
    if (std::fclose(file) != 0 && written) {
        error = "cannot finish writing " + path;
        written = false;
    }
    if (!written && error.find(path) == std::string::npos) {
        error += " (" + path + ")";
    }
    return written;
}

}  // namespace asset_gen

#pragma once

// Temporary folders for tests that need their own content tree, and a guard that runs a
// test from inside one (the game finds data/ below the working directory).

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zephlark-XXXXXX").string();
        char* made = mkdtemp(pattern.data());
        if (made == nullptr) {
            std::abort();
        }
        path_ = made;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Copies `from` to `relative` below this folder, making the folders in between.
    void copyIn(const std::filesystem::path& from, const std::filesystem::path& relative) const {
        const std::filesystem::path to = path_ / relative;
        std::filesystem::create_directories(to.parent_path());
        std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
    }

    // Writes `text` to `relative` below this folder, making the folders in between.
    void write(const std::filesystem::path& relative, const std::string& text) const {
        const std::filesystem::path to = path_ / relative;
        std::filesystem::create_directories(to.parent_path());
        std::ofstream(to, std::ios::binary) << text;
    }

private:
    std::filesystem::path path_;
};

class ScopedWorkingDir {
public:
    explicit ScopedWorkingDir(const std::filesystem::path& dir)
        : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir);
    }
    ~ScopedWorkingDir() { std::filesystem::current_path(previous_); }
    ScopedWorkingDir(const ScopedWorkingDir&) = delete;
    ScopedWorkingDir& operator=(const ScopedWorkingDir&) = delete;

private:
    std::filesystem::path previous_;
};

#pragma once
// A fresh folder of its own for one test, removed with everything in it.

#include <sys/mount.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace plotmere::testing {

// The bytes of a file; empty when it cannot be read.
inline std::string ContentsOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        do {
            path_ = std::filesystem::temp_directory_path() / ("plotmere-test-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(path_));
    }
    ~TempFolder() {
#ifndef __EMSCRIPTEN__
        umount2(path_.c_str(), MNT_DETACH);  // what mountTmpfs mounted, if anything
#endif
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes the file name (which may name a subfolder) with exactly these bytes.
    void write(const std::string& name, const std::string& content) const {
        std::filesystem::create_directories((path_ / name).parent_path());
        std::ofstream(path_ / name, std::ios::binary) << content;
    }
    std::string read(const std::string& name) const { return ContentsOf(path_ / name); }
    // A tmpfs over the folder until the end (MS_RDONLY, MS_REMOUNT; "size=8k"). Only root may
    // mount, and not under Node.
    bool mountTmpfs([[maybe_unused]] unsigned long flags, [[maybe_unused]] const char* opts = "") {
#ifdef __EMSCRIPTEN__
        return false;
#else
        return !mount("tmpfs", path_.c_str(), "tmpfs", flags, opts);
#endif
    }

private:
    std::filesystem::path path_;
};

}  // namespace plotmere::testing

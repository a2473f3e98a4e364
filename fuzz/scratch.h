#pragma once
// A folder of the fuzzer's own under the temporary folder, made once per
// process, for the files an input brings along.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace plotmere::fuzz {

inline const std::filesystem::path& ScratchFolder() {
    static const std::filesystem::path folder = [] {
        std::string name = (std::filesystem::temp_directory_path() / "plotmere-fuzz-XXXXXX").string();
        if (!mkdtemp(name.data())) std::abort();
        return std::filesystem::path(name);
    }();
    return folder;
}

inline void WriteFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// Removes whatever an earlier input left, so that each input starts alike.
inline void EmptyScratchFolder() {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(ScratchFolder(), ec)) {
        std::filesystem::remove_all(entry.path(), ec);
    }
}

}  // namespace plotmere::fuzz

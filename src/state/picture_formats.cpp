#include "state/picture_formats.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace plotmere {

FileFormat FormatOf(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) return PictureFormats[0].format;
    const std::string_view suffix = std::string_view(name).substr(dot + 1);
    const auto sameLetters = [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; };
    for (const PictureFormat& row : PictureFormats) {
        for (std::string_view extension : row.extensions) {
            if (!extension.empty() &&
                std::equal(suffix.begin(), suffix.end(), extension.begin(), extension.end(), sameLetters))
                return row.format;
        }
    }
    return PictureFormats[0].format;
}

const PictureFormat& RowOf(FileFormat format) {
    return *std::find_if(std::begin(PictureFormats), std::end(PictureFormats),
                         [format](const PictureFormat& row) { return row.format == format; });
}

std::string SaveFilter(bool (*keep)(FileFormat)) {
    std::string filter;
    for (const PictureFormat& row : PictureFormats) {
        if (keep && !keep(row.format)) continue;
        std::string patterns;
        for (std::string_view extension : row.extensions) {
            if (!extension.empty()) patterns += (patterns.empty() ? "*." : " *.") + std::string(extension);
        }
        filter += (filter.empty() ? "" : "|") + std::string(row.description) + "|" + patterns;
    }
    return filter;
}

}  // namespace plotmere

#include "app/image/file_format.h"

#include <strings.h>

#include <filesystem>

namespace plotmere {

FileFormat FormatOf(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    const std::size_t dot = name.rfind('.');
    const char* suffix = dot == std::string::npos ? "" : name.c_str() + dot + 1;
    const auto is = [&](const char* extension) { return strcasecmp(suffix, extension) == 0; };
    if (is("png")) return FileFormat::Png;
    if (is("jpg") || is("jpeg")) return FileFormat::Jpeg;
    if (is("svg")) return FileFormat::Svg;
    if (is("pdf")) return FileFormat::Pdf;
    return FileFormat::Bmp;
}

}  // namespace plotmere

#pragma once
// The formats a picture is saved in, one row each: everything that names them
// (the save dialog, the writers, the manual page, the metainfo) reads them here.

#include <array>
#include <string>
#include <string_view>

namespace plotmere {

enum class FileFormat { Bmp, Png, Jpeg, Svg, Pdf };

struct PictureFormat {
    FileFormat format;
    const char* name;
    const char* description;  // in the save dialog
    std::array<std::string_view, 2> extensions;
    const char* mime;
};

// The first is written for a name with no extension of these. CMake reads the
// rows too (data/CMakeLists.txt): keep one to a line.
// clang-format off
inline constexpr PictureFormat PictureFormats[] = {
    {FileFormat::Bmp, "BMP", "Picture", {"bmp"}, "image/bmp"},
    {FileFormat::Png, "PNG", "PNG image", {"png"}, "image/png"},
    {FileFormat::Jpeg, "JPEG", "JPEG image", {"jpg", "jpeg"}, "image/jpeg"},
    {FileFormat::Svg, "SVG", "SVG drawing", {"svg"}, "image/svg+xml"},
    {FileFormat::Pdf, "PDF", "PDF document", {"pdf"}, "application/pdf"},
};
// clang-format on

// By the extension of the file's name, in any case.
FileFormat FormatOf(const std::string& path);

const PictureFormat& RowOf(FileFormat format);

// The save dialog's filter, "Description|*.ext *.ext|...", of every format, or
// of those keep takes.
std::string SaveFilter(bool (*keep)(FileFormat) = nullptr);

}  // namespace plotmere

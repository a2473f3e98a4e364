#pragma once
// The format a file's name asks for.

#include <string>

namespace plotmere {

enum class FileFormat { Bmp, Png, Jpeg, Svg, Pdf };

// By the extension of the file's name, in any case; a Windows bitmap for any
// other name, or none.
FileFormat FormatOf(const std::string& path);

}  // namespace plotmere

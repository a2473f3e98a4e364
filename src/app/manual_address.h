#pragma once
// Where Help sends the user: the HTML manual.

#include <filesystem>
#include <string>

namespace plotmere {

// The file: address of the manual of the program in programFolder: the one in
// its build folder when it runs from there, else the one installed beside it.
std::string ManualAddress(const std::filesystem::path& programFolder);

}  // namespace plotmere

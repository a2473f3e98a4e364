#pragma once
// Where Help sends the user: the HTML manual.

#include <string>

namespace plotmere {

// The file: address of the manual of this program: the one in its build folder
// when it runs from there, else the one installed beside it.
std::string ManualAddress();

}  // namespace plotmere

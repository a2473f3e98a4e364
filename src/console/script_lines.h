#pragma once
// Script files: the line count, then the command lines.

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace plotmere {

// The command lines of a script file, each trimmed of spaces: the first item is
// their count, 1 to 32767. An item that reads as a number takes the number's
// normal form (2.50 gives 2.5). Nothing when the count is bad, the file holds
// fewer lines, or it is not text. Items after the last command line are not read.
std::optional<std::vector<std::string>> ReadScriptLines(std::istream& in);

}  // namespace plotmere

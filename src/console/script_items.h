#pragma once
// Script files read as comma-delimited items: the line count, then the command
// lines.

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace plotmere {

// Reads a text stream item by item. An item ends at a comma or at the end of a
// line, without the blanks around it; one that begins with a double quote runs
// to the next double quote on its line, may hold commas and loses its quotes;
// one that reads as a number becomes the number's normal form (2.50 gives
// 2.5); an empty line is one empty item.
class ItemReader {
public:
    explicit ItemReader(std::istream& in) : in_(in) {}

    // The next item; nothing at the end of the stream or at a line that is not
    // text (it holds a NUL byte).
    std::optional<std::string> Next();

private:
    bool readLine();

    std::istream& in_;
    std::string line_;
    size_t pos_ = 0;
    bool inLine_ = false;
};

// The command lines of a script file, each trimmed of spaces: the first item is
// their count, 1 to 32767. Nothing when the count is bad, the file holds fewer
// lines, or it is not text. Items after the last command line are not read.
std::optional<std::vector<std::string>> ReadScriptLines(std::istream& in);

}  // namespace plotmere

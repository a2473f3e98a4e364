#pragma once
// Text files read item by item, as script and data files are written.

#include <istream>
#include <optional>
#include <string>

namespace plotmere {

struct TextItem {
    std::string text;
    bool quoted = false;  // it was written in double quotes
};

// An item ends at a comma or at the end of a line, without the blanks around
// it; one that begins with a double quote runs to the next double quote on its
// line, may hold commas and loses its quotes; an empty line is one empty item.
class ItemReader {
public:
    enum class Stop { None, End, NotText, TooLong };

    explicit ItemReader(std::istream& in, size_t maxLine = std::string::npos) : in_(in), maxLine_(maxLine) {}

    // The next item; nothing once reading has stopped: at the end of the
    // stream, at a line that is not text (it holds a NUL byte) or at one
    // longer than maxLine.
    std::optional<TextItem> Next();
    // Why reading stopped.
    Stop stop() const { return stop_; }

private:
    bool readLine();

    std::istream& in_;
    size_t maxLine_;
    std::string line_;
    size_t pos_ = 0;
    bool inLine_ = false;
    Stop stop_ = Stop::None;
};

// The text without the given characters at either end.
std::string Trimmed(std::string_view text, bool (*drop)(char));

}  // namespace plotmere

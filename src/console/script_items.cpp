#include "console/script_items.h"

#include <cmath>

#include "expr/number_text.h"

namespace plotmere {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string trimmed(std::string_view text, bool (*drop)(char)) {
    while (!text.empty() && drop(text.front())) text.remove_prefix(1);
    while (!text.empty() && drop(text.back())) text.remove_suffix(1);
    return std::string(text);
}

// The count item, rounded as a 16-bit integer is (to the nearest, halves to even),
// when it is 1 to 32767.
std::optional<int> lineCount(const std::string& item) {
    const auto value = ParseNumber(item);
    if (!value) return std::nullopt;
    const double n = std::nearbyint(*value);
    if (n < 1 || n > 32767) return std::nullopt;
    return static_cast<int>(n);
}

}  // namespace

bool ItemReader::readLine() {
    if (!std::getline(in_, line_)) return false;
    if (!line_.empty() && line_.back() == '\r') line_.pop_back();
    if (line_.find('\0') != std::string::npos) return false;
    pos_ = 0;
    inLine_ = true;
    return true;
}

std::optional<std::string> ItemReader::Next() {
    if (!inLine_ && !readLine()) return std::nullopt;
    const std::string_view line = line_;
    size_t start = pos_;
    while (start < line.size() && isBlank(line[start])) ++start;
    std::string item;
    size_t comma;
    if (start < line.size() && line[start] == '"') {
        const size_t close = line.find('"', start + 1);
        item = line.substr(start + 1, close == line.npos ? line.npos : close - start - 1);
        comma = close == line.npos ? line.npos : line.find(',', close);
    } else {
        comma = line.find(',', start);
        item = trimmed(line.substr(start, comma == line.npos ? line.npos : comma - start), isBlank);
        if (auto number = ParseNumber(item)) item = FormatDouble(*number);
    }
    if (comma == line.npos)
        inLine_ = false;
    else
        pos_ = comma + 1;
    return item;
}

std::optional<std::vector<std::string>> ReadScriptLines(std::istream& in) {
    ItemReader items(in);
    const auto first = items.Next();
    const auto count = first ? lineCount(*first) : std::nullopt;
    if (!count) return std::nullopt;
    std::vector<std::string> lines;
    while (static_cast<int>(lines.size()) < *count) {
        auto item = items.Next();
        if (!item) return std::nullopt;
        lines.push_back(trimmed(*item, [](char c) { return c == ' '; }));
    }
    return lines;
}

}  // namespace plotmere

#include "console/script_lines.h"

#include <cmath>

#include "expr/number_text.h"
#include "state/text_items.h"

namespace plotmere {

namespace {

// The count item, rounded as a 16-bit integer is (to the nearest, halves to even),
// when it is 1 to 32767.
std::optional<int> lineCount(const std::string& item) {
    const auto value = ParseNumber(item);
    if (!value) return std::nullopt;
    const double n = std::nearbyint(*value);
    if (n < 1 || n > 32767) return std::nullopt;
    return static_cast<int>(n);
}

// A plain number item reads as the number, so its text is the number's normal
// form, as a command reads it back.
std::string asRead(const TextItem& item) {
    if (item.quoted) return item.text;
    const auto number = ParseNumber(item.text);
    return number ? FormatForInput(*number) : item.text;
}

}  // namespace

std::optional<std::vector<std::string>> ReadScriptLines(std::istream& in) {
    ItemReader items(in);
    const auto first = items.Next();
    const auto count = first ? lineCount(first->text) : std::nullopt;
    if (!count) return std::nullopt;
    std::vector<std::string> lines;
    while (static_cast<int>(lines.size()) < *count) {
        auto item = items.Next();
        if (!item) return std::nullopt;
        lines.push_back(Trimmed(asRead(*item), [](char c) { return c == ' '; }));
    }
    return lines;
}

}  // namespace plotmere

#include "expr/decimal_text.h"

#include <fast_float/fast_float.h>
#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace plotmere {

std::string FormatSignificant(double v, int digits) { return fmt::format("{:.{}G}", v, digits); }

std::string FormatShortest(double v) { return fmt::format("{}", v); }

// The shortest text (1.2e-05, 2500) has its decimals written after its point,
// less its exponent.
std::string FormatShortestPlain(double v) {
    const std::string shortest = FormatShortest(v);
    const auto exponentAt = shortest.find('e');
    const auto point = std::min(shortest.find('.'), exponentAt);
    const auto lastDigit = shortest.find_last_not_of('0', exponentAt - 1);
    const int written =
        lastDigit > point && lastDigit != std::string::npos ? static_cast<int>(lastDigit - point) : 0;
    const int exponent = exponentAt == std::string::npos ? 0 : std::stoi(shortest.substr(exponentAt + 1));
    return fmt::format("{:.{}f}", v, std::max(0, written - exponent));
}

double RoundToSignificant(double v, int digits) {
    char text[32];
    const auto end = fmt::format_to_n(text, sizeof text, "{:.{}e}", v, digits - 1).out;
    return ReadDecimal(std::string_view(text, static_cast<std::size_t>(std::distance(text, end))));
}

double ReadDecimal(std::string_view text) {
    double value = 0;
    fast_float::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace plotmere

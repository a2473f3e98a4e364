#include "expr/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "expr/decimal_text.h"
#include "expr/elementary.h"
#include "expr/eval_failure.h"

namespace plotmere {

void ThrowOverflow() { throw EvalFailure("Overflow"); }

namespace {

std::string printed(double v, int digits) {
    if (v == 0) return "0";  // also negative zero
    return FormatSignificant(v, digits);
}

// The language would read the "+" of 2E+15 as part of the exponent's text.
std::string typeable(std::string text) {
    if (const size_t plus = text.find("E+"); plus != std::string::npos) text.erase(plus + 1, 1);
    return text;
}

}  // namespace

std::string FormatDouble(double v) { return printed(v, 15); }

std::string FormatForInput(double v) { return typeable(printed(v, 15)); }

double RoundToStep(double v, double step) {
    // The unit 10^-decimals is the coarsest power of ten not above the step.
    const double decimals = std::ceil(-elementary::log10(step));
    const double digits = std::floor(elementary::log10(std::fabs(v))) + 1 + decimals;
    // Never more digits than any other number shows.
    if (digits >= 1) return RoundToSignificant(v, static_cast<int>(std::min(digits, 15.0)));
    // Smaller than the unit: it rounds to none or to one.
    const double unit = elementary::pow(10.0, -decimals);
    return std::fabs(v) < unit / 2 ? 0 : std::copysign(unit, v);
}

std::string FormatPlain(double v) {
    if (v == 0 || !(std::fabs(v) < PlainBelow)) return FormatForInput(v);
    return FormatShortestPlain(v);
}

std::string FormatToStep(double v, double step) { return FormatPlain(RoundToStep(v, step)); }

std::string FormatValue(const Value& v) { return v ? FormatDouble(*v) : std::string(); }

std::string FormatSingle(float v) { return printed(v, 7); }

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

size_t skipDigits(std::string_view t, size_t i) {
    while (i < t.size() && isDigit(t[i])) ++i;
    return i;
}

// Length of "digits[.digits]" or ".digits" at i, or 0 when there are no digits.
size_t mantissaLength(std::string_view t, size_t i) {
    size_t end = skipDigits(t, i);
    bool digits = end > i;
    if (end < t.size() && t[end] == '.') {
        size_t frac = skipDigits(t, end + 1);
        digits = digits || frac > end + 1;
        end = frac;
    }
    return digits ? end - i : 0;
}

// Length of "E[+-]digits" at i, or 0.
size_t exponentLength(std::string_view t, size_t i) {
    if (i >= t.size() || (t[i] != 'E' && t[i] != 'e')) return 0;
    size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    size_t end = skipDigits(t, j);
    return end > j ? end - i : 0;
}

// Reads "[sign]mantissa[exponent]" at i; returns the end, or npos when absent
// or too large. A number too small for a double reads as 0.
size_t readNumber(std::string_view t, size_t i, double& out) {
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    size_t m = mantissaLength(t, i);
    if (m == 0) return std::string_view::npos;
    size_t end = i + m;
    end += exponentLength(t, end);
    if (!std::isfinite(out = ReadDecimal(t.substr(i, end - i)))) return std::string_view::npos;
    if (negative) out = -out;
    return end;
}

size_t skipBlanks(std::string_view t, size_t i) {
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
    return i;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
    double v = 0;
    size_t end = readNumber(text, skipBlanks(text, 0), v);
    if (end == std::string_view::npos || skipBlanks(text, end) != text.size()) return std::nullopt;
    return v;
}

double LeadingNumber(std::string_view text) {
    size_t i = skipBlanks(text, 0);
    size_t sign = i < text.size() && (text[i] == '+' || text[i] == '-') ? 1 : 0;
    if (mantissaLength(text, i + sign) == 0) return 0;
    double v = 0;
    if (readNumber(text, i, v) == std::string_view::npos) throw EvalFailure("Overflow");
    return v;
}

int ToInt16(double v) {
    double r = std::nearbyint(v);
    if (!(r >= -32768 && r <= 32767)) throw EvalFailure("Overflow");
    return static_cast<int>(r);
}

}  // namespace plotmere

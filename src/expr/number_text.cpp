#include "expr/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "expr/eval_failure.h"

namespace plotmere {

void ThrowOverflow() { throw EvalFailure("Overflow"); }

std::string FormatDouble(double v) {
    if (v == 0) return "0";  // also negative zero
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.15G", v);
    return buf;
}

std::string FormatForInput(double v) {
    std::string text = FormatDouble(v);
    if (const size_t plus = text.find("E+"); plus != std::string::npos) text.erase(plus + 1, 1);
    return text;
}

std::string FormatValue(const Value& v) { return v ? FormatDouble(*v) : std::string(); }

std::string FormatSingle(float v) {
    if (v == 0) return "0";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.7G", static_cast<double>(v));
    return buf;
}

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

// A number too small for a double reads as 0; one too large does not read.
// Tells them apart by the position of the first significant digit.
bool isUnderflow(std::string_view number) {
    size_t exponentAt = number.find_first_of("Ee");
    std::string_view mantissa = number.substr(0, exponentAt);
    size_t point = std::min(mantissa.find('.'), mantissa.size());
    size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string_view::npos) return true;
    long magnitude = first < point ? long(point - first) : -long(first - point);
    long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        std::string_view digits = number.substr(exponentAt + 1);
        bool negative = !digits.empty() && digits[0] == '-';
        if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) digits.remove_prefix(1);
        if (digits.size() > 9) return negative;  // far beyond either limit
        std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
        if (negative) exponent = -exponent;
    }
    return magnitude + exponent < 0;
}

// Reads "[sign]mantissa[exponent]" at i; returns the end, or npos when absent
// or too large.
size_t readNumber(std::string_view t, size_t i, double& out) {
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    size_t m = mantissaLength(t, i);
    if (m == 0) return std::string_view::npos;
    size_t end = i + m;
    end += exponentLength(t, end);
    auto [ptr, ec] = std::from_chars(t.data() + i, t.data() + end, out);
    if (ec == std::errc::result_out_of_range && isUnderflow(t.substr(i, end - i))) out = 0;
    else if (ec != std::errc() || !std::isfinite(out)) return std::string_view::npos;
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

[[gnu::noinline]] double RoundTo15DigitsByText(double v) {
    char buf[32];
    auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14).ptr;
    double rounded = v;
    std::from_chars(buf, end, rounded);
    return rounded;
}

namespace {

// The powers of ten a double holds exactly.
constexpr std::array<double, 23> exactPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int MaxExactPower = 22;
constexpr double Digits15 = 1e15, Digits14 = 1e14;

// For each binary exponent of a positive double a: the power of ten that
// brings a to 15 digits, 10^(14 - floor(log10 a)), below limit and from limit
// on; 0 where it is no exact power of ten a scale of up to 10^22 gives.
struct Binade {
    double limit;
    double below, above;
};
constexpr auto binades = [] {
    std::array<Binade, 2048> table{};
    auto power = [](int s) { return s >= 0 && s <= MaxExactPower ? exactPowersOfTen[static_cast<size_t>(s)] : 0.0; };
    for (int biased = 1; biased < 2047; ++biased) {
        const int k = ((biased - 1023) * 78913) >> 18;  // floor(log10 a), or one less
        double limit = 1;  // 10^(k + 1), nearly: only a guess, checked after
        for (int i = 0; i < k + 1; ++i) limit *= 10;
        for (int i = 0; i > k + 1; --i) limit /= 10;
        table[static_cast<size_t>(biased)] = {limit, power(14 - k), power(13 - k)};
    }
    return table;
}();

// x * y as hi + lo exactly, hi the rounded product (Dekker's splitting: no
// fused multiply-add needed).
struct ExactProduct {
    double hi, lo;
};

ExactProduct exactProduct(double x, double y) {
    auto split = [](double z) {
        const double t = 134217729.0 * z;  // 2^27 + 1
        const double high = t - (t - z);
        return std::pair{high, z - high};
    };
    const auto [xh, xl] = split(x);
    const auto [yh, yl] = split(y);
    const double hi = x * y;
    return {hi, ((xh * yh - hi) + xh * yl + xl * yh) + xl * yl};
}

// a (positive) times 10^s rounded once, and the sign of what the rounding
// dropped, so that the exact product is known on either side of m.
struct Scaled {
    double m, residue;
};

Scaled scaled(double a, int s) {
    const double p = exactPowersOfTen[static_cast<size_t>(std::abs(s))];
    if (s >= 0) {
        const ExactProduct q = exactProduct(a, p);
        return {q.hi, q.lo};
    }
    const double m = a / p;
    const ExactProduct back = exactProduct(m, p);
    return {m, (a - back.hi) - back.lo};  // a - m * p: its sign is that of a / p - m
}

// The nearest whole number, halves to even, for 0 <= m < 2^52.
double nearestWhole(double m) {
    constexpr double TwoTo52 = 4503599627370496.0;
    return (m + TwoTo52) - TwoTo52;
}

// R / 10^s, correctly rounded as reading the decimal text is.
double fromScaled(double R, int s) {
    const double p = exactPowersOfTen[static_cast<size_t>(std::abs(s))];
    return s >= 0 ? R / p : R * p;
}

// The careful way: the digit count checked on the exact product, and a half
// decided by what the scaling dropped. Rare: kept out of the fast path's way.
[[gnu::cold, gnu::noinline]] double roundRarely(double v, double a) {
    if (a == 0) return v;
    const auto biased = static_cast<int>(std::bit_cast<std::uint64_t>(a) >> 52);
    if (biased == 0 || biased == 2047) return RoundTo15DigitsByText(v);  // subnormal, infinite, NaN
    int k = ((biased - 1023) * 78913) >> 18;  // floor(log10 a), or one less
    for (int tries = 0; tries < 3; ++tries) {
        const int s = 14 - k;
        if (std::abs(s) > MaxExactPower) break;
        const Scaled q = scaled(a, s);
        if (q.m > Digits15 || (q.m == Digits15 && q.residue >= 0)) {
            ++k;
        } else if (q.m < Digits14 || (q.m == Digits14 && q.residue < 0)) {
            --k;
        } else {
            double R = nearestWhole(q.m);
            if (std::fabs(R - q.m) == 0.5 && q.residue != 0) R = q.residue > 0 ? q.m + 0.5 : q.m - 0.5;
            return std::copysign(fromScaled(R, s), v);
        }
    }
    return RoundTo15DigitsByText(v);
}

}  // namespace

// Scales by an exact power of ten instead of writing the digits out: the
// scaled number rounded to a whole one is the 15 digits, and dividing them by
// the power rounds as reading their text does. Only a scaled number on a half
// or at the edge of 15 digits needs a closer look. Where no exact power scales
// up to 15 digits (from 1E15 on, below 1E-8, zero, subnormals, infinities and
// NaN), the careful way or the text decides.
double RoundTo15Digits(double v) {
    const double a = std::fabs(v);
    const Binade& binade = binades[std::bit_cast<std::uint64_t>(a) >> 52];
    const double p = a >= binade.limit ? binade.above : binade.below;
    if (p == 0) return roundRarely(v, a);
    const double m = a * p;
    const double R = nearestWhole(m);
    if (!(m > Digits14 && m < Digits15)) return roundRarely(v, a);
    if (std::fabs(R - m) == 0.5) [[unlikely]] {
        const double residue = exactProduct(a, p).lo;  // which side of the half a * p lies
        if (residue != 0) return std::copysign((residue > 0 ? m + 0.5 : m - 0.5) / p, v);
    }
    return std::copysign(R / p, v);
}

int ToInt16(double v) {
    double r = std::nearbyint(v);
    if (!(r >= -32768 && r <= 32767)) throw EvalFailure("Overflow");
    return static_cast<int>(r);
}

}  // namespace plotmere

#pragma once
// Doubles as decimal text and back, exact (correctly rounded) and the same in
// every build, whatever C library the platform has.

#include <string>
#include <string_view>

namespace plotmere {

// printf's "%.*G": digits significant digits, with printf's exponent form
// (1E+20, 1E-05).
std::string FormatSignificant(double v, int digits);
// The fewest digits that read back as v, with an exponent where that is
// shorter or v is 1E16 or more in size (2.5, 0.0001, 1e-05, 1e+16).
std::string FormatShortest(double v);
// Plain decimals without an exponent, as few as read back as v (2500, 0.00012).
std::string FormatShortestPlain(double v);
// v rounded to digits significant digits, as its text reads back (v finite).
double RoundToSignificant(double v, int digits);
// The value of a decimal number "digits[.digits][E[sign]digits]" (the mantissa
// may start or end at its point); too large is infinite, too small 0.
double ReadDecimal(std::string_view text);

}  // namespace plotmere

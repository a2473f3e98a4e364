#pragma once
// Numbers as text: how results are written, and how texts are read as numbers.

#include <optional>
#include <string>
#include <string_view>

#include "expr/value.h"

namespace plotmere {

// "%.15G" (2.5, -3, 0.1, 1E+20, 1E-05), negative zero as 0.
std::string FormatDouble(double v);
// The same for a box that is read back as an expression: without the "+" of a
// positive exponent (2E15), which the language would read as 2E+1.
std::string FormatForInput(double v);
// v rounded to the fewest significant digits that still tell apart two values
// step apart (step > 0), at most fifteen.
double RoundToStep(double v, double step);
// Plain decimals without an exponent below PlainBelow in size (2500, 0.00012),
// the form of FormatForInput from there on.
inline constexpr double PlainBelow = 1e15;
std::string FormatPlain(double v);
// FormatPlain(RoundToStep(v, step)), as a readout shows a coordinate.
std::string FormatToStep(double v, double step);
// Empty shows as nothing.
std::string FormatValue(const Value& v);
// "%.7G" of a single-precision value (3.141593).
std::string FormatSingle(float v);

// A whole text that is one number as results are written: optional blanks,
// sign, digits with a point, exponent. Empty when it is not one (or overflows).
std::optional<double> ParseNumber(std::string_view text);

// The value of the decimal number at the start of the text, 0 when there is
// none. Digits stop at a second point. Overflow is the run-time failure.
double LeadingNumber(std::string_view text);

// Conversion to a 16-bit integer, to the nearest (halves to even); out of
// range is the run-time failure.
int ToInt16(double v);

}  // namespace plotmere

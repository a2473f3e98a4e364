#pragma once
// x as the evaluator reads it: rounded to 15 significant digits, as writing it
// with 15 digits and reading the text back does, bit for bit.

#include <span>

namespace plotmere {

double RoundTo15Digits(double v);
// The same for many values at once (out at least as long as in).
void RoundAllTo15Digits(std::span<const double> in, std::span<double> out);
// The same by way of the decimal text: the slow reference.
double RoundTo15DigitsByText(double v);

}  // namespace plotmere

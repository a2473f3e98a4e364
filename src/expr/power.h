#pragma once
// std::pow's value for a square and a cube, mostly without calling it: a
// graph of x^2 spends most of its time there.
//
// The exact power is worked out as an unevaluated sum, and its correct
// rounding taken where the sum lies clearly off a half between two doubles.
// pow is at most 0.54 ulp off the exact power (glibc's bound), so there it
// returns the correctly rounded value too; only near a half, or out of the
// range where the sums are exact, does pow itself decide.
//
// Compilers replace pow(a, 2.0) by a * a, the correct rounding, where they
// see the 2: pow is called out of line here, with the exponent unseen.

#include <bit>
#include <cmath>
#include <cstdint>
#include <span>

#include "expr/exact_arithmetic.h"

namespace plotmere::power {

double OfLibrary(double base, double exponent);

// Power(value, exponent) in place for each value, the exponent 2 or 3, many
// at a time; whether every power is finite.
bool PowersInPlace(std::span<double> values, double exponent);

// Whether r is the correct rounding of r + rest with room to spare: at most
// 0.45 of the gap below |r|, so that the exact power stays 0.05 ulp off every
// half and no value within 0.54 ulp of it other than r is a double.
inline bool clearlyRounded(double r, double rest) {
    const double magnitude = std::fabs(r);
    const double below = std::bit_cast<double>(std::bit_cast<std::uint64_t>(magnitude) - 1);
    return std::fabs(rest) <= 0.45 * (magnitude - below);
}

// Bases whose square and cube, and what rounding leaves out of them, are
// normal doubles; NaN is not one.
inline bool inExactRange(double a) {
    const double magnitude = std::fabs(a);
    return (magnitude >= 0x1p-300) & (magnitude <= 0x1p300);  // no branch: it runs on many values at once
}

inline double square(double a) {
    if (inExactRange(a)) {
        const auto s = exact::product(a, a);
        if (clearlyRounded(s.rounded, s.rest)) return s.rounded;
    }
    return OfLibrary(a, 2);
}

inline double cube(double a) {
    if (inExactRange(a)) {
        const auto s = exact::product(a, a);
        const auto c = exact::product(s.rounded, a);
        // s.rest * a lies far below c's last bit: rounding it and its sum
        // with c.rest is off by some 2^-52 of an ulp.
        const auto r = exact::sum(c.rounded, c.rest + s.rest * a);
        if (clearlyRounded(r.rounded, r.rest)) return r.rounded;
    }
    return OfLibrary(a, 3);
}

}  // namespace plotmere::power

namespace plotmere {

// std::pow(base, exponent), bit for bit.
inline double Power(double base, double exponent) {
    if (exponent == 2) return power::square(base);
    if (exponent == 3) return power::cube(base);
    return power::OfLibrary(base, exponent);
}

}  // namespace plotmere

#pragma once
// elementary::pow's value for a square and a cube, mostly without calling it:
// a graph of x^2 spends most of its time there.
//
// The exact power is worked out as an unevaluated sum, and its correct
// rounding taken where the sum lies clearly off a half between two doubles.
// pow is at most 0.544 ulp off the exact power (glibc's bound without fused
// multiply-add), so there it returns the correctly rounded value too; only
// near a half, or out of the range where the sums are exact, does pow itself
// decide.

#include <cmath>
#include <cstdint>
#include <span>

#include "expr/bit_cast.h"
#include "expr/elementary.h"
#include "expr/exact_arithmetic.h"

namespace plotmere::power {

// Power(value, exponent) in place for each value, the exponent 2 or 3, many
// at a time; whether every power is finite.
bool PowersInPlace(std::span<double> values, double exponent);

// Whether r is the correct rounding of r + rest with room to spare: at most
// 0.45 of the gap below |r|, so that the exact power stays 0.05 ulp off every
// half and no value within 0.55 ulp of it other than r is a double.
inline bool clearlyRounded(double r, double rest) {
    const double magnitude = std::fabs(r);
    const double below = BitCast<double>(BitCast<std::uint64_t>(magnitude) - 1);
    return std::fabs(rest) <= 0.45 * (magnitude - below);
}

// Bases whose square and cube, and what rounding leaves out of them, are
// normal doubles; NaN is not one.
inline bool inExactRange(double a) {
    const double magnitude = std::fabs(a);
    return (magnitude >= 0x1p-300) & (magnitude <= 0x1p300);  // no branch: it runs on many values at once
}

// a^Exponent, 2 or 3, as its rounding and the rest. For a cube the rest is
// off by some 2^-52 of an ulp: s.rest * a lies far below c's last bit, and only
// its rounding and that of its sum with c.rest are lost.
template <int Exponent>
[[gnu::always_inline]] inline exact::Sum<double> exactPower(double a) {
    const auto s = exact::product(a, a);
    if constexpr (Exponent == 2) {
        return s;
    } else {
        static_assert(Exponent == 3);
        const auto c = exact::product(s.rounded, a);
        return exact::sum(c.rounded, c.rest + s.rest * a);
    }
}

// Whether power, a^Exponent worked out as above, is what pow gives.
[[gnu::always_inline]] inline bool sureOf(double a, const exact::Sum<double>& power) {
    const bool inRange = inExactRange(a), clear = clearlyRounded(power.rounded, power.rest);
    return inRange && clear;  // both worked out: no branch, so that it runs on many values at once
}

template <int Exponent>
inline double wholePower(double a) {
    const auto power = exactPower<Exponent>(a);
    return sureOf(a, power) ? power.rounded : elementary::pow(a, Exponent);
}

}  // namespace plotmere::power

namespace plotmere {

// elementary::pow(base, exponent), bit for bit.
inline double Power(double base, double exponent) {
    if (exponent == 2) return power::wholePower<2>(base);
    if (exponent == 3) return power::wholePower<3>(base);
    return elementary::pow(base, exponent);
}

}  // namespace plotmere

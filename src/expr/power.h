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

namespace plotmere::power {

double OfLibrary(double base, double exponent);

// An exact product as the rounded product and what rounding left out.
struct Exact {
    double rounded, rest;
};

// a as a high half of 26 bits and the rest, for products without rounding.
struct Halves {
    double high, low;
};

inline Halves split(double a) {
    const double scaled = 134217729.0 * a;  // 2^27 + 1
    const double high = scaled - (scaled - a);
    return {high, a - high};
}

inline Exact product(double a, double b) {
    const Halves x = split(a), y = split(b);
    const double p = a * b;
    return {p, ((x.high * y.high - p) + x.high * y.low + x.low * y.high) + x.low * y.low};
}

inline Exact sum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

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
    return magnitude >= 0x1p-300 && magnitude <= 0x1p300;
}

inline double square(double a) {
    if (inExactRange(a)) {
        const Exact s = product(a, a);
        if (clearlyRounded(s.rounded, s.rest)) return s.rounded;
    }
    return OfLibrary(a, 2);
}

inline double cube(double a) {
    if (inExactRange(a)) {
        const Exact s = product(a, a);
        const Exact c = product(s.rounded, a);
        // s.rest * a lies far below c's last bit: rounding it and its sum
        // with c.rest is off by some 2^-52 of an ulp.
        const Exact r = sum(c.rounded, c.rest + s.rest * a);
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

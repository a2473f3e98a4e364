#include "expr/fifteen_digits.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <utility>

#include "expr/bit_cast.h"
#include "expr/decimal_text.h"
#include "expr/exact_arithmetic.h"
#include "expr/vector_clones.h"

namespace plotmere {

[[gnu::noinline]] double RoundTo15DigitsByText(double v) {
    return std::isfinite(v) ? RoundToSignificant(v, 15) : v;
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
    auto power = [](int s) {
        return s >= 0 && s <= MaxExactPower ? exactPowersOfTen[static_cast<size_t>(s)] : 0.0;
    };
    for (int biased = 1; biased < 2047; ++biased) {
        const int k = ((biased - 1023) * 78913) >> 18;  // floor(log10 a), or one less
        // 10^(k + 1), nearly: only a guess, checked after.
        double limit = 1;
        for (int i = 0; i < k + 1; ++i) limit *= 10;
        for (int i = 0; i > k + 1; --i) limit /= 10;
        table[static_cast<size_t>(biased)] = {limit, power(14 - k), power(13 - k)};
    }
    return table;
}();

// a (positive) times 10^s rounded once, and the sign of what the rounding
// dropped, so that the exact product is known on either side of m.
struct Scaled {
    double m, residue;
};

Scaled scaled(double a, int s) {
    const double p = exactPowersOfTen[static_cast<size_t>(std::abs(s))];
    if (s >= 0) {
        const auto q = exact::product(a, p);
        return {q.rounded, q.rest};
    }
    const double m = a / p;
    const auto back = exact::product(m, p);
    return {m, (a - back.rounded) - back.rest};  // a - m * p: its sign is that of a / p - m
}

constexpr double TwoTo52 = 4503599627370496.0;

// The nearest whole number, halves to even, for 0 <= m < 2^52.
double nearestWhole(double m) { return (m + TwoTo52) - TwoTo52; }

// R / 10^s, correctly rounded as reading the decimal text is.
double fromScaled(double R, int s) {
    const double p = exactPowersOfTen[static_cast<size_t>(std::abs(s))];
    return s >= 0 ? R / p : R * p;
}

// The careful way: the digit count checked on the exact product, and a half
// decided by what the scaling dropped. Rare: kept out of the fast path's way.
[[gnu::cold, gnu::noinline]] double roundRarely(double v, double a) {
    if (a == 0) return v;
    const auto biased = static_cast<int>(BitCast<std::uint64_t>(a) >> 52);
    // Subnormal, infinite, NaN.
    if (biased == 0 || biased == 2047) return RoundTo15DigitsByText(v);
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

// The power of ten that brings a (positive) to 15 digits, or 0.
double scaleFor(double a) {
    const Binade& binade = binades[BitCast<std::uint64_t>(a) >> 52];
    return a >= binade.limit ? binade.above : binade.below;
}

// Values side by side: on a machine with wide registers, one instruction does
// the arithmetic of all of them. WebAssembly's registers hold two; four would
// be split in halves, and their masks joined and parted again at a cost.
#if defined(__wasm__)
constexpr std::size_t Lanes = 2;
#else
constexpr std::size_t Lanes = 4;
#endif
using Doubles = double __attribute__((vector_size(Lanes * sizeof(double))));
using Masks = std::int64_t __attribute__((vector_size(Lanes * sizeof(double))));

bool anyLane(const Masks& m) {
    std::int64_t any = 0;
    for (std::size_t i = 0; i < Lanes; ++i) any |= m[i];
    return any != 0;
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
    const double p = scaleFor(a);
    if (p == 0) return roundRarely(v, a);
    const double m = a * p;
    const double R = nearestWhole(m);
    if (!(m > Digits14 && m < Digits15)) return roundRarely(v, a);
    if (std::fabs(R - m) == 0.5) [[unlikely]] {
        const double residue = exact::product(a, p).rest;  // which side of the half a * p lies
        if (residue != 0) return std::copysign((residue > 0 ? m + 0.5 : m - 0.5) / p, v);
    }
    return std::copysign(R / p, v);
}

// RoundTo15Digits a few values at a time, all scaled by the power that suits
// the first: neighbours in a sweep nearly always share it, and any power of
// ten gives the right digits where the checks pass. The rest go singly,
// afterwards.
PLOTMERE_VECTOR_CLONES void RoundAllTo15Digits(std::span<const double> in, std::span<double> out) {
    const Masks SignBits = Masks{} + std::numeric_limits<std::int64_t>::min();
    std::array<Masks, 64 / Lanes> fine;  // a chunk of 64 values: which ones passed
    for (std::size_t chunk = 0; chunk < in.size(); chunk += Lanes * fine.size()) {
        const std::size_t end = std::min(in.size(), chunk + Lanes * fine.size());
        Masks allFine = ~Masks{};
        std::size_t i = chunk;
        for (; i + Lanes <= end; i += Lanes) {
            Masks v;
            std::memcpy(&v, &in[i], sizeof v);
            const auto a = (Doubles)(v & ~SignBits);  // the same bits, seen as doubles
            const double scale = scaleFor(a[0]);
            // Where no power suits the first, any will do: the lanes it does not suit fail the checks.
            const Doubles p = Doubles{} + (scale == 0 ? 1 : scale);
            const Doubles m = a * p;
            const Doubles R = (m + TwoTo52) - TwoTo52;  // as nearestWhole
            const Masks half = (R - m == 0.5) | (R - m == -0.5);
            Doubles whole = R;
            if (anyLane(half)) [[unlikely]] {
                const Doubles residue = exact::product(a, p).rest;  // which side of the half a * p lies
                whole = (half & (residue > 0)) ? m + 0.5 : (half & (residue < 0)) ? m - 0.5 : R;
            }
            const Masks passed = (m > Digits14) & (m < Digits15);
            fine[(i - chunk) / Lanes] = passed;
            allFine &= passed;
            const Masks rounded = (Masks)(whole / p) | (v & SignBits);
            std::memcpy(&out[i], &rounded, sizeof rounded);
        }
        if (anyLane(~allFine)) {
            for (std::size_t j = chunk; j < i; ++j) {
                if (!fine[(j - chunk) / Lanes][j % Lanes]) out[j] = RoundTo15Digits(in[j]);
            }
        }
        for (; i < end; ++i) out[i] = RoundTo15Digits(in[i]);
    }
}

}  // namespace plotmere

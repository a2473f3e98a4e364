#include "expr/power.h"

#include <algorithm>
#include <array>

#include "expr/vector_clones.h"

namespace plotmere::power {

namespace {

// The power of each value where it is clearly rounded, and which ones are
// not, in one pass the compiler can run on several values at once.
template <int Exponent>
[[gnu::always_inline]] inline void clearPowers(std::span<double> values, std::span<double> bases,
                                               std::span<std::int64_t> unsure) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double a = values[i];
        const auto power = exactPower<Exponent>(a);
        bases[i] = a;
        unsure[i] = !sureOf(a, power);
        values[i] = power.rounded;
    }
}

}  // namespace

PLOTMERE_VECTOR_CLONES bool PowersInPlace(std::span<double> values, double exponent) {
    constexpr std::size_t Chunk = 64;
    std::array<double, Chunk> bases;
    std::array<std::int64_t, Chunk> unsure;
    bool finite = true;
    for (std::size_t start = 0; start < values.size(); start += Chunk) {
        const auto chunk = values.subspan(start, std::min(Chunk, values.size() - start));
        if (exponent == 2) clearPowers<2>(chunk, bases, unsure);
        else clearPowers<3>(chunk, bases, unsure);
        for (std::size_t i = 0; i < chunk.size(); ++i) {  // a sure power, of a base within 2^±300, is finite
            if (unsure[i]) {
                chunk[i] = elementary::pow(bases[i], exponent);
                finite &= std::isfinite(chunk[i]);
            }
        }
    }
    return finite;
}

}  // namespace plotmere::power

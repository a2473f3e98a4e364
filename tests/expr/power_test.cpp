// Squares and cubes are pow's, bit for bit, though mostly worked out without it.

#include "expr/power.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace plotmere {
namespace {

// pow itself, where the compiler cannot put a * a in its place.
double (*volatile libraryPow)(double, double) = std::pow;

TEST(Power, SquaresAndCubesArePowsBitForBit) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    std::vector<double> sample = {0.0,
                                  -0.0,
                                  inf,
                                  -inf,
                                  std::numeric_limits<double>::quiet_NaN(),
                                  std::numeric_limits<double>::denorm_min(),
                                  0x1p-300,
                                  0x1p300,
                                  std::nextafter(0x1p-300, 0.0),
                                  std::nextafter(0x1p300, inf),
                                  2.759,
                                  -0.015};
    std::mt19937_64 random(7);
    for (int i = 0; i < 30000; ++i) {
        sample.push_back(std::bit_cast<double>(random()));
        sample.push_back(std::ldexp(double(random() >> 11), int(random() % 120) - 100) * (i % 2 ? 1 : -1));
    }
    auto bits = [](double v) { return std::bit_cast<std::uint64_t>(v); };
    for (double base : sample) {
        for (double exponent : {2.0, 3.0, 0.5})
            EXPECT_EQ(bits(Power(base, exponent)), bits(libraryPow(base, exponent)))
                << base << '^' << exponent;
    }
}

}  // namespace
}  // namespace plotmere

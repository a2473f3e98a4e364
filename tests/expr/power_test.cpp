// Squares and cubes are pow's, bit for bit, though mostly worked out without it.

#include "expr/power.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "expr/bit_cast.h"

namespace plotmere {
namespace {

// Singly and many at once; the specials make the many-at-once not finite.
TEST(Power, SquaresAndCubesArePowsBitForBit) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    std::vector<double> sample = {0.0, -0.0, inf, -inf, std::numeric_limits<double>::quiet_NaN(),
                                  std::numeric_limits<double>::denorm_min(), 0x1p-300, 0x1p300,
                                  std::nextafter(0x1p-300, 0.0), std::nextafter(0x1p300, inf), 2.759, -0.015};
    // clang-format on
    std::mt19937_64 random(7);
    for (int i = 0; i < 30000; ++i) {
        sample.push_back(BitCast<double>(random()));
        sample.push_back(std::ldexp(double(random() >> 11), int(random() % 120) - 100) * (i % 2 ? 1 : -1));
    }
    auto bits = [](double v) { return BitCast<std::uint64_t>(v); };
    for (double exponent : {2.0, 3.0}) {
        std::vector<double> many = sample;
        EXPECT_FALSE(power::PowersInPlace(many, exponent));
        for (size_t i = 0; i < sample.size(); ++i) {
            const double expected = elementary::pow(sample[i], exponent);
            EXPECT_EQ(bits(Power(sample[i], exponent)), bits(expected)) << sample[i] << '^' << exponent;
            EXPECT_EQ(bits(many[i]), bits(expected)) << sample[i] << '^' << exponent;
        }
        std::vector<double> finite = {2.759, -0.015, 1e100}, overflowing = {2.759, 1e200};
        EXPECT_TRUE(power::PowersInPlace(finite, exponent));
        EXPECT_FALSE(power::PowersInPlace(overflowing, exponent));
    }
    EXPECT_EQ(bits(Power(-8, 1.0 / 3)), bits(elementary::pow(-8, 1.0 / 3)));  // any other: pow itself
}

}  // namespace
}  // namespace plotmere

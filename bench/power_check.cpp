// Checks squares and cubes against elementary::pow, bit for bit, singly and many at a
// time, over bases of every exponent: random bit patterns, everyday sizes,
// sweeps, whole numbers, the edges of the range worked out without pow, and
// the specials.
// Usage: power_check [COUNT] (default 100 million bases, each squared and cubed).

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <vector>

#include "expr/bit_cast.h"
#include "expr/power.h"

namespace {

std::uint64_t mismatches = 0, checked = 0;

void compare(double base, double exponent, double fast, double slow) {
    if (plotmere::BitCast<std::uint64_t>(fast) != plotmere::BitCast<std::uint64_t>(slow) &&
        ++mismatches <= 20)
        std::printf("mismatch: %.17g^%g -> %.17g, pow gives %.17g\n", base, exponent, fast, slow);
}

// Singly at once, and many at a time in batches of an odd length.
std::vector<double> batch;

void checkBatch() {
    for (double exponent : {2.0, 3.0}) {
        std::vector<double> powers = batch;
        plotmere::power::PowersInPlace(powers, exponent);
        for (std::size_t i = 0; i < batch.size(); ++i)
            compare(batch[i], exponent, powers[i], plotmere::elementary::pow(batch[i], exponent));
    }
    batch.clear();
}

void check(double base) {
    ++checked;
    for (double exponent : {2.0, 3.0})
        compare(base, exponent, plotmere::Power(base, exponent), plotmere::elementary::pow(base, exponent));
    batch.push_back(base);
    if (batch.size() == 1001) checkBatch();
}

// A stretch of a sweep, as a graph adds up its x.
void checkSweep(std::mt19937_64& random) {
    const double step = std::ldexp(double(random() >> 11), -53 - int(random() % 40));
    double x = std::ldexp(double(random() >> 11) - 4503599627370496.0, int(random() % 80) - 90);
    for (int i = 0; i < 100; ++i, x += step) check(x);
}

}  // namespace

int main(int argc, char** argv) {
    const std::uint64_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100'000'000;
    std::mt19937_64 random(20261207);
    constexpr double inf = std::numeric_limits<double>::infinity();
    for (double v : {0.0, std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min(),
                     std::numeric_limits<double>::max(), inf, std::numeric_limits<double>::quiet_NaN()}) {
        check(v);
        check(-v);
    }
    for (double edge : {0x1p-300, 0x1p300}) {
        for (double v : {edge, std::nextafter(edge, 0.0), std::nextafter(edge, inf)}) {
            check(v);
            check(-v);
        }
    }
    for (int n = -100000; n <= 100000; ++n) check(n);
    for (std::uint64_t i = 0; checked < count; ++i) {
        switch (i % 4) {
            case 0: check(plotmere::BitCast<double>(random())); break;  // every exponent alike
            case 1: check(std::ldexp(double(random() >> 11), int(random() % 120) - 100)); break;
            case 2: check(std::ldexp(double(random() >> 11), -53) * 20 - 10); break;  // a graph's x
            default: checkSweep(random); break;
        }
    }
    checkBatch();
    std::printf("%llu bases checked, %llu mismatches\n", static_cast<unsigned long long>(checked),
                static_cast<unsigned long long>(mismatches));
    return mismatches == 0 ? 0 : 1;
}

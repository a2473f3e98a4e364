// Checks the fast rounding of x to 15 digits against the decimal text, bit for
// bit, singly and in batches, over doubles of every exponent: random bit patterns,
// stretches of sweeps, numbers near a
// half at the 16th digit, exact halves, powers of ten and their neighbours,
// subnormals and zeros. Usage: round_check [COUNT] (default 100 million).

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "expr/bit_cast.h"
#include "expr/fifteen_digits.h"

namespace {

std::uint64_t mismatches = 0, checked = 0;

void compare(const char* way, double v, double fast, double slow) {
    if (plotmere::BitCast<std::uint64_t>(fast) != plotmere::BitCast<std::uint64_t>(slow)) {
        if (++mismatches <= 20)
            std::printf("mismatch %s: %.17g -> %.17g, text gives %.17g\n", way, v, fast, slow);
    }
}

// Singly at once, and in batches of an odd length, so that the batch's last
// values go singly too.
std::vector<double> batch;

void checkBatch() {
    std::vector<double> rounded(batch.size());
    plotmere::RoundAllTo15Digits(batch, rounded);
    for (std::size_t i = 0; i < batch.size(); ++i)
        compare("in a batch", batch[i], rounded[i], plotmere::RoundTo15DigitsByText(batch[i]));
    batch.clear();
}

void check(double v) {
    ++checked;
    compare("singly", v, plotmere::RoundTo15Digits(v), plotmere::RoundTo15DigitsByText(v));
    batch.push_back(v);
    if (batch.size() == 1001) checkBatch();
}

// A stretch of a sweep: neighbours that nearly always share their scale.
void checkSweep(std::mt19937_64& random) {
    const double step = std::ldexp(double(random() >> 11), -53 - int(random() % 40));
    double x = std::ldexp(double(random() >> 11) - 4503599627370496.0, int(random() % 80) - 90);
    for (int i = 0; i < 100; ++i, x += step) check(x);
}

// A 16-digit decimal ending in 5, scaled: lies on or next to a half.
double nearHalf(std::mt19937_64& random) {
    const std::uint64_t digits = 100000000000000ull + random() % 900000000000000ull;
    // Half of them where the scaling by an exact power of ten applies.
    const int exponent =
        random() % 2 ? static_cast<int>(random() % 640) - 330 : static_cast<int>(random() % 45) - 23;
    return std::strtod((std::to_string(digits) + "5e" + std::to_string(exponent)).c_str(), nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    const std::uint64_t count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100'000'000;
    std::mt19937_64 random(20261207);
    for (double v : {0.0, -0.0, std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min(),
                     std::numeric_limits<double>::max(), std::numeric_limits<double>::infinity()}) {
        check(v);
        check(-v);
    }
    for (int e = -323; e <= 308; ++e) {
        const double p = std::strtod(("1e" + std::to_string(e)).c_str(), nullptr);
        for (double v : {p, std::nextafter(p, 0.0), std::nextafter(p, INFINITY)}) check(v);
    }
    for (std::uint64_t n = 1000000000000005ull; n < 9007199254740992ull; n += 999999999999990ull)
        check(double(n));
    for (std::uint64_t i = 0; checked < count; ++i) {
        switch (i % 5) {
            case 0: check(plotmere::BitCast<double>(random())); break;  // every exponent alike
            case 1: check(nearHalf(random)); break;                     // on or next to a half
            case 2:
                check(std::ldexp(double(random() >> 11), int(random() % 120) - 100));
                break;                                                        // everyday sizes
            case 3: check(plotmere::BitCast<double>(random() >> 12)); break;  // subnormals
            default: checkSweep(random); break;
        }
    }
    checkBatch();
    std::printf("%llu doubles checked, %llu mismatches\n", static_cast<unsigned long long>(checked),
                static_cast<unsigned long long>(mismatches));
    return mismatches == 0 ? 0 : 1;
}

// The core's elementary functions on seeded random arguments, for comparing
// two builds bit for bit (scripts/compare-elementary.sh): per argument one
// line of the function's name, the arguments' bits and the result's bits.
// With --against-library, how often the results read the same as the C
// library's instead, to the last bit and at 15 significant digits.
// Usage: elementary_values COUNT [--against-library]

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numbers>
#include <random>
#include <string_view>
#include <utility>

#include "expr/bit_cast.h"
#include "expr/elementary.h"

namespace {

using Random = std::mt19937_64;  // the same sequence in every standard library
using Arguments = std::pair<double, double>;
namespace elementary = plotmere::elementary;

// No distribution of the standard library: their algorithms differ between
// libraries, and both builds must draw the same arguments.
double unit(Random& random) { return double(random() >> 11) * 0x1p-53; }

double uniform(Random& random, double low, double high) { return low + (high - low) * unit(random); }

// A magnitude whose binary exponent is spread evenly over [low, high].
double spread(Random& random, int low, int high) {
    const int exponent = low + int(random() % std::uint64_t(high - low + 1));
    return std::ldexp(1 + unit(random), exponent);
}

double eitherSign(Random& random, double magnitude) { return random() % 2 ? magnitude : -magnitude; }

// Everyday angles, those of degrees, tiny ones and those reduced with the
// fast and the slow reduction.
double angle(Random& random) {
    switch (random() % 4) {
        case 0: return uniform(random, -10, 10);
        case 1: return uniform(random, -720, 720) * std::numbers::pi / 180;
        case 2: return eitherSign(random, spread(random, -40, 26));
        default: return eitherSign(random, spread(random, 27, 1023));
    }
}

double ratio(Random& random) {
    return random() % 2 ? uniform(random, -10, 10) : eitherSign(random, spread(random, -60, 60));
}

// Subnormal to huge, and close to 1.
double positive(Random& random) {
    switch (random() % 3) {
        case 0: return spread(random, -1074, 1023);
        case 1: return 1 + eitherSign(random, spread(random, -53, -2));
        default: return uniform(random, 0, 100);
    }
}

// Everyday powers, roots of tiny and huge bases, powers of ten as the E
// operator asks, and whole powers of negative bases.
Arguments powerOf(Random& random) {
    switch (random() % 4) {
        case 0: return {uniform(random, 0, 10), uniform(random, -30, 30)};
        case 1: return {spread(random, -1074, 1023), uniform(random, -2, 2)};
        case 2: return {10, std::round(uniform(random, -330, 310))};
        default: return {uniform(random, -100, 100), std::round(uniform(random, -20, 20))};
    }
}

double side(Random& random) {
    return random() % 2 ? uniform(random, -10, 10) : eitherSign(random, spread(random, -600, 600));
}

struct Function {
    const char* name;
    double (*ours)(double, double);
    double (*library)(double, double);
    Arguments (*arguments)(Random&);
};

// clang-format off
constexpr Function functions[] = {
    {"sin", [](double x, double) { return elementary::sin(x); }, [](double x, double) { return std::sin(x); },
     [](Random& r) { return Arguments{angle(r), 0}; }},
    {"cos", [](double x, double) { return elementary::cos(x); }, [](double x, double) { return std::cos(x); },
     [](Random& r) { return Arguments{angle(r), 0}; }},
    {"tan", [](double x, double) { return elementary::tan(x); }, [](double x, double) { return std::tan(x); },
     [](Random& r) { return Arguments{angle(r), 0}; }},
    {"atan", [](double x, double) { return elementary::atan(x); }, [](double x, double) { return std::atan(x); },
     [](Random& r) { return Arguments{ratio(r), 0}; }},
    {"atan2", elementary::atan2, [](double y, double x) { return std::atan2(y, x); },
     [](Random& r) { return Arguments{ratio(r), ratio(r)}; }},
    {"log", [](double x, double) { return elementary::log(x); }, [](double x, double) { return std::log(x); },
     [](Random& r) { return Arguments{positive(r), 0}; }},
    {"log10", [](double x, double) { return elementary::log10(x); }, [](double x, double) { return std::log10(x); },
     [](Random& r) { return Arguments{positive(r), 0}; }},
    {"pow", elementary::pow, [](double x, double y) { return std::pow(x, y); }, powerOf},
    {"hypot", elementary::hypot, [](double x, double y) { return std::hypot(x, y); },
     [](Random& r) { return Arguments{side(r), side(r)}; }},
};
// clang-format on

unsigned long long bits(double v) { return plotmere::BitCast<std::uint64_t>(v); }

void printBits(const Function& f, long count) {
    Random random(1);
    for (long i = 0; i < count; ++i) {
        const auto [x, y] = f.arguments(random);
        std::printf("%s %016llx %016llx %016llx\n", f.name, bits(x), bits(y), bits(f.ours(x, y)));
    }
}

bool sameAt15Digits(double a, double b) {
    char ta[32], tb[32];
    std::snprintf(ta, sizeof ta, "%.14e", a);
    std::snprintf(tb, sizeof tb, "%.14e", b);
    return std::strcmp(ta, tb) == 0;
}

void printAgreement(const Function& f, long count) {
    Random random(1);
    long sameBits = 0, sameDigits = 0;
    for (long i = 0; i < count; ++i) {
        const auto [x, y] = f.arguments(random);
        const double ours = f.ours(x, y), library = f.library(x, y);
        sameBits += bits(ours) == bits(library);
        sameDigits += sameAt15Digits(ours, library);
    }
    std::printf("%-6s %10ld %9.4f %% %9.4f %%\n", f.name, count, 100.0 * sameBits / count,
                100.0 * sameDigits / count);
}

}  // namespace

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::atol(argv[1]) : 0;
    const bool againstLibrary = argc > 2 && std::string_view(argv[2]) == "--against-library";
    if (count <= 0 || (argc > 2 && !againstLibrary)) {
        std::fprintf(stderr, "usage: %s COUNT [--against-library]\n", argv[0]);
        return 2;
    }
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    if (againstLibrary) std::printf("%-6s %10s %11s %11s\n", "", "arguments", "same bits", "15 digits");
    for (const Function& f : functions) againstLibrary ? printAgreement(f, count) : printBits(f, count);
}

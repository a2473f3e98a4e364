// The everyday formulas (everyday_sweeps.h) swept as the graph sweeps them,
// timed by the clock alone, so that the desktop and the web build run the
// very same program (bench/sweeps_web_vs_desktop.sh puts the two side by
// side). Per formula one line: its name, the best time over the repetitions
// in nanoseconds per value, and the sum of a repetition's values, which both
// builds must give alike.
// Usage: sweep_times [REPETITIONS] (default 30)

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <vector>

#include "everyday_sweeps.h"

namespace {

using namespace plotmere;
using namespace plotmere::bench;

// Sweeps timed together, so that one reading of the clock is long beside its resolution.
constexpr int SweepsPerRepetition = 10;

struct Timed {
    const Formula& formula;
    std::shared_ptr<const Program> program;
    double best = std::numeric_limits<double>::infinity();  // nanoseconds of a repetition
    double sum = 0;                                         // of a repetition's values
};

void repeat(Console& console, Timed& timed) {
    double sum = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int k = 0; k < SweepsPerRepetition; ++k) {
        SweepAhead(console, *timed.program, [&](double value) { sum += value; });
    }
    const std::chrono::duration<double, std::nano> took = std::chrono::steady_clock::now() - start;
    timed.best = std::min(timed.best, took.count());
    timed.sum = sum;
}

}  // namespace

// The formulas take turns, so that a build compiled as it runs (WebAssembly
// under Node) has compiled the code of them all fully before most repetitions.
int main(int argc, char** argv) {
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    Bench b;
    std::vector<Timed> timed;
    for (const Formula& f : formulas) timed.push_back({f, b.console.evaluator().compile(f.ours)});
    for (int r = 0; r < repetitions; ++r) {
        for (Timed& t : timed) repeat(b.console, t);
    }
    for (const Timed& t : timed) {
        std::printf("%-18s %8.3f %.17g\n", t.formula.name, t.best / (SweepsPerRepetition * SweepSamples),
                    t.sum);
    }
}

#pragma once
// Eight everyday formulas, in our language and in muParser's, and one sweep of
// a graph over a program as the graph sweeps: shared by eval_bench and
// sweep_times, so that both time the same work.

#include <sstream>

#include "app/headless/headless_host.h"
#include "console/console.h"
#include "plot/samples.h"
#include "state/null_picture.h"

namespace plotmere::bench {

struct Formula {
    const char* name;
    const char* ours;
    const char* muparser;
};
inline constexpr Formula formulas[] = {
    {"x", "x", "x"},
    {"linear", "(2x)+1", "2*x+1"},
    {"sine", "S(x+1)", "sin(x+1)"},
    {"square", "(x^2)-2", "x^2-2"},
    {"product_of_sines", "(Sx)Cx", "sin(x)*cos(x)"},
    {"product", "(x+1)(x-1)", "(x+1)*(x-1)"},
    {"mixed", "(RAx)+L((xx)+1)", "sqrt(abs(x))+ln(x*x+1)"},
    {"cubic", "(((2(x^3))-(3(x^2)))+x)-5", "2*x^3-3*x^2+x-5"},
};

// One sweep of a graph: this many samples from -10 to 10.
inline constexpr int SweepSamples = 4110;
inline constexpr double SweepFrom = -10, SweepStep = 20.0 / (SweepSamples - 1);

// A console that only computes.
struct Bench {
    std::ostringstream out;
    HeadlessHost host{out};
    NullPicture picture;
    Console console{host, picture};
};

// As the graph's sweep does: the values worked out a batch of samples ahead;
// each one given to take.
template <class Take>
void SweepAhead(Console& console, const Program& program, Take&& take) {
    const Steps steps = Steps::Counted(SweepFrom, SweepStep, SweepSamples);
    Samples samples(console.context(), console.evaluator(), steps,
                    {.clearEvalError = true, .takeCriticalSample = true}, program);
    samples.each([&](const Sample& at) { take(num(at.value)); });
}

}  // namespace plotmere::bench

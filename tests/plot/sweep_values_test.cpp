// The sweep loop's ends, and values worked out ahead along a sweep, which
// stand only where eval would give the same: sample by sample, flags and all.

#include "plot/sweep_values.h"

#include <gtest/gtest.h>

#include <tuple>

#include "plot/sweep.h"
#include "support/evaluation_outcome.h"

namespace plotmere::testing {
namespace {

// How many x a sweep visits, stopped by its body after a thousand.
int visited(double from, double to, double step) {
    int n = 0;
    Sweep(from, to, step, [&](double) { return ++n < 1000; });
    return n;
}

TEST(Sweep, TakesBothEndsAndEndsWhateverTheStep) {
    const std::tuple<double, double, double, int> rows[] = {
        {0, 1, 0.25, 5},  {1, 0, -0.25, 5}, {0, 1, 0, 0},
        {0, 1, -0.25, 0}, {1, 2, 1e-20, 1},  // too small to move x
    };
    for (auto [from, to, step, count] : rows)
        EXPECT_EQ(visited(from, to, step), count) << from << " by " << step;
}

// Sweeps text from -1 by 0.125 in two worlds, one evaluating each sample, the
// other taking them from SweepValues, and clears the latch after each sample
// as the graph does.
void expectSameSweep(const std::string& text) {
    EvaluationWorld single, ahead;
    const auto program = single.evaluator.compile(text), aheadProgram = ahead.evaluator.compile(text);
    SweepValues values(ahead.ctx, ahead.evaluator, *aheadProgram, 30, 0.125);
    for (double x = -1; x <= 30; x += 0.125) {
        EXPECT_EQ(values.at(x), single.evaluator.eval(*program, x)) << text << " at " << x;
        EXPECT_EQ(ahead.s.EvalError, single.s.EvalError) << text << " at " << x;
        single.s.EvalError = ahead.s.EvalError = false;
    }
}

TEST(SweepValues, GiveEachSampleAsEvalDoes) {
    expectSameSweep("(x^3)-x");
    expectSameSweep("(Rx)+1");    // fails left of 0
    expectSameSweep("1/(x-20)");  // fails at one sample far ahead
    expectSameSweep("$[a]x");     // not pure: never ahead
}

// Inside another evaluation, as a script started from an expression graphs.
TEST(SweepValues, NestInsideAnEvaluationAsEvalDoes) {
    EvaluationWorld world;
    Evaluator& ev = world.evaluator;
    const int parentheses = 500, room = MaxNestingLevels - parentheses - 1;  // and its own top level
    const auto program = ev.compile(std::string(parentheses, '(') + "x" + std::string(parentheses, ')'));
    {
        const Evaluator::Nesting outer(ev, room);  // the deepest it fits in
        SweepValues values(world.ctx, ev, *program, 10, 0.5);
        EXPECT_EQ(values.at(1), Value(1));
    }
    const Evaluator::Nesting outer(ev, room + 1);
    SweepValues values(world.ctx, ev, *program, 10, 0.5);
    EXPECT_THROW(values.at(1), NestedTooDeeply);
}

}  // namespace
}  // namespace plotmere::testing

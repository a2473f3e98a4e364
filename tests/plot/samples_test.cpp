// Where a sweep's x lie, and its samples, which are worked out ahead only
// where that gives what eval would: sample by sample, flags and all.

#include "plot/samples.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/evaluation_outcome.h"

namespace plotmere::testing {
namespace {

// Every sample of text along the steps, as a graph takes them; then(sample)
// after each, as the user might do something while the graph is drawn.
std::vector<Sample> sampled(EvaluationWorld& world, const std::string& text, const Steps& steps,
                            const std::function<void(const Sample&)>& then = nullptr) {
    std::vector<Sample> all;
    Samples(world.ctx, world.evaluator, steps, {.clearEvalError = true, .takeCriticalSample = true},
            *world.evaluator.compile(text))
        .each([&](const Sample& at) {
            all.push_back(at);
            if (then) then(at);
        });
    return all;
}

TEST(Steps, TakeBothEndsAndEndWhateverTheStep) {
    const std::pair<Steps, size_t> rows[] = {
        {Steps::Across(0, 1, 0.25), 5},  {Steps::Across(1, 0, -0.25), 5},  {Steps::Across(1, 1, 0), 0},
        {Steps::Across(0, 1, -0.25), 0}, {Steps::Across(1, 2, 1e-20), 1},   // too small to move x
        {Steps::Counted(1, 1, 1), 1},    {Steps::Counted(1, 1e-20, 3), 3},  // counted wherever they lie
    };
    EvaluationWorld world;
    for (const auto& [steps, count] : rows)
        EXPECT_EQ(sampled(world, "x", steps).size(), count) << "row " << &steps - &rows[0].first;
}

// Sweeps each text from -1 by 0.125 in two worlds, one evaluating each sample,
// the other taking them from Samples, which clears the latch as the graph does.
// The texts: one that fails left of 0, one at a sample far ahead, one not pure.
TEST(Samples, GiveEachSampleAsEvalDoes) {
    for (const std::string text : {"(x^3)-x", "(Rx)+1", "1/(x-20)", "$[a]x"}) {
        EvaluationWorld single, ahead;
        double x = -1;
        for (const Sample& at : sampled(ahead, text, Steps::Across(x, 30, 0.125))) {
            ASSERT_EQ(at.x, x);
            EXPECT_EQ(at.value, single.evaluator.eval(text, x)) << text << " at " << x;
            EXPECT_EQ(at.rejected, single.s.EvalError()) << text << " at " << x;
            single.s.rejectSample();
            x += 0.125;
        }
    }
}

TEST(Samples, FollowTheAngleModeChosenWhileTheyAreTaken) {
    EvaluationWorld world;
    const auto all = sampled(world, "Sx", Steps::Across(0, 2, 0.125), [&](const Sample& at) {
        if (at.x == 1) world.s.Option1.Selected = 1;  // degrees from here on
    });
    EXPECT_EQ(all.back().value, world.evaluator.eval("Sx", 2));
}

// Inside another evaluation, as a script started from an expression graphs.
TEST(Samples, NestInsideAnEvaluationAsEvalDoes) {
    EvaluationWorld world;
    const std::string text = std::string(500, '(') + "x" + std::string(500, ')');
    const int room = MaxNestingLevels - 500 - 1;  // the text's levels and eval's own
    {
        const Evaluator::Nesting outer(world.evaluator, room);  // the deepest it fits in
        EXPECT_EQ(sampled(world, text, Steps::Across(1, 10, 0.5)).front().value, Value(1));
    }
    const Evaluator::Nesting outer(world.evaluator, room + 1);
    EXPECT_THROW(sampled(world, text, Steps::Across(1, 10, 0.5)), NestedTooDeeply);
}

}  // namespace
}  // namespace plotmere::testing

// A table of what evaluations do, recorded once for texts that cover every
// token and rule: each line holds a text, x and the outcome (value, flags,
// memory and every message, beep and script start, in order); lines beginning
// "= " set the start state of the lines after them.

#include <gtest/gtest.h>

#include <fstream>
#include <tuple>
#include <vector>

#include "expr/evaluator.h"
#include "support/evaluation_outcome.h"

namespace plotmere::testing {
namespace {

// Each row with the start state it runs from: start, text, x and outcome.
using Row = std::tuple<StartState, std::string, double, std::string>;
std::vector<Row> tableRows() {
    std::ifstream in(OUTCOMES_FILE);
    EXPECT_TRUE(in) << OUTCOMES_FILE;
    std::vector<Row> rows;
    StartState start;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("= ")) {
            EXPECT_TRUE(start.set(line.substr(2))) << line;
            continue;
        }
        const size_t first = line.find('\t'), second = line.find('\t', first + 1);
        EXPECT_NE(second, std::string::npos) << line;
        rows.push_back({start, line.substr(0, first), std::stod(line.substr(first + 1, second - first - 1)),
                        line.substr(second + 1)});
    }
    return rows;
}

TEST(OutcomeTable, EveryRecordedEvaluationDoesWhatItDid) {
    const std::vector<Row> rows = tableRows();
    EXPECT_GT(rows.size(), 200u);
    for (const auto& [start, text, x, outcome] : rows) {
        EvaluationWorld world;
        start.apply(world.s);
        EXPECT_EQ(world.run(text, x), outcome) << "text: " << text;
    }
}

// Run for many x at once, a pure text gives the recorded value for each
// where a plain value was recorded, and gives up without a trace where
// anything else was.
TEST(OutcomeTable, EvaluatedAllAtOnceAPlainValueStaysTheSame) {
    for (const auto& [start, text, x, outcome] : tableRows()) {
        EvaluationWorld world;
        start.apply(world.s);
        const auto program = world.evaluator.compile(text);
        const double xs[] = {x, x};
        double values[2];
        const bool plain = outcome.starts_with("value ") && outcome.ends_with(" flags 000");
        if (world.evaluator.evalAll(*program, xs, values)) {
            for (double v : values)
                EXPECT_EQ("value " + exactly(v) + " flags 000", outcome) << "text: " << text;
        } else {
            EXPECT_FALSE(program->pure && plain) << "gave up, text: " << text;
            EXPECT_EQ(world.s.EvalError(), start.latched) << "text: " << text;
            EXPECT_EQ(world.host.log.str(), "") << "text: " << text;
        }
    }
}

}  // namespace
}  // namespace plotmere::testing

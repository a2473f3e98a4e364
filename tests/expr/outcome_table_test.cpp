// A table of what evaluations do, recorded once for texts that cover every
// token and rule: each line holds a text, x and the outcome (value, flags,
// memory and every message, beep and script start, in order); lines beginning
// "= " set the start state of the lines after them.

#include <gtest/gtest.h>

#include <fstream>

#include "expr/evaluator.h"
#include "support/evaluation_outcome.h"

namespace plotmere::testing {
namespace {

TEST(OutcomeTable, EveryRecordedEvaluationDoesWhatItDid) {
    std::ifstream in(OUTCOMES_FILE);
    ASSERT_TRUE(in) << OUTCOMES_FILE;
    StartState start;
    int rows = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("= ")) {
            ASSERT_TRUE(start.set(line.substr(2))) << line;
            continue;
        }
        const size_t first = line.find('\t'), second = line.find('\t', first + 1);
        ASSERT_NE(second, std::string::npos) << line;
        const std::string text = line.substr(0, first);
        EvaluationWorld<Evaluator> world;
        start.apply(world.s);
        EXPECT_EQ(world.run(text, std::stod(line.substr(first + 1, second - first - 1))), line.substr(second + 1))
            << "text: " << text;
        ++rows;
    }
    EXPECT_GT(rows, 300);
}

}  // namespace
}  // namespace plotmere::testing

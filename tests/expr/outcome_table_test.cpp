// A table of what evaluations do, recorded once for texts that cover every
// token and rule: each line holds a text, x and the outcome (value, flags,
// memory and every message, beep and script start, in order); lines beginning
// "= " set the start state of the lines after them.

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <tuple>
#include <vector>

#include "expr/evaluator.h"
#include "expr/program.h"
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

// Whether the row of the instruction says that it may set EvalError.
bool maySetEvalError(const Instruction& in) {
    switch (in.op) {
        // clang-format off
#define PLOTMERE_PREFIX(name, ...) case Op::name: return MaySetEvalError(Builtin::name);
#define PLOTMERE_FORM(form, name, left, constRhs) \
    case Op::form: return MaySetEvalError(Builtin::name, constRhs ? std::optional(in.value) : std::nullopt);
#define PLOTMERE_INFIX(name, ...) PLOTMERE_INFIX_FORMS(PLOTMERE_FORM, name, false, false, true, false)
        // clang-format on
        PLOTMERE_PREFIX_FUNCTIONS(PLOTMERE_PREFIX)
        PLOTMERE_INFIX_OPERATORS(PLOTMERE_INFIX)
#undef PLOTMERE_PREFIX
#undef PLOTMERE_FORM
#undef PLOTMERE_INFIX
        default: return EffectMaySetEvalError(in.op);
    }
}

// EvalError comes only from an instruction whose row says it may set it; every
// effect runs, and each that may set it does where nothing else could.
TEST(OutcomeTable, EvalErrorIsSetOnlyWhereARowSaysItMayBe) {
    std::vector<Row> rows = tableRows();
    const std::string tooDeep = std::string(MaxNestingLevels, '(') + std::string(MaxNestingLevels, ')');
    rows.push_back({StartState(), tooDeep, 0, ""});
    std::set<Op> ran, setting;
    for (const auto& [start, text, x, outcome] : rows) {
        if (start.latched) continue;
        EvaluationWorld world;
        start.apply(world.s);
        world.run(text, x);
        std::vector<Op> may;
        const auto program = Compile(text);
        for (const Instruction& in : program->code) {
            ran.insert(in.op);
            if (maySetEvalError(in)) may.push_back(in.op);
        }
        if (!world.s.EvalError()) continue;
        EXPECT_FALSE(may.empty()) << "text: " << text;
        if (may.size() == 1) setting.insert(may.front());
    }
#define PLOTMERE_EFFECT(name, rule)               \
    EXPECT_TRUE(ran.contains(Op::name)) << #name; \
    EXPECT_EQ(setting.contains(Op::name), EvalErrorRule::rule == EvalErrorRule::MaySet) << #name;
    PLOTMERE_EFFECTS(PLOTMERE_EFFECT)
#undef PLOTMERE_EFFECT
}

}  // namespace
}  // namespace plotmere::testing

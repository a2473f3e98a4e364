// Inputs that must end, with a value or the run-time failure, without
// exhausting the stack.

#include <string>

#include "expr/eval_failure.h"
#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

class LimitsTest : public ConsoleTest {
protected:
    // Evaluates; true when it ended with the run-time failure.
    bool fails(const std::string& text) {
        clearFlags();
        try {
            eval(text, 1);
            return false;
        } catch (const EvalFailure&) {
            return true;
        }
    }
};

std::string repeated(const std::string& piece, size_t times) {
    std::string out;
    for (size_t i = 0; i < times; ++i) out += piece;
    return out;
}

TEST_F(LimitsTest, LongTextsEvaluate) {
    const size_t megabyte = 1 << 20;
    EXPECT_EQ(*eval(repeated("x+", megabyte / 2) + "1", 1), megabyte / 2 + 1);
    for (const std::string& text : {repeated("S", megabyte) + "x", repeated("Q", megabyte),
                                    std::string(megabyte, ' '), "$[" + std::string(megabyte, 'a') + "]"})
        EXPECT_FALSE(fails(text));
    EXPECT_EQ(events(), Events{"message [Plotmere] Variable " + std::string(megabyte, 'a') + " not found."});
    EXPECT_TRUE(fails(std::string(megabyte, '9')));
}

TEST_F(LimitsTest, CompiledTextsStayHotThroughARedrawInBoundedMemory) {
    s.WhichOp.Value = 1;
    for (size_t i = 1; i < FunctionSlots; ++i) s.Functions[i] = {"x+" + std::to_string(i), 1};
    console.Click("Evaluate");
    const ProgramCache& cache = console.evaluator().cache();
    const size_t compiles = cache.Compiles();
    console.Click("Evaluate");
    EXPECT_EQ(cache.Compiles(), compiles);  // slots, bounds, ticks and ranges all kept
    for (size_t i = 0; i <= ProgramCache::MaxPrograms; ++i) eval(std::to_string(i));
    EXPECT_EQ(cache.Count(), ProgramCache::MaxPrograms);

    for (int i = 0; i < 40; ++i) fails(repeated("x+", 100000) + std::to_string(i));
    EXPECT_LE(cache.Bytes(), ProgramCache::MaxBytes);
    EXPECT_LE(cache.Count(), ProgramCache::MaxPrograms);
}

TEST_F(LimitsTest, DeepNestingEndsWithTheFailure) {
    const size_t depth = 100000;
    EXPECT_TRUE(fails(std::string(depth, '(') + "x" + std::string(depth, ')')));
    const int deepest = MaxNestingLevels - 1;  // with eval's own level
    EXPECT_EQ(*eval(std::string(deepest, '(') + "x" + std::string(deepest, ')'), 3), 3);

    // Unbalanced: one message, no matter how deep.
    EXPECT_FALSE(fails(std::string(depth, '(') + "x"));
    EXPECT_EQ(events().size(), 3u);  // two beeps and the box
    EXPECT_FALSE(fails(std::string(depth, ')')));
    EXPECT_TRUE(s.CriticalError());
}

}  // namespace
}  // namespace plotmere::testing

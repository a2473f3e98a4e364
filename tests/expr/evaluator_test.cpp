// The expression language: grouping, numbers, functions and their guards, the
// run-time failure, and inputs that must neither crash nor hang.

#include <cmath>
#include <numbers>
#include <optional>
#include <string>

#include "expr/eval_failure.h"
#include "support/console_fixture.h"

namespace plotmere::testing {
namespace {

struct Row {
    const char* text;
    double x;
    std::optional<double> expected;  // empty: the empty result
    bool evalError = false;
};

class EvalTest : public ConsoleTest {
protected:
    void check(const Row& row) {
        SCOPED_TRACE(std::string("'") + row.text + "' at x = " + std::to_string(row.x));
        clearFlags();
        const Value v = eval(row.text, row.x);
        ASSERT_EQ(v.has_value(), row.expected.has_value());
        if (v) {
            EXPECT_NEAR(*v, *row.expected, 1e-12 * std::max(1.0, std::fabs(*row.expected)));
        }
        EXPECT_EQ(s.EvalError, row.evalError);
    }
};

TEST_F(EvalTest, OperatorsGroupEverythingToTheRight) {
    const Row rows[] = {
        {"", 0, 0},          {"2*3+1", 0, 8},      {"2+3*4", 0, 14},  {"2-3-4", 0, 3},
        {"-2+3", 0, -5},     {"(2*3)+1", 0, 7},    {"2^3^2", 0, 512}, {"8/2/2", 0, 8},
        {"2x", 3, 6},        {"2x+1", 3, 8},       {"x2", 3, 6},      {"2(x+1)", 3, 8},
        {"xx", 3, 9},        {"(x+1)(x-1)", 3, 8}, {"xp", 2, 2 * std::numbers::pi},
        {"3>2", 0, 1},       {"2>3", 0, 0},        {"2=2", 0, 1},     {"2<3", 0, 1},
        {"2+", 0, 2},        {"~3", 0, -3},        {"-x^2", 3, -9},   {"(0-2)^2", 0, 4},
    };
    for (const Row& row : rows) check(row);
}

TEST_F(EvalTest, UnknownCharactersAndMissingOperandsCountAsZero) {
    const Row rows[] = {
        {"Q", 0, 0}, {"QQ", 0, 0}, {"2Q", 0, 0}, {"+2", 0, 0}, {"+23", 0, 2},
        {"+", 0, 0}, {"X", 5, 0},  {"2 3", 0, 0}, {"*", 0, 0},
    };
    for (const Row& row : rows) check(row);
}

TEST_F(EvalTest, NumbersAreDigitsAndPointsWithEAsAnOperator) {
    const Row rows[] = {
        {"1.2.3", 0, 1.2},   {".", 0, 0},       {"..", 0, 0},    {"0.50", 0, 0.5},
        {"007", 0, 7},       {"2.", 0, 2},      {"2E3", 0, 2000}, {"2E-3", 0, 0.002},
        {"2E3+1", 0, 20000}, {"1.5E3", 0, 1500}, {".5x", 4, 2},
    };
    for (const Row& row : rows) check(row);
}

TEST_F(EvalTest, XIsReadRoundedToFifteenDigits) {
    clearFlags();
    EXPECT_EQ(*eval("x", 0.1 + 0.2), 0.3);
    EXPECT_EQ(*eval("x", 1.0 / 3), 0.333333333333333);
    EXPECT_EQ(*console.evaluator().eval("x", std::string_view("2.5abc")), 2.5);
    EXPECT_EQ(*console.evaluator().eval("x", std::string_view("abc")), 0);
    eval("x", 0.0);
    EXPECT_TRUE(std::signbit(*eval("x", -0.0)));  // not taken for the 0 before it
}

TEST_F(EvalTest, FunctionsInRadians) {
    const double pi = std::numbers::pi;
    const Row rows[] = {
        {"S0", 0, 0},           {"C0", 0, 1},        {"AT1", 0, pi / 4},   {"AT", 0, 0},
        {"Ax", -3, 3},          {"A-3", 0, 3},       {"AS0.5", 0, pi / 6}, {"AC0", 0, pi / 2},
        {"Le", 0, 1.0000000631063886},               {"L0", 0, 0},         {"L(0-1)", 0, 0},
        {"R4", 0, 2},           {"I2.5", 0, 2},      {"I(0-2.5)", 0, -3},  {"!5", 0, 120},
        {"!0", 0, 1},           {"!2.5", 0, 0},      {"!(0-1)", 0, 0},     {"5!", 0, 5},
        {"SxCx", 1, std::sin(1 * std::cos(1.0))},    {"Sx+1", 0, std::sin(1.0)},
    };
    for (const Row& row : rows) check(row);
}

TEST_F(EvalTest, FunctionsInDegrees) {
    s.Option1.Selected = 1;
    const Row rows[] = {
        {"S90", 0, 1}, {"C180", 0, -1}, {"AT1", 0, 45}, {"AS0.5", 0, 30}, {"AC0", 0, 90},
    };
    for (const Row& row : rows) check(row);
}

TEST_F(EvalTest, GuardsYieldZeroAndLatchTheError) {
    const Row rows[] = {
        {"10/0", 0, 0, true},        {"R(0-4)", 0, 0, true},   {"R-4", 0, 0, true},
        {"(0-8)^(1/3)", 0, 0, true}, {"1+10/0", 0, 1, true},   {"$[abc", 0, std::nullopt, true},
    };
    for (const Row& row : rows) check(row);

    // While the flag stays set, every evaluation of the command is empty.
    clearFlags();
    eval("10/0");
    EXPECT_FALSE(eval("1+1").has_value());
    EXPECT_TRUE(s.EvalError);
}

TEST_F(EvalTest, ParenthesisErrorsAreReportedOnce) {
    clearFlags();
    EXPECT_FALSE(eval("(2+3").has_value());
    EXPECT_TRUE(s.CriticalError);
    EXPECT_EQ(events(), (std::vector<std::string>{"beep", "beep",
                                                  "message [Not so fast] Parentheses Error:  ) not found."}));

    clearFlags();
    EXPECT_EQ(*eval("2+3)"), 5);
    EXPECT_TRUE(s.CriticalError);
    EXPECT_FALSE(s.EvalError);
    EXPECT_EQ(events(), (std::vector<std::string>{"beep", "beep", "message [Not so fast] Parentheses Error: Extra )"}));

    clearFlags();
    EXPECT_EQ(*eval("((x)+1)*2", 1), 4);
    EXPECT_EQ(*eval("()"), 0);
    EXPECT_TRUE(events().empty());
}

TEST_F(EvalTest, ArithmeticWithoutAnAnswerIsTheRunTimeFailure) {
    s.Option1.Selected = 1;
    const std::string tooLong(400, '9');
    for (const std::string text : {"AS1", "AS2", "AC1", "!171", "!40000", "1E400", "0^(0-1)", "9E300*9E300", "$]",
                                   "10^400", tooLong.c_str()}) {
        SCOPED_TRACE(text);
        clearFlags();
        EXPECT_THROW(eval(text), EvalFailure);
        EXPECT_FALSE(s.EvalError || s.CriticalError || s.ScriptError);
    }
    clearFlags();
    EXPECT_DOUBLE_EQ(*eval("!170"), 7.257415615307994e306);
    EXPECT_EQ(*eval("!22"), 1124000727777607680000.0);
    EXPECT_EQ(*eval("1E-400"), 0);
}

TEST_F(EvalTest, StoredFunctionIsCalledWithTheArgumentAsX) {
    clearFlags();
    EXPECT_EQ(*eval("F2"), 0);
    s.StoredFunction = "x^2";
    EXPECT_EQ(*eval("F3"), 9);
    EXPECT_EQ(*eval("F3+1"), 16);
    s.StoredFunction = "x ^2";  // a space is an unknown character: x times the rest
    EXPECT_EQ(*eval("F3"), 0);
}

TEST_F(EvalTest, ResultTokenReadsTheShownNumber) {
    clearFlags();
    s.Result.Caption = "-2.5";
    EXPECT_EQ(*eval("r*2"), -5);
    s.Result.Caption = " 1E+20 ";
    EXPECT_EQ(*eval("r"), 1e20);

    s.Result.Caption = "hello";
    EXPECT_EQ(*eval("1+r+5"), 1);  // the step of r ends empty
    EXPECT_EQ(events(), (std::vector<std::string>{"message [Plotmere] r input from result window is not a number."}));
    EXPECT_FALSE(s.EvalError || s.CriticalError);

    // A failure inside the step of r is reported the same way, not passed on.
    s.Result.Caption = "2";
    EXPECT_EQ(*eval("3+r*!171"), 3);
    EXPECT_EQ(events(), (std::vector<std::string>{"message [Plotmere] r input from result window is not a number."}));
    EXPECT_THROW(eval("!170+r"), EvalFailure);  // the factorial is applied after r's step has ended
}

}  // namespace
}  // namespace plotmere::testing

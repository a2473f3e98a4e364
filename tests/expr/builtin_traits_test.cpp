// Every built-in's row against its arithmetic: on values at and around each
// guard, a built-in sets EvalError exactly where its row says it may, and its
// value depends on the angle mode exactly when its row says so.

#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "expr/builtins.h"
#include "expr/eval_failure.h"

namespace plotmere::testing {
namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double Specials[] = {
    0,   -0.0, 1,      -1,     0.5,     -0.5,  2,      -2,  3,    170,
    171, -171, 1e-300, 5e-324, -5e-324, 1e300, -1e300, Inf, -Inf, std::numeric_limits<double>::quiet_NaN()};

struct Named {
    Builtin builtin;
    const char* name;
};
#define PLOTMERE_NAMED(name, ...) {Builtin::name, #name},
constexpr Named Prefixes[] = {PLOTMERE_PREFIX_FUNCTIONS(PLOTMERE_NAMED)};
constexpr Named Infixes[] = {PLOTMERE_INFIX_OPERATORS(PLOTMERE_NAMED){Builtin::ImplicitMul, "ImplicitMul"}};
#undef PLOTMERE_NAMED

// What one application gives: its value, or none when it fails, and EvalError.
struct Outcome {
    std::optional<double> value;
    bool evalError = false;
    bool operator==(const Outcome&) const = default;
};

template <class Apply>
Outcome outcomeOf(Apply&& apply) {
    Outcome outcome;
    try {
        outcome.value = apply(outcome.evalError);
    } catch (const EvalFailure&) {
        outcome.value.reset();
    }
    return outcome;
}

TEST(BuiltinTraits, APrefixFunctionDoesWhatItsRowSays) {
    for (const auto& [fn, name] : Prefixes) {
        SCOPED_TRACE(name);
        bool setsEvalError = false, dependsOnAngleMode = false;
        for (double a : Specials) {
            const auto radians = outcomeOf([&](bool& e) { return ApplyPrefix(fn, a, false, e); });
            const auto degrees = outcomeOf([&](bool& e) { return ApplyPrefix(fn, a, true, e); });
            setsEvalError = setsEvalError || radians.evalError || degrees.evalError;
            dependsOnAngleMode = dependsOnAngleMode || radians != degrees;
        }
        EXPECT_EQ(setsEvalError, MaySetEvalError(fn));
        EXPECT_EQ(dependsOnAngleMode, TraitsOf(fn).depends == Depends::AngleMode);
    }
}

// With each right operand as a constant: a power to a whole one or a division
// by one other than 0 never sets EvalError, whatever the left.
TEST(BuiltinTraits, AnInfixOperatorSetsEvalErrorWhereItsRowSays) {
    for (const auto& [op, name] : Infixes) {
        for (double rhs : Specials) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(rhs));
            bool setsEvalError = false;
            for (double lhs : Specials)
                setsEvalError = setsEvalError ||
                                outcomeOf([&](bool& e) { return ApplyInfix(op, lhs, rhs, e); }).evalError;
            EXPECT_EQ(setsEvalError, MaySetEvalError(op, rhs));
        }
    }
}

}  // namespace
}  // namespace plotmere::testing

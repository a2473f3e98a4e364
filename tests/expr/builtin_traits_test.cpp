// Every built-in's row against its arithmetic: on values at and around each
// guard, a built-in sets EvalError exactly where its row says it may, and its
// value depends on the angle mode exactly when its row says so.

#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "expr/builtins.h"
#include "expr/eval_failure.h"

namespace plotmere::testing {
namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double Specials[] = {
    0,   -0.0, 1,      -1,     0.5,     -0.5,  2,      -2,  3,    170,
    171, -171, 1e-300, 5e-324, -5e-324, 1e300, -1e300, Inf, -Inf, std::numeric_limits<double>::quiet_NaN()};

#define PLOTMERE_NAMED(name, ...) std::pair{Builtin::name, #name},
constexpr std::pair<Builtin, const char*> Prefixes[] = {PLOTMERE_PREFIX_FUNCTIONS(PLOTMERE_NAMED)};
constexpr std::pair<Builtin, const char*> Infixes[] = {PLOTMERE_INFIX_OPERATORS(PLOTMERE_NAMED)};
#undef PLOTMERE_NAMED

// The value of apply (Inf when it fails: a value never is) and whether it set EvalError.
template <class Apply>
std::pair<double, bool> outcomeOf(Apply&& apply) {
    bool evalError = false;
    try {
        return {apply(evalError), evalError};
    } catch (const EvalFailure&) {
        return {Inf, evalError};
    }
}

TEST(BuiltinTraits, APrefixFunctionDoesWhatItsRowSays) {
    for (const auto& [each, name] : Prefixes) {
        SCOPED_TRACE(name);
        const Builtin fn = each;  // a lambda cannot capture a binding in clang 14
        bool setsEvalError = false, dependsOnAngleMode = false;
        for (double a : Specials) {
            const auto radians = outcomeOf([&](bool& e) { return ApplyPrefix(fn, a, false, e); });
            const auto degrees = outcomeOf([&](bool& e) { return ApplyPrefix(fn, a, true, e); });
            setsEvalError |= radians.second || degrees.second;
            dependsOnAngleMode |= radians != degrees;
        }
        EXPECT_EQ(setsEvalError, MaySetEvalError(fn));
        EXPECT_EQ(dependsOnAngleMode, TraitsOf(fn).depends == Depends::AngleMode);
    }
}

// With each right operand as a constant: a power to a whole one or a division
// by one other than 0 never sets EvalError, whatever the left.
TEST(BuiltinTraits, AnInfixOperatorSetsEvalErrorWhereItsRowSays) {
    for (const auto& [each, name] : Infixes) {
        const Builtin op = each;
        for (double rhs : Specials) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(rhs));
            bool setsEvalError = false;
            for (double lhs : Specials)
                setsEvalError |= outcomeOf([&](bool& e) { return ApplyInfix(op, lhs, rhs, e); }).second;
            EXPECT_EQ(setsEvalError, MaySetEvalError(op, rhs));
        }
    }
}

}  // namespace
}  // namespace plotmere::testing

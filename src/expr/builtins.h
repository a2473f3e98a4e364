#pragma once
// The language's prefix functions and infix operators, one row each with the
// traits the compiler and the runners ask of it, and the computations behind
// them (with their guards and the angle mode: arithmetic.h).

#include <cmath>
#include <cstdint>
#include <optional>

namespace plotmere {

// What a built-in may do to EvalError: never set it, maybe set it, or maybe
// set it unless its right operand is a constant other than 0 or a whole one.
enum class EvalErrorRule : std::uint8_t { Never, MaySet, UnlessRhsNonzero, UnlessRhsWhole };

// The prefix functions with arithmetic of their own, one row each: the name,
// its tokens (several apart by a space; where two start alike the longer is
// read), what the value depends on (the Argument alone, so that one of a
// constant can be worked out once, or the AngleMode too) and its EvalErrorRule.
// clang-format off
#define PLOTMERE_PREFIX_FUNCTIONS(X)    \
    X(Atn,  "AT",  AngleMode, Never)    \
    X(Asin, "AS",  AngleMode, Never)    \
    X(Acos, "AC",  AngleMode, Never)    \
    X(Abs,  "A",   Argument,  Never)    \
    X(Neg,  "- ~", Argument,  Never)    \
    X(Sin,  "S",   AngleMode, Never)    \
    X(Cos,  "C",   AngleMode, Never)    \
    X(Tan,  "T",   AngleMode, Never)    \
    X(Log,  "L",   Argument,  Never)    \
    X(Sqr,  "R",   Argument,  MaySet)   \
    X(Int,  "I",   Argument,  Never)    \
    X(Fact, "!",   Argument,  Never)

// The infix operators, one row each: the name, its character, whether the
// arithmetic is Plain enough to run unchecked on many values at once (no call
// out, and nothing to check in the result but that it is finite) or Called,
// and its EvalErrorRule.
#define PLOTMERE_INFIX_OPERATORS(X)          \
    X(Add,     '+', Plain,  Never)            \
    X(Sub,     '-', Plain,  Never)            \
    X(Mul,     '*', Plain,  Never)            \
    X(Div,     '/', Plain,  UnlessRhsNonzero) \
    X(Pow,     '^', Called, UnlessRhsWhole)   \
    X(Exp10,   'E', Called, Never)            \
    X(Equal,   '=', Plain,  Never)            \
    X(Greater, '>', Plain,  Never)            \
    X(Less,    '<', Plain,  Never)
// clang-format on

#define PLOTMERE_BUILTIN_NAME(name, ...) name,
// clang-format off
enum class Builtin : std::uint8_t {
    PLOTMERE_PREFIX_FUNCTIONS(PLOTMERE_BUILTIN_NAME)
    StoredFn,     // a call of the stored function: StoredFnToken
    PLOTMERE_INFIX_OPERATORS(PLOTMERE_BUILTIN_NAME)
    ImplicitMul,  // two operands side by side: Mul
};
// clang-format on
#undef PLOTMERE_BUILTIN_NAME

inline constexpr const char* StoredFnToken = "F";

// What the value of a built-in depends on: its operands alone, the angle mode
// too, or the state (F).
enum class Depends : std::uint8_t { Argument, AngleMode, State };
enum class Arithmetic : std::uint8_t { Plain, Called };

struct BuiltinTraits {
    Depends depends;
    Arithmetic arithmetic;
    EvalErrorRule evalError;
};

// The traits of b as its row gives them.
constexpr BuiltinTraits TraitsOf(Builtin b) {
    switch (b) {
#define PLOTMERE_PREFIX_TRAITS(name, tokens, depends, rule) \
    case Builtin::name:                                     \
        return {Depends::depends, Arithmetic::Called, EvalErrorRule::rule};
#define PLOTMERE_INFIX_TRAITS(name, token, arithmetic, rule) \
    case Builtin::name: return {Depends::Argument, Arithmetic::arithmetic, EvalErrorRule::rule};
        PLOTMERE_PREFIX_FUNCTIONS(PLOTMERE_PREFIX_TRAITS)
        PLOTMERE_INFIX_OPERATORS(PLOTMERE_INFIX_TRAITS)
#undef PLOTMERE_PREFIX_TRAITS
#undef PLOTMERE_INFIX_TRAITS
        case Builtin::ImplicitMul: return TraitsOf(Builtin::Mul);
        case Builtin::StoredFn: break;
    }
    // F runs whatever the stored function holds.
    return {Depends::State, Arithmetic::Called, EvalErrorRule::MaySet};
}

// Whether b may set EvalError, given its right operand when that is a constant.
inline bool MaySetEvalError(Builtin b, std::optional<double> constRhs = std::nullopt) {
    const EvalErrorRule rule = TraitsOf(b).evalError;
    if (rule == EvalErrorRule::UnlessRhsNonzero) return !constRhs || *constRhs == 0;
    if (rule == EvalErrorRule::UnlessRhsWhole) return !constRhs || *constRhs != std::floor(*constRhs);
    return rule == EvalErrorRule::MaySet;
}

// Whether the batch runner may run B unchecked.
template <Builtin B>
constexpr bool PlainInfix = TraitsOf(B).arithmetic == Arithmetic::Plain;

struct Prefix {
    Builtin fn;
    int length;  // characters of the token
};

// The prefix function a text starting with c1, c2 begins with, if any.
bool FindPrefix(char c1, char c2, Prefix& prefix);

// The operator an operator character stands for; any other character is an
// implicit product.
Builtin InfixOperator(char op);

// The arithmetic of a built-in chosen at run time (see arithmetic.h).
double ApplyPrefix(Builtin fn, double a, bool degrees, bool& evalError);
double ApplyInfix(Builtin op, double lhs, double rhs, bool& evalError);

// n! for 0 <= n; from 171 on the run-time failure.
double fact(int n);

}  // namespace plotmere

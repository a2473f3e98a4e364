#pragma once
// The computations behind the language's prefix functions and infix operators,
// with their guards and the angle mode.

#include <cstdint>

namespace plotmere {

// clang-format off
enum class Step : std::uint8_t {
    // prefix functions
    Atn, Asin, Acos, Abs, Neg, Sin, Cos, Tan, Log, Sqr, Int, StoredFn, Fact,
    // infix operators
    Add, Sub, Mul, Div, Pow, Exp10, Equal, Greater, Less, ImplicitMul,
    // the span in which a failure is reported as a bad "r"
    ResultGuard,
};
// clang-format on

inline bool IsPrefix(Step step) { return step < Step::Add; }

// The steps with arithmetic of their own, for tables of cases.
#define PLOTMERE_PREFIX_STEPS(X) \
    X(Atn) X(Asin) X(Acos) X(Abs) X(Neg) X(Sin) X(Cos) X(Tan) X(Log) X(Sqr) X(Int) X(Fact)
#define PLOTMERE_INFIX_STEPS(X) X(Add) X(Sub) X(Mul) X(Div) X(Pow) X(Exp10) X(Equal) X(Greater) X(Less)

struct Prefix {
    Step step;
    int length;  // characters of the token
};

// The prefix function a text starting with c1, c2 begins with, if any.
bool FindPrefix(char c1, char c2, Prefix& prefix);

// The operator an operator character stands for; any other character is an
// implicit product.
Step InfixStep(char op);

// The arithmetic of a step chosen at run time (see arithmetic.h).
double ApplyPrefix(Step step, double a, bool degrees, bool& evalError);
double ApplyInfix(Step step, double lhs, double rhs, bool& evalError);

// n! for 0 <= n; from 171 on the run-time failure.
double fact(int n);

}  // namespace plotmere

#pragma once
// The arithmetic of each prefix function and infix operator, with its guards
// and the angle mode, inline for the evaluator's inner loop. A guard that fails
// sets evalError and yields 0; unguarded failures throw EvalFailure.

#include <cmath>
#include <numbers>

#include "expr/builtins.h"
#include "expr/eval_failure.h"
#include "expr/power.h"

namespace plotmere {

namespace arithmetic {

constexpr double pi = std::numbers::pi;

inline double toRadians(double a, bool degrees) { return degrees ? a * pi / 180 : a; }
inline double fromRadians(double r, bool degrees) { return degrees ? r * 180 / pi : r; }

double arcsine(double a);
double arccosine(double a);
double factorialOf(double a);

inline double guardedPower(double base, double exponent, bool& evalError) {
    if (base < 0 && exponent != std::floor(exponent)) {
        evalError = true;
        return 0;
    }
    if (base == 0 && exponent < 0) throw EvalFailure("Division by zero");
    return Power(base, exponent);
}

}  // namespace arithmetic

// The prefix function S of a, its result checked.
template <Step S>
double PrefixValue(double a, bool degrees, bool& evalError) {
    using namespace arithmetic;
    double r;
    if constexpr (S == Step::Atn) r = fromRadians(std::atan(a), degrees);
    else if constexpr (S == Step::Asin) r = fromRadians(arcsine(a), degrees);
    else if constexpr (S == Step::Acos) r = fromRadians(arccosine(a), degrees);
    else if constexpr (S == Step::Abs) r = std::fabs(a);
    else if constexpr (S == Step::Neg) r = -a;
    else if constexpr (S == Step::Sin) r = std::sin(toRadians(a, degrees));
    else if constexpr (S == Step::Cos) r = std::cos(toRadians(a, degrees));
    else if constexpr (S == Step::Tan) r = std::tan(toRadians(a, degrees));
    else if constexpr (S == Step::Log) r = a > 0 ? std::log(a) : 0;
    else if constexpr (S == Step::Sqr) {
        if (a < 0) {
            evalError = true;
            return 0;
        }
        r = std::sqrt(a);
    } else if constexpr (S == Step::Int) r = std::floor(a);
    else {
        static_assert(S == Step::Fact);
        r = factorialOf(a);
    }
    return Checked(r);
}

// The infix operators whose arithmetic is plain enough to run on many values
// at once: no call out, and nothing to check in the result but that it is
// finite.
template <Step S>
constexpr bool PlainInfix = S == Step::Add || S == Step::Sub || S == Step::Mul || S == Step::ImplicitMul ||
                            S == Step::Div || S == Step::Equal || S == Step::Greater || S == Step::Less;

// The plain operator S of lhs and rhs, its result not yet checked.
template <Step S>
double PlainInfixValue(double lhs, double rhs, bool& evalError) {
    static_assert(PlainInfix<S>);
    if constexpr (S == Step::Add) return lhs + rhs;
    else if constexpr (S == Step::Sub) return lhs - rhs;
    else if constexpr (S == Step::Mul || S == Step::ImplicitMul) return lhs * rhs;
    else if constexpr (S == Step::Div) {
        evalError |= rhs == 0;
        const double quotient = lhs / (rhs == 0 ? 1 : rhs);  // no division by zero, even unused
        return rhs == 0 ? 0 : quotient;
    } else if constexpr (S == Step::Equal) return lhs == rhs ? 1 : 0;
    else if constexpr (S == Step::Greater) return lhs > rhs ? 1 : 0;
    else return lhs < rhs ? 1 : 0;
}

// The infix operator S of lhs and rhs.
template <Step S>
double InfixValue(double lhs, double rhs, bool& evalError) {
    if constexpr (PlainInfix<S>) return Checked(PlainInfixValue<S>(lhs, rhs, evalError));
    else if constexpr (S == Step::Pow) return Checked(arithmetic::guardedPower(lhs, rhs, evalError));
    else {
        static_assert(S == Step::Exp10);
        return Checked(lhs * Checked(std::pow(10.0, rhs)));
    }
}

}  // namespace plotmere

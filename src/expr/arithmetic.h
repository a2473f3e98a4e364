#pragma once
// The arithmetic of each prefix function and infix operator, with its guards
// and the angle mode, inline for the evaluator's inner loop. A guard that fails
// sets evalError and yields 0; unguarded failures throw EvalFailure.

#include <cmath>
#include <numbers>

#include "expr/builtins.h"
#include "expr/elementary.h"
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

// The prefix function B of a, its result checked.
template <Builtin B>
double PrefixValue(double a, bool degrees, bool& evalError) {
    using namespace arithmetic;
    double r;
    if constexpr (B == Builtin::Atn) r = fromRadians(elementary::atan(a), degrees);
    else if constexpr (B == Builtin::Asin) r = fromRadians(arcsine(a), degrees);
    else if constexpr (B == Builtin::Acos) r = fromRadians(arccosine(a), degrees);
    else if constexpr (B == Builtin::Abs) r = std::fabs(a);
    else if constexpr (B == Builtin::Neg) r = -a;
    else if constexpr (B == Builtin::Sin) r = elementary::sin(toRadians(a, degrees));
    else if constexpr (B == Builtin::Cos) r = elementary::cos(toRadians(a, degrees));
    else if constexpr (B == Builtin::Tan) r = elementary::tan(toRadians(a, degrees));
    else if constexpr (B == Builtin::Log) r = a > 0 ? elementary::log(a) : 0;
    else if constexpr (B == Builtin::Sqr) {
        if (a < 0) {
            evalError = true;
            return 0;
        }
        r = std::sqrt(a);
    } else if constexpr (B == Builtin::Int) r = std::floor(a);
    else {
        static_assert(B == Builtin::Fact);
        r = factorialOf(a);
    }
    return Checked(r);
}

// The plain operator B of lhs and rhs, its result not yet checked.
template <Builtin B>
double PlainInfixValue(double lhs, double rhs, bool& evalError) {
    static_assert(PlainInfix<B>);
    if constexpr (B == Builtin::Add) return lhs + rhs;
    else if constexpr (B == Builtin::Sub) return lhs - rhs;
    else if constexpr (B == Builtin::Mul || B == Builtin::ImplicitMul) return lhs * rhs;
    else if constexpr (B == Builtin::Div) {
        evalError |= rhs == 0;
        const double quotient = lhs / (rhs == 0 ? 1 : rhs);  // no division by zero, even unused
        return rhs == 0 ? 0 : quotient;
    } else if constexpr (B == Builtin::Equal) return lhs == rhs ? 1 : 0;
    else if constexpr (B == Builtin::Greater) return lhs > rhs ? 1 : 0;
    else return lhs < rhs ? 1 : 0;
}

// The infix operator B of lhs and rhs.
template <Builtin B>
double InfixValue(double lhs, double rhs, bool& evalError) {
    if constexpr (PlainInfix<B>) return Checked(PlainInfixValue<B>(lhs, rhs, evalError));
    else if constexpr (B == Builtin::Pow) return Checked(arithmetic::guardedPower(lhs, rhs, evalError));
    else {
        static_assert(B == Builtin::Exp10);
        return Checked(lhs * Checked(elementary::pow(10.0, rhs)));
    }
}

}  // namespace plotmere

#include "expr/builtins.h"

#include <cmath>
#include <numbers>

#include "expr/eval_failure.h"
#include "expr/number_text.h"

namespace plotmere {

namespace {

constexpr double pi = std::numbers::pi;

double toRadians(double a, bool degrees) { return degrees ? a * pi / 180 : a; }
double fromRadians(double r, bool degrees) { return degrees ? r * 180 / pi : r; }

// The platform's square root, unguarded: the arc functions lean on it.
double platformSqrt(double a) {
    if (a < 0) throw EvalFailure("Invalid argument");
    return std::sqrt(a);
}

double quotient(double a, double b) {
    if (b == 0) throw EvalFailure("Division by zero");
    return Checked(a / b);
}

double arcsine(double a) { return std::atan(quotient(a, platformSqrt(1 - std::pow(a, 2)))); }

double arccosine(double a) {
    return std::atan(quotient(-a, platformSqrt(1 - std::pow(a, 2)))) + 2 * std::atan(1.0);
}

double factorialOf(double a) {
    int n = ToInt16(a);
    if (n != a || a < 0) return 0;
    return fact(n);
}

double guardedPower(double base, double exponent, bool& evalError) {
    if (base < 0 && exponent != std::floor(exponent)) {
        evalError = true;
        return 0;
    }
    if (base == 0 && exponent < 0) throw EvalFailure("Division by zero");
    return std::pow(base, exponent);
}

}  // namespace

bool FindPrefix(char c1, char c2, Prefix& prefix) {
    if (c1 == 'A') {
        switch (c2) {
            case 'T': prefix = {Step::Atn, 2}; return true;
            case 'S': prefix = {Step::Asin, 2}; return true;
            case 'C': prefix = {Step::Acos, 2}; return true;
            default: prefix = {Step::Abs, 1}; return true;
        }
    }
    switch (c1) {
        case '~':
        case '-': prefix = {Step::Neg, 1}; return true;
        case 'S': prefix = {Step::Sin, 1}; return true;
        case 'C': prefix = {Step::Cos, 1}; return true;
        case 'T': prefix = {Step::Tan, 1}; return true;
        case 'L': prefix = {Step::Log, 1}; return true;
        case 'R': prefix = {Step::Sqr, 1}; return true;
        case 'I': prefix = {Step::Int, 1}; return true;
        case 'F': prefix = {Step::StoredFn, 1}; return true;
        case '!': prefix = {Step::Fact, 1}; return true;
        default: return false;
    }
}

Step InfixStep(char op) {
    switch (op) {
        case '+': return Step::Add;
        case '-': return Step::Sub;
        case '*': return Step::Mul;
        case '/': return Step::Div;
        case '^': return Step::Pow;
        case 'E': return Step::Exp10;
        case '=': return Step::Equal;
        case '>': return Step::Greater;
        case '<': return Step::Less;
        default: return Step::ImplicitMul;
    }
}

double ApplyPrefix(Step step, double a, bool degrees, bool& evalError) {
    switch (step) {
        case Step::Atn: return fromRadians(std::atan(a), degrees);
        case Step::Asin: return fromRadians(arcsine(a), degrees);
        case Step::Acos: return fromRadians(arccosine(a), degrees);
        case Step::Abs: return std::fabs(a);
        case Step::Neg: return -a;
        case Step::Sin: return std::sin(toRadians(a, degrees));
        case Step::Cos: return std::cos(toRadians(a, degrees));
        case Step::Tan: return Checked(std::tan(toRadians(a, degrees)));
        case Step::Log: return a > 0 ? std::log(a) : 0;
        case Step::Sqr:
            if (a < 0) {
                evalError = true;
                return 0;
            }
            return std::sqrt(a);
        case Step::Int: return std::floor(a);
        case Step::Fact: return factorialOf(a);
        default: throw EvalFailure("Unknown function");
    }
}

double ApplyInfix(Step step, double lhs, double rhs, bool& evalError) {
    switch (step) {
        case Step::Add: return Checked(lhs + rhs);
        case Step::Sub: return Checked(lhs - rhs);
        case Step::Mul:
        case Step::ImplicitMul: return Checked(lhs * rhs);
        case Step::Div:
            if (rhs == 0) {
                evalError = true;
                return 0;
            }
            return Checked(lhs / rhs);
        case Step::Pow: return Checked(guardedPower(lhs, rhs, evalError));
        case Step::Exp10: return Checked(lhs * Checked(std::pow(10.0, rhs)));
        case Step::Equal: return lhs == rhs ? 1 : 0;
        case Step::Greater: return lhs > rhs ? 1 : 0;
        case Step::Less: return lhs < rhs ? 1 : 0;
        default: throw EvalFailure("Unknown operator");
    }
}

double fact(int n) {
    if (n >= 171) throw EvalFailure("Overflow");
    double product = 1;
    for (int k = 2; k <= n; ++k) product *= k;
    return product;
}

}  // namespace plotmere

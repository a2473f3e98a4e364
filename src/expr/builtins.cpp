#include "expr/builtins.h"

#include <cmath>

#include "expr/arithmetic.h"
#include "expr/elementary.h"
#include "expr/eval_failure.h"
#include "expr/number_text.h"

namespace plotmere {

namespace arithmetic {

namespace {

// The platform's square root, unguarded: the arc functions lean on it.
double platformSqrt(double a) {
    if (a < 0) throw EvalFailure("Invalid argument");
    return std::sqrt(a);
}

double quotient(double a, double b) {
    if (b == 0) throw EvalFailure("Division by zero");
    return Checked(a / b);
}

}  // namespace

double arcsine(double a) { return elementary::atan(quotient(a, platformSqrt(1 - a * a))); }

double arccosine(double a) {
    return elementary::atan(quotient(-a, platformSqrt(1 - a * a))) + 2 * elementary::atan(1.0);
}

double factorialOf(double a) {
    int n = ToInt16(a);
    if (n != a || a < 0) return 0;
    return fact(n);
}

}  // namespace arithmetic

bool FindPrefix(char c1, char c2, Prefix& prefix) {
    if (c1 == 'A') {
        switch (c2) {
            case 'T': prefix = {Builtin::Atn, 2}; return true;
            case 'S': prefix = {Builtin::Asin, 2}; return true;
            case 'C': prefix = {Builtin::Acos, 2}; return true;
            default: prefix = {Builtin::Abs, 1}; return true;
        }
    }
    switch (c1) {
        case '~':
        case '-': prefix = {Builtin::Neg, 1}; return true;
        case 'S': prefix = {Builtin::Sin, 1}; return true;
        case 'C': prefix = {Builtin::Cos, 1}; return true;
        case 'T': prefix = {Builtin::Tan, 1}; return true;
        case 'L': prefix = {Builtin::Log, 1}; return true;
        case 'R': prefix = {Builtin::Sqr, 1}; return true;
        case 'I': prefix = {Builtin::Int, 1}; return true;
        case 'F': prefix = {Builtin::StoredFn, 1}; return true;
        case '!': prefix = {Builtin::Fact, 1}; return true;
        default: return false;
    }
}

Builtin InfixOperator(char op) {
    switch (op) {
        case '+': return Builtin::Add;
        case '-': return Builtin::Sub;
        case '*': return Builtin::Mul;
        case '/': return Builtin::Div;
        case '^': return Builtin::Pow;
        case 'E': return Builtin::Exp10;
        case '=': return Builtin::Equal;
        case '>': return Builtin::Greater;
        case '<': return Builtin::Less;
        default: return Builtin::ImplicitMul;
    }
}

double ApplyPrefix(Builtin fn, double a, bool degrees, bool& evalError) {
    switch (fn) {
#define PLOTMERE_CASE(S, ...) \
    case Builtin::S: return PrefixValue<Builtin::S>(a, degrees, evalError);
        PLOTMERE_PREFIX_FUNCTIONS(PLOTMERE_CASE)
#undef PLOTMERE_CASE
        default: throw EvalFailure("Unknown function");
    }
}

double ApplyInfix(Builtin op, double lhs, double rhs, bool& evalError) {
    switch (op) {
#define PLOTMERE_CASE(S, ...) \
    case Builtin::S: return InfixValue<Builtin::S>(lhs, rhs, evalError);
        PLOTMERE_INFIX_OPERATORS(PLOTMERE_CASE)
#undef PLOTMERE_CASE
        case Builtin::ImplicitMul: return InfixValue<Builtin::Mul>(lhs, rhs, evalError);
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

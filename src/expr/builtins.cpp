#include "expr/builtins.h"

#include <cmath>

#include "expr/arithmetic.h"
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

double arcsine(double a) { return std::atan(quotient(a, platformSqrt(1 - std::pow(a, 2)))); }

double arccosine(double a) {
    return std::atan(quotient(-a, platformSqrt(1 - std::pow(a, 2)))) + 2 * std::atan(1.0);
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
#define PLOTMERE_CASE(S) \
    case Step::S: return PrefixValue<Step::S>(a, degrees, evalError);
        PLOTMERE_PREFIX_STEPS(PLOTMERE_CASE)
#undef PLOTMERE_CASE
        default: throw EvalFailure("Unknown function");
    }
}

double ApplyInfix(Step step, double lhs, double rhs, bool& evalError) {
    switch (step) {
#define PLOTMERE_CASE(S) \
    case Step::S: return InfixValue<Step::S>(lhs, rhs, evalError);
        PLOTMERE_INFIX_STEPS(PLOTMERE_CASE)
#undef PLOTMERE_CASE
        case Step::ImplicitMul: return InfixValue<Step::Mul>(lhs, rhs, evalError);
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

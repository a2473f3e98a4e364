#include "expr/builtins.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>

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

namespace {

// Every prefix's tokens as its row writes them.
#define PLOTMERE_TOKENS(name, tokens, ...) {Builtin::name, tokens},
constexpr std::pair<Builtin, std::string_view> PrefixTokens[] = {
    PLOTMERE_PREFIX_FUNCTIONS(PLOTMERE_TOKENS){Builtin::StoredFn, StoredFnToken}};
#undef PLOTMERE_TOKENS

// Calls f with each of a row's tokens.
template <class F>
constexpr void forEachToken(std::string_view tokens, F&& f) {
    while (!tokens.empty()) {
        const std::string_view token = tokens.substr(0, tokens.find(' '));
        f(token);
        tokens.remove_prefix(std::min(tokens.size(), token.size() + 1));
    }
}

// No token is empty or written twice, so that no row hides behind another.
consteval bool tokensDistinct() {
    bool distinct = true;
    for (const auto& [fn, tokens] : PrefixTokens) {
        forEachToken(tokens, [&](std::string_view token) {
            int times = 0;
            for (const auto& [other, written] : PrefixTokens)
                forEachToken(written, [&](std::string_view t) { times += t == token; });
            distinct = distinct && !token.empty() && times == 1;
        });
    }
    return distinct;
}
static_assert(tokensDistinct());

}  // namespace

bool FindPrefix(char c1, char c2, Prefix& prefix) {
    const char start[] = {c1, c2};
    const std::string_view text(start, c2 ? 2 : 1);
    prefix.length = 0;
    for (const auto& row : PrefixTokens) {
        forEachToken(row.second, [&](std::string_view token) {
            const int length = static_cast<int>(token.size());
            if (length > prefix.length && text.starts_with(token)) prefix = {row.first, length};
        });
    }
    return prefix.length > 0;
}

Builtin InfixOperator(char op) {
    switch (op) {
#define PLOTMERE_CASE(name, token, ...) \
    case token: return Builtin::name;
        PLOTMERE_INFIX_OPERATORS(PLOTMERE_CASE)
#undef PLOTMERE_CASE
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

#include "expr/builtins.h"

#include <algorithm>
#include <array>
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

// Calls f with each token of the rows, and its built-in.
template <class F>
constexpr void forEachToken(F&& f) {
    for (const auto& [fn, row] : PrefixTokens) {
        for (std::string_view tokens = row; !tokens.empty();) {
            const std::string_view token = tokens.substr(0, tokens.find(' '));
            f(fn, token);
            tokens.remove_prefix(std::min(tokens.size(), token.size() + 1));
        }
    }
}

// A token of one character, or of two (second not '\0'), as the compiler reads them.
struct Token {
    char first;
    char second;
    Builtin fn;
};

constexpr std::size_t TokenCount = [] {
    std::size_t n = 0;
    forEachToken([&](Builtin, std::string_view) { ++n; });
    return n;
}();

// The tokens apart once, so that reading a long text does not parse the rows anew.
constexpr std::array<Token, TokenCount> Tokens = [] {
    std::array<Token, TokenCount> table{};
    std::size_t i = 0;
    forEachToken([&](Builtin fn, std::string_view token) {
        table[i++] = {token[0], token.size() > 1 ? token[1] : '\0', fn};
    });
    return table;
}();

// Every token has one or two characters and no two are alike, so that no row
// hides behind another.
consteval bool tokensDistinct() {
    bool distinct = true;
    forEachToken([&](Builtin, std::string_view token) {
        int times = 0;
        forEachToken([&](Builtin, std::string_view other) { times += other == token; });
        distinct = distinct && !token.empty() && token.size() <= 2 && times == 1;
    });
    return distinct;
}
static_assert(tokensDistinct());

}  // namespace

// Where two tokens start alike, the longer is read.
bool FindPrefix(char c1, char c2, Prefix& prefix) {
    prefix.length = 0;
    for (const Token& token : Tokens) {
        if (token.first != c1) continue;
        if (token.second == '\0' && prefix.length == 0) prefix = {token.fn, 1};
        if (token.second != '\0' && token.second == c2) {
            prefix = {token.fn, 2};
            return true;
        }
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

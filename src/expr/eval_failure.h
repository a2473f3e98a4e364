#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

namespace plotmere {

// The one run-time failure of an evaluation: overflow, arcsine of 1, factorial
// of 171, nesting too deep, ... It sets no flag; the command that meets it
// reports it.
class EvalFailure : public std::runtime_error {
public:
    explicit EvalFailure(const std::string& reason) : std::runtime_error(reason) {}
};

// A limit of one evaluation reached. Unlike the other failures it ends the
// whole evaluation, past every "r": caught there, the evaluation would go on
// and do the same again, as often as it has steps.
class BeyondLimits : public EvalFailure {
public:
    using EvalFailure::EvalFailure;
};

// Parentheses, F calls and scripts nested beyond the budget.
class NestedTooDeeply : public BeyondLimits {
public:
    NestedTooDeeply() : BeyondLimits("Expression nested too deeply") {}
};

// More work in calls of the stored function than one evaluation may do: a
// function that calls itself twice doubles it at every level.
class TooManyCalls : public BeyondLimits {
public:
    TooManyCalls() : BeyondLimits("Stored function called too often") {}
};

// More work in scripts started from expressions than one command may do: a
// graph whose samples start a script that graphs again multiplies the two.
class TooMuchScriptWork : public BeyondLimits {
public:
    TooMuchScriptWork() : BeyondLimits("Too much work in scripts started from expressions") {}
};

// The message a command shows for a failure that reached it.
inline std::string RunTimeErrorText(const EvalFailure& failure) {
    return std::string("Run-time error: ") + failure.what();
}

[[noreturn]] void ThrowOverflow();

// Passes a finite result through; anything else is the run-time failure.
inline double Checked(double result) {
    if (!std::isfinite(result)) [[unlikely]]
        ThrowOverflow();
    return result;
}

}  // namespace plotmere

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

// Nesting beyond the budget. Unlike the other failures it ends the whole
// evaluation, past every "r": caught there, the evaluation would go on and
// nest again, without end.
class NestedTooDeeply : public EvalFailure {
public:
    NestedTooDeeply() : EvalFailure("Expression nested too deeply") {}
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

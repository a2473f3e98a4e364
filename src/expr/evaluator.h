#pragma once
// The evaluator of the expression language: one-character tokens, implicit
// products, no precedence (every operator and prefix function takes all of the
// text to its right). Failures of the input are flags and messages; arithmetic
// that has no answer throws EvalFailure.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "expr/builtins.h"
#include "expr/memory.h"
#include "expr/value.h"
#include "state/context.h"

namespace plotmere {

class Evaluator {
public:
    using ScriptRunner = std::function<void(const std::string& command)>;

    explicit Evaluator(Context& ctx) : ctx_(ctx), memory_(ctx) {}

    // Called with the whole text when an expression begins with a double quote.
    void SetScriptRunner(ScriptRunner runner) { runScript_ = std::move(runner); }

    // The value of fstr at x = X.
    Value eval(std::string_view fstr, double X);
    // The same with x given as a text, read by its leading number.
    Value eval(std::string_view fstr, std::string_view Xtext);

private:
    // An expression text with its parenthesis pairs found once, so that the
    // thousands of evaluations of one graph do not search for them again.
    struct Prepared {
        std::string text;
        std::vector<int> match;  // for each "(", the index of its ")" or -1
    };
    struct Frame {
        Step step;
        double lhs;
    };

    const Prepared& prepare(std::string_view text);
    Value evalTop(std::string_view fstr, double x);
    Value run(const Prepared& p, size_t b, size_t e, double x, int depth);
    Value descend(const Prepared& p, size_t b, size_t e, double x, int depth);
    struct Operand {
        Value value;
        size_t length;
        bool endsStep = false;  // the token ended the evaluation step (a reported error)
    };
    static const Operand EndOfStep;
    Operand operand(const Prepared& p, size_t b, size_t e, double x, int depth);
    void fold(size_t base, Value& v, int depth);
    double apply(const Frame& f, double a, int depth);
    bool unwindToResultGuard(size_t base);
    void parenthesesError(const char* text);
    void reportResultNotNumber();

    Context& ctx_;
    Memory memory_;
    ScriptRunner runScript_;
    std::vector<Frame> frames_;
    std::vector<std::unique_ptr<Prepared>> cache_;
    int active_ = 0;
    double lastX_ = 0, lastRounded_ = 0;  // x as last read, rounded
};

// Sets ScriptError, EvalError and CriticalError in one step.
void signalallerrors(ConsoleState& s);

}  // namespace plotmere

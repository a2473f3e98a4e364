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

namespace plotmere::testing {

class LegacyEvaluator {
public:
    using ScriptRunner = std::function<void(const std::string& command)>;

    explicit LegacyEvaluator(Context& ctx) : ctx_(ctx), memory_(ctx) {}

    // Called with the whole text when an expression begins with a double quote.
    void SetScriptRunner(ScriptRunner runner) { runScript_ = std::move(runner); }

    // The value of fstr at x = X.
    Value eval(std::string_view fstr, double X);
    // The same with x given as a text, read by its leading number.
    Value eval(std::string_view fstr, std::string_view Xtext);

    // Parentheses, F calls and scripts started from an expression all nest on
    // the stack; they share one budget, so that any chain of them ends with
    // the run-time failure before the stack runs out. A level is held for the
    // scope's life; one that does not fit throws EvalFailure.
    class Nesting {
    public:
        Nesting(LegacyEvaluator& ev, int levels);
        ~Nesting() { depth_ -= levels_; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;

    private:
        int& depth_;
        int levels_;
    };
    // What starting a script costs of the budget: a chain of scripts runs
    // through far larger frames than a parenthesis does.
    static constexpr int ScriptLevels = 50;

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

    using PreparedRef = std::shared_ptr<const Prepared>;
    PreparedRef prepare(std::string_view text);
    Value evalTop(std::string_view fstr, double x);
    Value run(const Prepared& p, size_t b, size_t e, double x);
    Value descend(const Prepared& p, size_t b, size_t e, double x);
    struct Operand {
        Value value;
        size_t length;
        bool endsStep = false;  // the token ended the evaluation step (a reported error)
    };
    static const Operand EndOfStep;
    Operand operand(const Prepared& p, size_t b, size_t e, double x);
    void fold(size_t base, Value& v);
    double apply(const Frame& f, double a);
    bool unwindToResultGuard(size_t base);
    void parenthesesError(const char* text);
    void reportResultNotNumber();

    Context& ctx_;
    Memory memory_;
    ScriptRunner runScript_;
    std::vector<Frame> frames_;
    // Newest last; evaluations in progress hold their own references.
    std::vector<PreparedRef> cache_;
    int depth_ = 0;  // nesting levels in use
    double lastX_ = 0, lastRounded_ = 0;  // x as last read, rounded
};

}  // namespace plotmere::testing

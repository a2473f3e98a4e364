#pragma once
// The evaluator of the expression language: one-character tokens, implicit
// products, no precedence (every operator and prefix function takes all of the
// text to its right). A text is compiled once into a program (program.h) and
// the program runs for each x. Failures of the input are flags and messages;
// arithmetic that has no answer throws EvalFailure.

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "expr/eval_failure.h"
#include "expr/memory.h"
#include "expr/nested_commands.h"
#include "expr/program_cache.h"
#include "expr/value.h"
#include "expr/work_budget.h"
#include "state/context.h"

namespace plotmere {

class Evaluator {
public:
    using Compiled = std::shared_ptr<const Program>;

    explicit Evaluator(Context& ctx);
    ~Evaluator();

    // Who runs a script named in an expression; without one, such a script is not run.
    void RunNestedScriptsThrough(NestedCommands& commands) { nested_ = &commands; }

    // The program of a text, for a caller that evaluates it many times.
    Compiled compile(std::string_view fstr) { return cache_.Get(fstr); }

    // The value of fstr at x = X.
    Value eval(std::string_view fstr, double X);
    Value eval(const Program& program, double X);
    // The same with x given as a text, read by its leading number.
    Value eval(std::string_view fstr, std::string_view Xtext);
    // The values of a pure program at each of xs, each exactly as eval gives
    // it, worked out in one pass: each instruction runs for all of them
    // before the next. Only when none of them fails or sets a flag; otherwise
    // false, with nothing changed, for the caller to evaluate them one by one.
    bool evalAll(const Program& program, std::span<const double> xs, std::span<double> values);

    const ProgramCache& cache() const { return cache_; }

    // A command begins: scripts started from its expressions may do a
    // command's share of work again.
    void NewCommand() { scriptWork_.renew(); }

    // Parentheses, F calls and scripts started from an expression all nest on
    // the stack; they share one budget of MaxNestingLevels, so that any chain
    // of them ends with the run-time failure before the stack runs out (a
    // script takes ScriptCosts::Levels). A level is held for the scope's life;
    // one that does not fit throws NestedTooDeeply.
    class Nesting {
    public:
        Nesting(Evaluator& ev, int levels) : depth_(ev.depth_), levels_(levels) {
            if (depth_ + levels > MaxNestingLevels) throw NestedTooDeeply();
            depth_ += levels;
        }
        ~Nesting() { depth_ -= levels_; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;

    private:
        int& depth_;
        int levels_;
    };

private:
    double roundedX(double X);
    // Runs the program one level deeper than the caller. The value is 0 when
    // it is empty.
    double run(const Program& p, double x, bool& empty);
    Value run(const Program& p, double x);
    // Tracked: some instruction may lie deeper than the budget allows, so each
    // one looks before it runs. Guarded: the program has an "r" that catches
    // failures; without one, a failure passes through with nothing to undo.
    template <bool Tracked, bool Guarded>
    double execute(const Program& p, double x, double* stack, bool& resultEmpty);
    [[gnu::noinline]] double sideEffect(const Program& p, const Instruction& in, int base, double acc);
    bool runAll(const Program& p, std::span<double> values);
    double storedFunction(double a, int depth);
    template <class Call>
    auto atDepth(int depth, Call&& call);
    void runScript(const std::string& command, int depth);
    void parenthesesError(const char* text);
    void reportResultNotNumber();

    Context& ctx_;
    Memory memory_;
    NestedCommands* nested_ = nullptr;
    ProgramCache cache_;
    int depth_ = 0;                   // nesting levels in use
    WorkBudget<CallCosts> callWork_;  // of this evaluation
    int inStoredFunction_ = 0;
    WorkBudget<ScriptCosts> scriptWork_;  // of this command
    // The message boxes shown since the last one counted, now counted.
    std::size_t newMessages();
    std::size_t messagesCounted_ = 0;
    int inScript_ = 0;                    // scripts started from expressions, running
    double lastX_ = 0, lastRounded_ = 0;  // x as last read, rounded
    struct BatchRoom;
    std::unique_ptr<BatchRoom> batch_;  // evalAll's x and left operands
};

}  // namespace plotmere

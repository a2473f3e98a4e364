#pragma once
// The samples of a sweep, apart from what is drawn or scored with them: where
// its x lie, the value of each program there exactly as Evaluator::eval gives
// it, and what the run flags left by a sample mean for it and for the sweep.

#include <array>
#include <cstddef>
#include <optional>
#include <utility>

#include "expr/value.h"
#include "state/context.h"

namespace plotmere {

class Evaluator;
struct Program;

// Where the x of a sweep lie: `from`, then each one `step` further by
// addition. Across a range the sweep ends past `to`, or where a step no longer
// moves x, so that it ends whatever the numbers; a counted sweep takes its
// count of samples wherever they lie.
class Steps {
public:
    static Steps Across(double from, double to, double step) { return {from, to, step, std::nullopt}; }
    static Steps Counted(double from, double step, std::size_t count) { return {from, 0, step, count}; }

    std::optional<double> firstX() const;
    // The x after x, when `taken` samples have been taken; empty where the sweep ends.
    std::optional<double> nextX(double x, std::size_t taken) const;

private:
    Steps(double from, double to, double step, std::optional<std::size_t> count)
        : from_(from), to_(to), step_(step), count_(count) {}
    bool reaches(double x) const { return step_ > 0 ? x <= to_ : x >= to_; }

    double from_, to_, step_;
    std::optional<std::size_t> count_;
};

// What a sweep makes of the flags a sample leaves.
struct SampleRules {
    // A sample that left EvalError set is rejected and clears it, so that the
    // samples after it are evaluated afresh; otherwise the latch stays set.
    bool clearEvalError;
    // The sample that left CriticalError set is taken before the sweep stops;
    // otherwise the sweep stops without it, its flags as they are.
    bool takeCriticalSample;
};

// One x of a sweep and what evaluating it gave.
struct Sample {
    double x;
    Value value;    // the program's
    Value second;   // the second program's of a pair, evaluated after the first
    bool rejected;  // EvalError was set
    bool critical;  // CriticalError was set: the sweep ends with this sample
};

// The samples of a program, or of a pair, along the steps. A pure program's
// values are worked out a batch of samples ahead (Evaluator::evalAll). A value
// worked out ahead stands only where eval would start from the same state: no
// latch set, the same angle mode (the sweep may let the user change it). Where
// a batch gives up, one of its samples fails or sets a flag: its samples go
// singly, so that eval reports it in its turn.
class Samples {
public:
    Samples(Context& ctx, Evaluator& ev, const Steps& steps, SampleRules rules, const Program& program,
            const Program* second = nullptr)
        : ctx_(ctx), ev_(ev), steps_(steps), rules_(rules), first_{&program}, second_{second} {}

    // Gives each sample to take in turn; false when CriticalError stopped the sweep.
    template <class Take>
    bool each(Take&& take) {
        return second_.program ? sweep<true>(take) : sweep<false>(take);
    }

    // The sample evaluated once more at its x, for a caller that uses its value
    // twice; a CriticalError this sets stops the sweep at its next sample. A
    // rejected sample, or one of a pure program, is given as it is: evaluated
    // again it could only give the same.
    Sample again(const Sample& at);

private:
    static constexpr std::size_t Batch = 64;
    struct Ahead {
        const Program* program;
        std::array<double, Batch> values{};
        bool ready = false;    // the values of this batch were worked out
        bool degrees = false;  // in this angle mode
    };

    // Apart for a pair, so that a single program's sweep tests for none.
    template <bool Paired, class Take>
    bool sweep(Take& take) {
        const ConsoleState& s = ctx_.s;  // held apart from what take may change
        for (std::size_t n = nextBatch(); n > 0; n = nextBatch()) {
            for (std::size_t i = 0; i < n; ++i) {
                const Value value = valueAt(s, first_, i);
                const Value second = Paired ? valueAt(s, second_, i) : Value();
                const Sample at{xs_[i], value, second, s.EvalError(), s.CriticalError()};
                if (at.critical && !rules_.takeCriticalSample) return false;
                reject(at);
                take(std::as_const(at));
                if (at.critical) return false;
            }
        }
        return true;
    }
    std::size_t nextBatch();
    void workAhead(Ahead& ahead);
    Value evalSingly(const Program& program, double x);
    Value valueAt(const ConsoleState& s, Ahead& ahead, std::size_t i) {
        if (i == 0) workAhead(ahead);
        // The usual case; marked so, the compiler lays the sweep's loop out straight through it.
        if (ahead.ready && !s.EvalError() && s.InDegrees() == ahead.degrees) [[likely]]
            return ahead.values[i];
        return evalSingly(*ahead.program, xs_[i]);
    }
    void reject(const Sample& at) {
        if (at.rejected && rules_.clearEvalError) ctx_.s.rejectSample();
    }

    Context& ctx_;
    Evaluator& ev_;
    Steps steps_;
    SampleRules rules_;
    Ahead first_, second_;
    std::array<double, Batch> xs_{};  // the x of this batch
    std::size_t batchSize_ = 0;
    std::optional<double> upcoming_ = steps_.firstX();  // the x after this batch
    std::size_t stepped_ = 0;                           // x stepped so far
};

}  // namespace plotmere

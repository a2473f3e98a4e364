#include "plot/samples.h"

#include <span>

#include "expr/evaluator.h"

namespace plotmere {

std::optional<double> Steps::firstX() const {
    if (count_) return *count_ > 0 ? std::optional(from_) : std::nullopt;
    if (!(step_ > 0 || step_ < 0) || !reaches(from_)) return std::nullopt;
    return from_;
}

std::optional<double> Steps::nextX(double x, std::size_t taken) const {
    const double next = x + step_;
    if (count_) return taken < *count_ ? std::optional(next) : std::nullopt;
    if (next == x || !reaches(next)) return std::nullopt;
    return next;
}

// The batch is the very x the sweep takes next, so that no value worked out
// ahead can miss its sample.
std::size_t Samples::nextBatch() {
    std::optional<double> x = upcoming_;  // kept apart from xs_, so that stepping stays in registers
    std::size_t n = 0, stepped = stepped_;
    for (; n < Batch && x; ++n) {
        xs_[n] = *x;
        x = steps_.nextX(*x, ++stepped);
    }
    upcoming_ = x;
    stepped_ = stepped;
    return batchSize_ = n;
}

// At the first sample of a batch, where eval would run first.
void Samples::workAhead(Ahead& ahead) {
    ahead.degrees = ctx_.s.InDegrees();
    ahead.ready =
        ahead.program->pure && ev_.evalAll(*ahead.program, std::span(xs_).first(batchSize_), ahead.values);
}

Value Samples::evalSingly(const Program& program, double x) { return ev_.eval(program, x); }

Sample Samples::again(const Sample& at) {
    if (at.rejected || first_.program->pure) return at;
    const Value value = ev_.eval(*first_.program, at.x);
    const Sample again{at.x, value, at.second, ctx_.s.EvalError(), ctx_.s.CriticalError()};
    reject(again);
    return again;
}

}  // namespace plotmere

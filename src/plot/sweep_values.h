#pragma once
// The values of one program along a sweep, each exactly as Evaluator::eval
// gives it at that x. For a pure program they are worked out a batch of
// samples ahead (Evaluator::evalAll), with x stepped as Sweep steps it.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "expr/evaluator.h"

namespace plotmere {

class SweepValues {
public:
    SweepValues(Context& ctx, Evaluator& ev, const Program& program, double to, double step)
        : ctx_(ctx), ev_(ev), program_(program), to_(to), step_(step) {}

    // The value at x, the sweep's next sample. A value worked out ahead
    // stands only where eval would start from the same state: no latch set,
    // the same angle mode (the sweep may let the user change it).
    Value at(double x) {
        const ConsoleState& s = ctx_.s;
        if (next_ < count_ && std::bit_cast<std::uint64_t>(xs_[next_]) == std::bit_cast<std::uint64_t>(x) &&
            !s.EvalError && s.InDegrees() == degrees_) {
            return values_[next_++];
        }
        return atFirst(x);
    }

private:
    static constexpr size_t Batch = 64;
    Value atFirst(double x);
    bool workAhead(double x);

    Context& ctx_;
    Evaluator& ev_;
    const Program& program_;
    double to_, step_;
    std::array<double, Batch> xs_{}, values_{};
    size_t next_ = 0, count_ = 0;  // the values worked out and not yet taken
    bool degrees_ = false;         // the angle mode they were worked out in
    size_t oneByOne_ = 0;          // samples left to evaluate singly after a batch gave up
};

}  // namespace plotmere

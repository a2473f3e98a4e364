#include "plot/sweep_values.h"

namespace plotmere {

// A sample with no value ahead to take: a new batch begins there.
Value SweepValues::atFirst(double x) {
    next_ = count_ = 0;
    if (!program_.pure || oneByOne_ > 0 || !workAhead(x)) {
        if (oneByOne_ > 0) --oneByOne_;
        return ev_.eval(program_, x);
    }
    return values_[next_++];
}

// Where a batch gives up, one of its samples fails or sets a flag: the next
// ones go singly, so that eval reports it in its turn.
bool SweepValues::workAhead(double x) {
    size_t n = 0;
    for (double at = x; n < Batch && (step_ > 0 ? at <= to_ : at >= to_); at += step_) xs_[n++] = at;
    degrees_ = ctx_.s.InDegrees();
    if (n == 0 || !ev_.evalAll(program_, std::span(xs_).first(n), values_)) {
        oneByOne_ = Batch;
        return false;
    }
    count_ = n;
    return true;
}

}  // namespace plotmere

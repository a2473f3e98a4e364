#include "analysis/search.h"

#include <cmath>

#include "plot/sweep_values.h"
#include "plot/window.h"

namespace plotmere {

namespace {

constexpr int SamplesLeft = 250;
constexpr int Samples = 500;

// Evaluates fstr at the 500 samples around guess (added up step by step) and
// scores each; failed samples are left out.
template <class Score>
std::optional<double> search(Context& ctx, Evaluator& ev, const Viewport& view, const std::string& fstr,
                             double guess, Score score) {
    ConsoleState& s = ctx.s;
    const double step = view.sampleStep();
    double x = guess - (SamplesLeft * view.domain) / PictureWidth;
    std::vector<Sample> group;
    group.reserve(Samples);
    const auto program = ev.compile(fstr);
    const double end = x + Samples * step;  // past the last sample: only bounds the work ahead
    SweepValues values(ctx, ev, *program, end, step);
    for (int i = 0; i < Samples; ++i, x += step) {
        const Value y = values.at(x);
        if (s.CriticalError) return std::nullopt;  // reported once, not per sample
        if (s.EvalError || !y) {
            s.EvalError = false;
            continue;
        }
        group.push_back({x, score(*y)});
    }
    return FindLowest(group);
}

}  // namespace

std::optional<double> FindLowest(const std::vector<Sample>& group) {
    if (group.empty()) return std::nullopt;
    Sample best = group.front();
    for (const Sample& row : group) {
        if (row.score < best.score) best = row;
    }
    return best.x;
}

std::optional<double> FindRoot(Context& ctx, Evaluator& ev, const Viewport& view, const std::string& fstr,
                               double guess) {
    return search(ctx, ev, view, fstr, guess, [](double y) { return std::fabs(y); });
}

std::optional<double> LocMin(Context& ctx, Evaluator& ev, const std::string& fstr, double guess) {
    const Viewport& view = DimWin(ctx, ev);
    if (ctx.s.CriticalError) return std::nullopt;
    return search(ctx, ev, view, fstr, guess, [](double y) { return y; });
}

std::optional<double> LocMax(Context& ctx, Evaluator& ev, const std::string& fstr, double guess) {
    const Viewport& view = DimWin(ctx, ev);
    if (ctx.s.CriticalError) return std::nullopt;
    return search(ctx, ev, view, fstr, guess, [](double y) { return -y; });
}

}  // namespace plotmere

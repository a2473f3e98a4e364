#include "analysis/search.h"

#include <cmath>

#include "expr/evaluator.h"
#include "plot/samples.h"
#include "plot/window.h"

namespace plotmere {

namespace {

constexpr int SamplesLeft = 250;
constexpr std::size_t SampleCount = 500;

// Evaluates fstr at the 500 samples around guess and scores each; failed
// samples are left out.
template <class Score>
std::optional<double> search(Context& ctx, Evaluator& ev, const Viewport& view, const std::string& fstr,
                             double guess, Score score) {
    const double from = guess - (SamplesLeft * view.domain) / PictureWidth;
    std::vector<Scored> group;
    group.reserve(SampleCount);
    const auto program = ev.compile(fstr);
    Samples samples(ctx, ev, Steps::Counted(from, view.sampleStep(), SampleCount),
                    {.clearEvalError = true, .takeCriticalSample = false}, *program);
    const bool finished = samples.each([&](const Sample& at) {
        if (!at.rejected && at.value) group.push_back({at.x, score(*at.value)});
    });
    if (!finished) return std::nullopt;  // a CriticalError is reported once, not per sample
    return FindLowest(group);
}

}  // namespace

std::optional<double> FindLowest(const std::vector<Scored>& group) {
    if (group.empty()) return std::nullopt;
    Scored best = group.front();
    for (const Scored& row : group) {
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
    if (ctx.s.CriticalError()) return std::nullopt;
    return search(ctx, ev, view, fstr, guess, [](double y) { return y; });
}

std::optional<double> LocMax(Context& ctx, Evaluator& ev, const std::string& fstr, double guess) {
    const Viewport& view = DimWin(ctx, ev);
    if (ctx.s.CriticalError()) return std::nullopt;
    return search(ctx, ev, view, fstr, guess, [](double y) { return -y; });
}

}  // namespace plotmere

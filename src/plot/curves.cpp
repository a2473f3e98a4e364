#include "plot/curves.h"

#include <cmath>

#include "expr/elementary.h"
#include "expr/evaluator.h"
#include "plot/axes.h"
#include "plot/cartesian.h"
#include "plot/samples.h"

namespace plotmere {

namespace {

// The step setting is divided by this many samples per unit.
constexpr double StepDivisor = 5000;
// A step so fine that the sweep would take more samples than this is
// coarsened to this many, so that any setting draws in reasonable time.
constexpr double MaxSamples = 200000;

// The steps from `from` to `to` for a step setting.
Steps curveSteps(double setting, double from, double to) {
    const double step = setting / StepDivisor;
    const double finest = std::fabs(to - from) / MaxSamples;
    return Steps::Across(from, to, std::fabs(step) < finest ? std::copysign(finest, step) : step);
}

// Sets the point of world (x, y), each coordinate put on the edge when far off.
void plotWorldPoint(Context& ctx, const Viewport& view, double x, double y) {
    const double px = EdgeIfFarOff(view.toPictureX(x));
    const double py = EdgeIfFarOff(view.toPictureY(y));
    ctx.picture.PSet(ToSingle(px), ToSingle(py), ForeColor);
}

// Runs the sweep of one program or a pair; an unbalanced parenthesis
// (reported once by the evaluator) ends it rather than bringing its message
// back at every sample. A sample that fails leaves EvalError latched.
template <class Plot>
void drawCurve(Context& ctx, Evaluator& ev, const Viewport& view, const Steps& steps, const Program& program,
               const Program* second, Plot plot) {
    ctx.SetStatus(GraphingStatus);
    Samples samples(ctx, ev, steps, {.clearEvalError = false, .takeCriticalSample = true}, program, second);
    if (!samples.each(plot)) {
        ctx.SetStatus(GraphingStoppedStatus);
        return;
    }
    if (ctx.s.Settings.Axes.Value == 1) Showgrid(ctx, view);
    ctx.SetStatus("Ready");
}

// A part of the pair text; a comma first or last leaves that part empty.
std::string part(const std::string& text, long start, long length) {
    if (length <= 0) return {};
    return text.substr(static_cast<size_t>(start), static_cast<size_t>(length));
}

}  // namespace

void PolarGraph(Context& ctx, Evaluator& ev, const Viewport& view, const std::string& fstr) {
    const auto program = ev.compile(fstr);
    const Steps steps = curveSteps(view.TStep, view.TMin, view.TMax);
    drawCurve(ctx, ev, view, steps, *program, nullptr, [&](const Sample& at) {
        const double r = num(at.value);
        plotWorldPoint(ctx, view, r * elementary::cos(at.x), r * elementary::sin(at.x));
    });
}

void ParamGraph(Context& ctx, Evaluator& ev, const Viewport& view, const std::string& fstr) {
    const size_t comma = fstr.find(',');
    if (comma == std::string::npos) {
        ctx.SetStatus(GraphingStatus);
        ctx.MsgBox("No comma!");
        ctx.s.signalallerrors();
        return;
    }
    const long c = static_cast<long>(comma) + 1, length = static_cast<long>(fstr.size());
    const std::string xPart = part(fstr, 1, c - 2);
    const std::string yPart = part(fstr, c, length - c - 1);
    const auto xProgram = ev.compile(xPart), yProgram = ev.compile(yPart);
    const Steps steps = curveSteps(view.PStep, view.PMin, view.PMax);
    drawCurve(ctx, ev, view, steps, *xProgram, yProgram.get(),
              [&](const Sample& at) { plotWorldPoint(ctx, view, num(at.value), num(at.second)); });
}

}  // namespace plotmere

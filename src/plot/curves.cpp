#include "plot/curves.h"

#include <cmath>

#include "plot/axes.h"
#include "plot/cartesian.h"
#include "plot/sweep.h"
#include "plot/sweep_values.h"

namespace plotmere {

namespace {

// The step setting is divided by this many samples per unit.
constexpr double StepDivisor = 5000;
// A step so fine that the sweep would take more samples than this is
// coarsened to this many, so that any setting draws in reasonable time.
constexpr double MaxSamples = 200000;

double sweepStep(double setting, double from, double to) {
    const double step = setting / StepDivisor;
    const double finest = std::fabs(to - from) / MaxSamples;
    return std::fabs(step) < finest ? std::copysign(finest, step) : step;
}

// Sets the point of world (x, y), each coordinate put on the edge when far off.
void plotWorldPoint(Context& ctx, const Viewport& view, double x, double y) {
    const double px = EdgeIfFarOff(view.toPictureX(x));
    const double py = EdgeIfFarOff(view.toPictureY(y));
    ctx.picture.PSet(ToSingle(px), ToSingle(py), ForeColor);
}

// Runs the sweep; an unbalanced parenthesis (reported once by the evaluator)
// ends it rather than bringing its message back at every sample.
template <class Sample>
void drawCurve(Context& ctx, const Viewport& view, double from, double to, double step, Sample sample) {
    ctx.SetStatus("Graphing function...");
    bool stopped = false;
    Sweep(from, to, step, [&](double v) {
        sample(v);
        stopped = ctx.s.CriticalError;
        return !stopped;
    });
    if (stopped) {
        ctx.SetStatus("Critical graphing error.");
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
    const double step = sweepStep(view.TStep, view.TMin, view.TMax);
    SweepValues values(ctx, ev, *program, view.TMax, step);
    drawCurve(ctx, view, view.TMin, view.TMax, step, [&](double theta) {
        const double r = num(values.at(theta));
        plotWorldPoint(ctx, view, r * std::cos(theta), r * std::sin(theta));
    });
}

void ParamGraph(Context& ctx, Evaluator& ev, const Viewport& view, const std::string& fstr) {
    const size_t comma = fstr.find(',');
    if (comma == std::string::npos) {
        ctx.SetStatus("Graphing function...");
        ctx.MsgBox("No comma!");
        ctx.s.signalallerrors();
        return;
    }
    const long c = static_cast<long>(comma) + 1, length = static_cast<long>(fstr.size());
    const std::string xPart = part(fstr, 1, c - 2);
    const std::string yPart = part(fstr, c, length - c - 1);
    const auto xProgram = ev.compile(xPart), yProgram = ev.compile(yPart);
    const double step = sweepStep(view.PStep, view.PMin, view.PMax);
    SweepValues xValues(ctx, ev, *xProgram, view.PMax, step), yValues(ctx, ev, *yProgram, view.PMax, step);
    drawCurve(ctx, view, view.PMin, view.PMax, step, [&](double t) {
        const double x = num(xValues.at(t));
        const double y = num(yValues.at(t));
        plotWorldPoint(ctx, view, x, y);
    });
}

}  // namespace plotmere

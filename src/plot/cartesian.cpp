#include "plot/cartesian.h"

#include <cmath>

#include "expr/evaluator.h"
#include "plot/axes.h"
#include "plot/samples.h"

namespace plotmere {

namespace {

// Lets the window breathe about 200 times per sweep.
bool timeToYield(double px) {
    constexpr long every = static_cast<long>(PictureWidth / 200);
    return std::lround(px) % every == 0;
}

}  // namespace

double EdgeIfFarOff(double p) { return p > 1000000 || p < -100000 ? 0 : p; }

void Graph(Context& ctx, Evaluator& ev, const Viewport& view, const std::string& fstr) {
    ConsoleState& s = ctx.s;
    if (s.Settings.Axes.Value == 1) Showgrid(ctx, view);
    ctx.SetStatus(GraphingStatus);
    const Rgb color = QBColor(s.GraphingColor);
    const auto program = ev.compile(fstr);
    Samples samples(ctx, ev, Steps::Across(view.XMin, view.XMax, view.sampleStep()),
                    {.clearEvalError = true, .takeCriticalSample = true}, *program);
    const bool finished = samples.each([&](const Sample& at) {
        const double px = view.toPictureX(at.x);
        const double py = at.rejected ? 0 : EdgeIfFarOff(view.toPictureY(num(at.value)));
        ctx.picture.PSet(ToSingle(px), ToSingle(py), color);
        if (!at.critical && timeToYield(px)) ctx.host.DoEvents();
    });
    ctx.SetStatus(finished ? "Ready" : GraphingStoppedStatus);
}

void ReDraw(Context& ctx, Evaluator& ev, const Viewport& view, const std::string& fstr, double x) {
    const float px = ToSingle(view.toPictureX(x));
    ctx.picture.Line(px, 0, px, PictureHeight + 1, White);
    const double y = num(ev.eval(fstr, x));
    const double py = EdgeIfFarOff(view.toPictureY(y));
    ctx.picture.PSet(px, ToSingle(py), ForeColor);
}

}  // namespace plotmere

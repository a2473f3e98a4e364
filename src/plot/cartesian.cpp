#include "plot/cartesian.h"

#include <cmath>

#include "plot/axes.h"
#include "plot/sweep.h"
#include "plot/sweep_values.h"

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
    ctx.SetStatus("Graphing function...");
    const Rgb color = QBColor(s.GraphingColor);
    bool stopped = false;
    const auto program = ev.compile(fstr);
    const double step = view.sampleStep();
    SweepValues values(ctx, ev, *program, view.XMax, step);
    Sweep(view.XMin, view.XMax, step, [&](double x) {
        const double px = view.toPictureX(x);
        const double y = num(values.at(x));
        double py = EdgeIfFarOff(view.toPictureY(y));
        if (s.EvalError) {
            py = 0;
            s.EvalError = false;  // lets the next samples be evaluated again
        }
        ctx.picture.PSet(ToSingle(px), ToSingle(py), color);
        if (s.CriticalError) {
            ctx.SetStatus("Critical graphing error.");
            stopped = true;
            return false;
        }
        if (timeToYield(px)) ctx.host.DoEvents();
        return true;
    });
    if (!stopped) ctx.SetStatus("Ready");
}

void ReDraw(Context& ctx, Evaluator& ev, const Viewport& view, const std::string& fstr, double x) {
    const float px = ToSingle(view.toPictureX(x));
    ctx.picture.Line(px, 0, px, PictureHeight + 1, White);
    const double y = num(ev.eval(fstr, x));
    const double py = EdgeIfFarOff(view.toPictureY(y));
    ctx.picture.PSet(px, ToSingle(py), ForeColor);
}

}  // namespace plotmere

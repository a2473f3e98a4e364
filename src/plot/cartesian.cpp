#include "plot/cartesian.h"

#include <cmath>

#include "plot/axes.h"
#include "plot/sweep.h"
#include "plot/sweep_values.h"

namespace plotmere {

namespace {

constexpr double NominalWidth = 4110;
constexpr double NominalHeight = 1850;

// Lets the window breathe about 200 times per sweep.
bool timeToYield(double px, double width) {
    const long every = static_cast<long>(width / 200);
    return every <= 0 || std::lround(px) % every == 0;
}

}  // namespace

double EdgeIfFarOff(double p) { return p > 1000000 || p < -100000 ? 0 : p; }

void Graph(Context& ctx, Evaluator& ev, const std::string& fstr) {
    ConsoleState& s = ctx.s;
    if (s.Settings.Axes.Value == 1) Showgrid(ctx);
    ctx.SetStatus("Graphing function...");
    const Rgb color = QBColor(s.GraphingColor);
    bool stopped = false;
    const auto program = ev.compile(fstr);
    const double step = s.domain / ctx.picture.ScaleWidth();
    SweepValues values(ctx, ev, *program, s.XMax, step);
    Sweep(s.XMin, s.XMax, step, [&](double x) {
        const double width = ctx.picture.ScaleWidth(), height = ctx.picture.ScaleHeight();
        const double px = width * (x - s.XMin) / s.domain;
        const double y = num(values.at(x));
        double py = EdgeIfFarOff(height - height * (y - s.YMin) / s.range);
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
        if (timeToYield(px, width)) ctx.host.DoEvents();
        return true;
    });
    if (!stopped) ctx.SetStatus("Ready");
}

void ReDraw(Context& ctx, Evaluator& ev, const std::string& fstr, double x) {
    const ConsoleState& s = ctx.s;
    const float px = ToSingle((x - s.XMin) * NominalWidth / s.domain);
    ctx.picture.Line(px, 0, px, NominalHeight + 1, White);
    const double y = num(ev.eval(fstr, x));
    const double py = EdgeIfFarOff(NominalHeight - NominalHeight * (y - s.YMin) / s.range);
    ctx.picture.PSet(px, ToSingle(py), ForeColor);
}

}  // namespace plotmere

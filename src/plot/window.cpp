#include "plot/window.h"

#include "expr/evaluator.h"
#include "expr/scanning.h"

namespace plotmere {

namespace {

void invalid(Context& ctx, const char* message) {
    ctx.s.failWindow();
    ctx.MsgBox(message);
}

}  // namespace

const Viewport& DimWin(Context& ctx, Evaluator& ev) {
    const ConsoleState& s = ctx.s;
    Viewport& v = ctx.s.view;
    const double x = num(ev.eval(s.Xequals.Text, 0.0));
    auto read = [&](const TextBox& box) { return num(ev.eval(ss(box.Text), x)); };

    v.XMax = read(s.Text3);
    v.XMin = read(s.Text4);
    v.YMax = read(s.Text5);
    v.YMin = read(s.Text6);
    v.domain = v.XMax - v.XMin;
    v.range = v.YMax - v.YMin;

    const SettingsWindow& w = s.Settings;
    v.XTick = read(w.XTickbox);
    v.YTick = read(w.YTickbox);
    v.TMax = read(w.ThetaMax);
    v.TMin = read(w.ThetaMin);
    v.TStep = read(w.ThetaStep);
    v.TRange = v.TMax - v.TMin;
    v.PMax = read(w.ParamMax);
    v.PMin = read(w.ParamMin);
    v.PStep = read(w.ParamStep);

    if (v.domain <= 0) invalid(ctx, "Invalid domain.");
    if (v.range <= 0) invalid(ctx, "Invalid range.");
    if (v.TRange <= 0) invalid(ctx, "Invalid range for theta.");
    return v;
}

}  // namespace plotmere

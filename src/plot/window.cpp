#include "plot/window.h"

#include "expr/scanning.h"

namespace plotmere {

namespace {

void invalid(Context& ctx, const char* message) {
    ctx.s.ScriptError = ctx.s.CriticalError = true;
    ctx.MsgBox(message);
}

}  // namespace

void DimWin(Context& ctx, Evaluator& ev) {
    ConsoleState& s = ctx.s;
    const double x = num(ev.eval(s.Xequals.Text, 0.0));
    auto read = [&](const TextBox& box) { return num(ev.eval(ss(box.Text), x)); };

    s.XMax = read(s.Text3);
    s.XMin = read(s.Text4);
    s.YMax = read(s.Text5);
    s.YMin = read(s.Text6);
    s.domain = s.XMax - s.XMin;
    s.range = s.YMax - s.YMin;

    const SettingsWindow& w = s.Settings;
    s.XTick = read(w.XTickbox);
    s.YTick = read(w.YTickbox);
    s.TMax = read(w.ThetaMax);
    s.TMin = read(w.ThetaMin);
    s.TStep = read(w.ThetaStep);
    s.TRange = s.TMax - s.TMin;
    s.PMax = read(w.ParamMax);
    s.PMin = read(w.ParamMin);
    s.PStep = read(w.ParamStep);
    s.PRange = s.PMax - s.PMin;

    if (s.domain <= 0) invalid(ctx, "Invalid domain.");
    if (s.range <= 0) invalid(ctx, "Invalid range.");
    if (s.TRange <= 0) invalid(ctx, "Invalid range for theta.");
}

double MapToPicX(const Context& ctx, double x) {
    return (x - ctx.s.XMin) / ctx.s.domain * ctx.picture.ScaleWidth();
}

double MapToPicY(const Context& ctx, double y) {
    const double height = ctx.picture.ScaleHeight();
    return height - height * (y - ctx.s.YMin) / ctx.s.range;
}

}  // namespace plotmere

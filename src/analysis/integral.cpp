#include "analysis/integral.h"

#include "expr/number_text.h"
#include "plot/cartesian.h"
#include "plot/sweep.h"
#include "plot/sweep_values.h"
#include "plot/window.h"

namespace plotmere {

namespace {
constexpr double Width = 4110;
constexpr double Height = 1850;
}  // namespace

std::optional<double> Antiderivative(Context& ctx, Evaluator& ev, const std::string& fstr) {
    DimWin(ctx, ev);
    ConsoleState& s = ctx.s;
    double sum = 0;
    bool failed = false;
    const auto program = ev.compile(fstr);
    const double step = s.domain / Width;
    SweepValues values(ctx, ev, *program, s.XMax, step);
    Sweep(s.XMin, s.XMax, step, [&](double x) {
        const double px = ((x - s.XMin) * Width) / s.domain;
        const Value y = values.at(x);
        if (s.CriticalError) {  // reported once, not per sample
            failed = true;
            return false;
        }
        // Evaluated again at the same x; a pure text would only do the same.
        const Value y2 = s.EvalError ? Value() : program->pure ? y : ev.eval(*program, x);
        if (s.EvalError || !y || !y2) {
            s.EvalError = false;
            failed = true;
            return true;
        }
        const double py = EdgeIfFarOff(Height - ((*y - s.YMin) * Height) / s.range);
        ctx.picture.PSet(ToSingle(px), ToSingle(py), QBColor(4));
        sum += (s.domain * *y2) / Width;
        return true;
    });
    if (failed) return std::nullopt;
    s.Result.Caption = FormatDouble(sum);
    return sum;
}

}  // namespace plotmere

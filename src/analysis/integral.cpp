#include "analysis/integral.h"

#include "expr/number_text.h"
#include "plot/cartesian.h"
#include "plot/sweep.h"
#include "plot/sweep_values.h"
#include "plot/window.h"

namespace plotmere {

std::optional<double> Antiderivative(Context& ctx, Evaluator& ev, const std::string& fstr) {
    const Viewport& view = DimWin(ctx, ev);
    ConsoleState& s = ctx.s;
    double sum = 0;
    bool failed = false;
    const auto program = ev.compile(fstr);
    const double step = view.sampleStep();
    SweepValues values(ctx, ev, *program, view.XMax, step);
    Sweep(view.XMin, view.XMax, step, [&](double x) {
        const double px = view.toPictureX(x);
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
        const double py = EdgeIfFarOff(view.toPictureY(*y));
        ctx.picture.PSet(ToSingle(px), ToSingle(py), QBColor(4));
        sum += (view.domain * *y2) / PictureWidth;
        return true;
    });
    if (failed) return std::nullopt;
    s.Result.Caption = FormatDouble(sum);
    return sum;
}

}  // namespace plotmere

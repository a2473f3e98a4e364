#include "analysis/integral.h"

#include "expr/evaluator.h"
#include "expr/number_text.h"
#include "plot/cartesian.h"
#include "plot/samples.h"
#include "plot/window.h"

namespace plotmere {

std::optional<double> Antiderivative(Context& ctx, Evaluator& ev, const std::string& fstr) {
    const Viewport& view = DimWin(ctx, ev);
    double sum = 0;
    bool failed = false;
    const auto program = ev.compile(fstr);
    Samples samples(ctx, ev, Steps::Across(view.XMin, view.XMax, view.sampleStep()),
                    {.clearEvalError = true, .takeCriticalSample = false}, *program);
    const bool finished = samples.each([&](const Sample& at) {
        const Sample summed = samples.again(at);  // the dot and the sum each evaluate the text
        if (summed.rejected || !at.value || !summed.value) {
            failed = true;
            return;
        }
        const double py = EdgeIfFarOff(view.toPictureY(*at.value));
        ctx.picture.PSet(ToSingle(view.toPictureX(at.x)), ToSingle(py), QBColor(4));
        sum += (view.domain * *summed.value) / PictureWidth;
    });
    if (!finished || failed) return std::nullopt;  // a CriticalError is reported once, not per sample
    ctx.s.Result.Caption = FormatDouble(sum);
    return sum;
}

}  // namespace plotmere

#include "plot/axes.h"

#include "plot/window.h"

namespace plotmere {

namespace {

constexpr float TickLength = 50;
// Any spacing must end soon: the first ticks on one side of an axis are all
// drawn, then only visible ones, up to as many again, and the walk is bounded.
constexpr long AllDrawnTicks = 10000;
constexpr long MaxSteps = 10000000;

// Walks i = 0, step, 2 step, ... (by repeated addition; direction -1 walks
// down) while i is short of the limit, and draws each tick. A spacing of zero
// or below draws nothing; a spacing too small to move i ends the walk.
template <class Draw, class Visible>
void walkTicks(double step, double limit, double direction, Draw draw, Visible visible) {
    if (!(step > 0)) return;
    long count = 0, visibleDrawn = 0;
    for (double i = 0; direction > 0 ? i < limit : i > limit; ++count) {
        if (count >= MaxSteps) return;
        if (count < AllDrawnTicks) {
            draw(i);
        } else if (visible(i)) {
            if (++visibleDrawn > AllDrawnTicks) return;
            draw(i);
        }
        const double next = i + direction * step;
        if (next == i) return;
        i = next;
    }
}

}  // namespace

void Showgrid(Context& ctx) {
    const ConsoleState& s = ctx.s;
    const Rgb green = QBColor(2);
    const double width = ctx.picture.ScaleWidth(), height = ctx.picture.ScaleHeight();
    auto line = [&](double x1, double y1, double x2, double y2) {
        ctx.picture.Line(ToSingle(x1), ToSingle(y1), ToSingle(x2), ToSingle(y2), green);
    };

    line(-s.XMin * width / s.domain, 0, -s.XMin * width / s.domain, height);
    line(0, s.YMax * height / s.range, width, s.YMax * height / s.range);

    const double xAxis = MapToPicY(ctx, 0), yAxis = MapToPicX(ctx, 0);
    auto xTick = [&](double i) { line(MapToPicX(ctx, i), xAxis, MapToPicX(ctx, i), xAxis - TickLength); };
    auto yTick = [&](double i) { line(yAxis, MapToPicY(ctx, i), yAxis + TickLength, MapToPicY(ctx, i)); };
    auto xVisible = [&](double i) { return i >= s.XMin && i <= s.XMax; };
    auto yVisible = [&](double i) { return i >= s.YMin && i <= s.YMax; };

    walkTicks(s.XTick, s.XMax, +1, xTick, xVisible);
    walkTicks(s.XTick, s.XMin, -1, xTick, xVisible);
    walkTicks(s.YTick, s.YMax, +1, yTick, yVisible);
    walkTicks(s.YTick, s.YMin, -1, yTick, yVisible);
}

}  // namespace plotmere

#include "plot/axes.h"

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

void Showgrid(Context& ctx, const Viewport& view) {
    const Rgb green = QBColor(2);
    auto line = [&](double x1, double y1, double x2, double y2) {
        ctx.picture.Line(ToSingle(x1), ToSingle(y1), ToSingle(x2), ToSingle(y2), green);
    };

    const double xAxis = view.toPictureY(0), yAxis = view.toPictureX(0);
    line(yAxis, 0, yAxis, PictureHeight);
    line(0, xAxis, PictureWidth, xAxis);

    auto xTick = [&](double i) { line(view.toPictureX(i), xAxis, view.toPictureX(i), xAxis - TickLength); };
    auto yTick = [&](double i) { line(yAxis, view.toPictureY(i), yAxis + TickLength, view.toPictureY(i)); };
    auto xVisible = [&](double i) { return i >= view.XMin && i <= view.XMax; };
    auto yVisible = [&](double i) { return i >= view.YMin && i <= view.YMax; };

    walkTicks(view.XTick, view.XMax, +1, xTick, xVisible);
    walkTicks(view.XTick, view.XMin, -1, xTick, xVisible);
    walkTicks(view.YTick, view.YMax, +1, yTick, yVisible);
    walkTicks(view.YTick, view.YMin, -1, yTick, yVisible);
}

}  // namespace plotmere

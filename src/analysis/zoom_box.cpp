#include "analysis/zoom_box.h"

#include <algorithm>

#include "expr/evaluator.h"
#include "expr/number_text.h"
#include "plot/window.h"
#include "state/running_caption.h"

namespace plotmere {

namespace {

constexpr Rgb Green{0, 255, 0};

// The first corner is kept measured up from the bottom edge.
void markFirstCorner(Context& ctx, float u, float vUp) {
    ctx.s.SelectionUstart = ToInt16(u);
    ctx.s.SelectionVstart = ToInt16(vUp);
    ctx.s.ScreenClicked = true;
    ctx.SetStatus("Mark set.");
}

void drawBoxEdges(Context& ctx, const Viewport& view, float u, float vUp) {
    const ConsoleState& s = ctx.s;
    const auto height = static_cast<float>(PictureHeight);
    const float bottom = ToSingle(view.toPictureY(view.YMin)), top = ToSingle(view.toPictureY(view.YMax));
    const float left = ToSingle(view.toPictureX(view.XMin)), right = ToSingle(view.toPictureX(view.XMax));
    const auto u0 = static_cast<float>(s.SelectionUstart), v0 = static_cast<float>(s.SelectionVstart);
    ctx.picture.Line(u, bottom, u, top, Green);
    ctx.picture.Line(u0, bottom, u0, top, Green);
    ctx.picture.Line(left, height - vUp, right, height - vUp, Green);
    ctx.picture.Line(left, height - v0, right, height - v0, Green);
}

void markSecondCorner(Context& ctx, Evaluator& ev, float u, float v) {
    ConsoleState& s = ctx.s;
    ctx.SetStatus("Ready");
    RunningCaption running(s.Console);
    const Viewport& view = DimWin(ctx, ev);
    const float height = static_cast<float>(PictureHeight);
    const auto u0 = static_cast<float>(s.SelectionUstart),
               v0 = height - static_cast<float>(s.SelectionVstart);
    s.Text3.Text = FormatForInput(view.fromPictureX(std::max(u0, u)));
    s.Text4.Text = FormatForInput(view.fromPictureX(std::min(u0, u)));
    s.Text5.Text = FormatForInput(view.fromPictureY(std::min(v0, v)));
    s.Text6.Text = FormatForInput(view.fromPictureY(std::max(v0, v)));
    drawBoxEdges(ctx, view, u, height - v);
    ctx.SetTimerEnabled(s.GfxSpeed, true);
    s.ScreenClicked = false;
    running.keep();  // until the redraw
}

}  // namespace

void Picture1_MouseDown(Context& ctx, Evaluator& ev, float u, float v) {
    if (!ctx.s.ScreenClicked) markFirstCorner(ctx, u, static_cast<float>(PictureHeight) - v);
    else markSecondCorner(ctx, ev, u, v);
}

}  // namespace plotmere

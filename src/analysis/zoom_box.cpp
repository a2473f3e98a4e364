#include "analysis/zoom_box.h"

#include <algorithm>

#include "expr/number_text.h"
#include "plot/window.h"

namespace plotmere {

namespace {

constexpr Rgb Green{0, 255, 0};

void markFirstCorner(Context& ctx, float u, float vUp) {
    ctx.s.SelectionUstart = ToInt16(u);
    ctx.s.SelectionVstart = ToInt16(vUp);
    ctx.s.ScreenClicked = true;
    ctx.SetStatus("Mark set.");
}

void drawBoxEdges(Context& ctx, float u, float vUp) {
    const ConsoleState& s = ctx.s;
    const float height = static_cast<float>(ctx.picture.ScaleHeight());
    const float bottom = ToSingle(MapToPicY(ctx, s.YMin)), top = ToSingle(MapToPicY(ctx, s.YMax));
    const float left = ToSingle(MapToPicX(ctx, s.XMin)), right = ToSingle(MapToPicX(ctx, s.XMax));
    const auto u0 = static_cast<float>(s.SelectionUstart), v0 = static_cast<float>(s.SelectionVstart);
    ctx.picture.Line(u, bottom, u, top, Green);
    ctx.picture.Line(u0, bottom, u0, top, Green);
    ctx.picture.Line(left, height - vUp, right, height - vUp, Green);
    ctx.picture.Line(left, height - v0, right, height - v0, Green);
}

void markSecondCorner(Context& ctx, Evaluator& ev, float u, float vUp) {
    ConsoleState& s = ctx.s;
    ctx.SetStatus("Ready");
    s.Console.Caption = "Plotmere <running>";
    DimWin(ctx, ev);
    // The corner quotients are single precision, as the coordinates are.
    const auto width = static_cast<float>(ctx.picture.ScaleWidth());
    const auto height = static_cast<float>(ctx.picture.ScaleHeight());
    const auto u0 = static_cast<float>(s.SelectionUstart), v0 = static_cast<float>(s.SelectionVstart);
    const double xMax = s.XMin + s.domain * (std::max(u0, u) / width);
    const double xMin = s.XMin + s.domain * (std::min(u0, u) / width);
    const double yMax = s.YMin + s.range * (std::max(v0, vUp) / height);
    const double yMin = s.YMin + s.range * (std::min(v0, vUp) / height);
    s.Text3.Text = FormatForInput(xMax);
    s.Text4.Text = FormatForInput(xMin);
    s.Text5.Text = FormatForInput(yMax);
    s.Text6.Text = FormatForInput(yMin);
    drawBoxEdges(ctx, u, vUp);
    ctx.SetTimerEnabled(s.GfxSpeed, true);
    s.ScreenClicked = false;
}

}  // namespace

void Picture1_MouseDown(Context& ctx, Evaluator& ev, float u, float v) {
    const float vUp = static_cast<float>(ctx.picture.ScaleHeight()) - v;
    if (!ctx.s.ScreenClicked) markFirstCorner(ctx, u, vUp);
    else markSecondCorner(ctx, ev, u, vUp);
}

}  // namespace plotmere
